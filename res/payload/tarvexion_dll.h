// Tarvexion.dll: the product's library in the default payload.
#pragma once

#ifdef TARVEXION_DLL_BUILD
#define TARVEXION_API extern "C" __declspec(dllexport)
#else
#define TARVEXION_API extern "C" __declspec(dllimport)
#endif

// The line the main window shows.
TARVEXION_API const char* TarvexionGreeting();
