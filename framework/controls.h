// Control objects bound to controls of a dialog: CStatic, CProgressCtrl, CCheckListBox.
#pragma once
#include <commctrl.h>

#include "framework/window.h"

// A static text or picture control.
class CStatic : public CWnd
{
};

// A standard progress bar ("msctls_progress32").
class CProgressCtrl : public CWnd
{
public:
    // Range low..high, each 0..65535.
    void SetRange(short nLower, short nUpper) { SendMessage(PBM_SETRANGE, 0, MAKELPARAM(nLower, nUpper)); }
    // Returns the previous position.
    int SetPos(int nPos) { return static_cast<int>(SendMessage(PBM_SETPOS, static_cast<WPARAM>(nPos), 0)); }
    int GetPos() const { return static_cast<int>(SendMessage(PBM_GETPOS, 0, 0)); }
};

// A list box with a check box per item. The installer binds one that it never fills or
// shows, so only the list box itself is wrapped.
class CCheckListBox : public CWnd
{
public:
    int GetCount() const { return static_cast<int>(SendMessage(LB_GETCOUNT, 0, 0)); }
};
