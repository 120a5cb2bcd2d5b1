// COM start-up for the UI thread, and the control-container switch of the start-up sequence.
#pragma once
#include <windows.h>

// Initialises COM (OLE) for this thread; it is uninitialised again at program end.
BOOL AfxOleInit();
// The program hosts no ActiveX controls; the call is kept so start-up reads as designed.
void AfxEnableControlContainer();
