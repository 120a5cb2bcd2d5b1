// setup.exe's entry point: the framework's WinMain drives the application object.
#include <windows.h>

#include "framework/app.h"

namespace {
// A setup program often runs from a downloads folder where anyone can drop a
// DLL: before anything else, DLLs come from System32 only. Older systems lack
// the call, so it is looked up at run time.
void RestrictDllSearch()
{
    using SetDefaultDllDirectoriesFn = BOOL(WINAPI*)(DWORD);
    HMODULE kernel = GetModuleHandleA("kernel32.dll");
    auto setDefault = reinterpret_cast<SetDefaultDllDirectoriesFn>(
        reinterpret_cast<void*>(GetProcAddress(kernel, "SetDefaultDllDirectories")));
    if (setDefault)
        setDefault(0x00000800 /* LOAD_LIBRARY_SEARCH_SYSTEM32 */);
    SetDllDirectoryA("");
}
}  // namespace

int WINAPI WinMain(HINSTANCE hInstance, HINSTANCE hPrevInstance, LPSTR lpCmdLine, int nCmdShow)
{
    RestrictDllSearch();
    return AfxWinMain(hInstance, hPrevInstance, lpCmdLine, nCmdShow);
}
