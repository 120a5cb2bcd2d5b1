// Walks setup.exe through its four pages with the default answers, as a user
// would, and keeps what it saw: a picture of every page, the uninstall script,
// the registry values and the list of installed files.
//   walkthrough <setup.exe> <output folder>
#include <windows.h>

#include <cstdio>
#include <fstream>
#include <string>

#include "tests/support/ui_driver.h"

namespace {
const DWORD kWait = 120000;

bool PageHas(HWND wizard, int id)
{
    HWND page = ActivePage(wizard);
    return page && GetDlgItem(page, id);
}

std::string RegText(HKEY root, const char* key, const char* value)
{
    HKEY h;
    if (RegOpenKeyExA(root, key, 0, KEY_READ, &h) != ERROR_SUCCESS)
        return "(missing)";
    BYTE data[1024] = {};
    DWORD size = sizeof data, type = 0;
    LONG r = RegQueryValueExA(h, value, nullptr, &type, data, &size);
    RegCloseKey(h);
    if (r != ERROR_SUCCESS)
        return "(missing)";
    if (type == REG_DWORD)
        return "REG_DWORD " + std::to_string(*reinterpret_cast<DWORD*>(data));
    return "REG_SZ " + std::string(reinterpret_cast<char*>(data));
}

void ListFiles(const std::string& folder, std::ofstream& out)
{
    WIN32_FIND_DATAA fd;
    HANDLE h = FindFirstFileA((folder + "\\*").c_str(), &fd);
    if (h == INVALID_HANDLE_VALUE)
        return;
    do
    {
        if (fd.cFileName[0] != '.')
            out << folder << "\\" << fd.cFileName << "  " << fd.nFileSizeLow << " bytes\r\n";
    } while (FindNextFileA(h, &fd));
    FindClose(h);
}

int Fail(const char* what)
{
    std::fprintf(stderr, "walkthrough: %s\n", what);
    return 1;
}
}  // namespace

int main(int argc, char** argv)
{
    if (argc != 3)
        return Fail("usage: walkthrough <setup.exe> <output folder>");
    std::string out = argv[2];
    CreateDirectoryA(out.c_str(), nullptr);

    DrivenProcess setup(std::string("\"") + argv[1] + "\"");
    HWND wizard = WaitForTopWindow(setup.pid(), 12323, kWait);
    if (!wizard || !WaitUntil([&] { return PageHas(wizard, 1003); }, kWait))
        return Fail("the wizard did not appear");
    Sleep(500);
    SaveWindowPicture(wizard, out + "\\1-licence.bmp");

    ClickButton(wizard, 12324);
    if (!WaitUntil([&] { return PageHas(wizard, 1014); }, kWait))
        return Fail("no destination page");
    Sleep(500);
    SaveWindowPicture(wizard, out + "\\2-destination.bmp");

    ClickButton(wizard, 12324);
    MessageBoxSeen ask = WaitForMessageBox(setup.pid(), kWait);
    if (ask.hwnd)
    {
        SaveWindowPicture(ask.hwnd, out + "\\2b-create-folder.bmp");
        Answer(ask, IDYES);
    }
    bool sawProgress = false;
    WaitUntil(
        [&] {
            if (PageHas(wizard, 1016) && !sawProgress)
            {
                SaveWindowPicture(wizard, out + "\\3-progress.bmp");
                sawProgress = true;
            }
            return PageHas(wizard, 1009) && !PageHas(wizard, 1014);
        },
        kWait);
    if (!PageHas(wizard, 1009))
        return Fail("no finish page");
    Sleep(500);
    SaveWindowPicture(wizard, out + "\\4-finish.bmp");
    ClickButton(wizard, 12325);
    if (!setup.WaitForExit(kWait))
        return Fail("setup.exe did not end after Finish");

    const std::string dir = "D:\\Program Files\\Ostrevan4.1C";
    CopyFileA((dir + "\\uninstall.ini").c_str(), (out + "\\uninstall.ini").c_str(), FALSE);
    std::ofstream report(out + "\\installed.txt", std::ios::binary);
    report << "Files in " << dir << ":\r\n";
    ListFiles(dir, report);
    report << "\r\nHKLM\\SOFTWARE\\Korvalend Server  Language = "
           << RegText(HKEY_LOCAL_MACHINE, "SOFTWARE\\Korvalend Server", "Language") << "\r\n";
    const char* key = "Software\\Microsoft\\Windows\\CurrentVersion\\Uninstall\\Ostrevan4.1C";
    report << "HKLM\\" << key << "  DisplayName = " << RegText(HKEY_LOCAL_MACHINE, key, "DisplayName") << "\r\n";
    report << "HKLM\\" << key << "  UninstallString = " << RegText(HKEY_LOCAL_MACHINE, key, "UninstallString")
           << "\r\n";
    std::printf("walkthrough: installed; results in %s\n", out.c_str());
    return 0;
}
