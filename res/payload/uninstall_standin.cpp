// uninstall.exe as shipped until the product's uninstaller exists: it says where
// the record of the installation is kept and removes nothing.
#include <string>

#include <windows.h>

int WINAPI WinMain(HINSTANCE, HINSTANCE, LPSTR, int)
{
    char path[MAX_PATH + 1] = {};
    GetModuleFileNameA(nullptr, path, MAX_PATH);
    std::string folder(path);
    folder.erase(folder.find_last_of('\\') + 1);
    std::string text = "The uninstaller is not part of this build.\n\nThe installation is recorded in\n" + folder +
                       "uninstall.ini";
    MessageBoxA(nullptr, text.c_str(), "Ostrevan4.1C", MB_OK | MB_ICONINFORMATION);
    return 0;
}
