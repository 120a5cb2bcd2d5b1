#include "tests/support/product_script.h"

#include <windows.h>
#include <shlobj.h>

std::string ShellFolder(int csidl)
{
    char path[MAX_PATH + 1] = {};
    SHGetSpecialFolderPathA(nullptr, path, csidl, FALSE);
    std::string s = path;
    if (!s.empty() && s.back() == '\\')
        s.pop_back();
    return s;
}

std::string ExpectedMessageBlock()
{
    return "A10,Ostrevan4.1C\r\n"
           "A13,OK\r\n"
           "A36,Can't copy file %s to %s\r\n"
           "A42,Removing files ...\r\n"
           "A43,Are you sure you want uninstall %s?\r\n"
           "A44,Remove\r\n"
           "A45,Remove all\r\n"
           "A46,Close\r\n"
           "A47,%s will be removed after restart\r\n"
           "A48,Uninstall\r\n"
           "A49,Can't process %s\r\n"
           "A50,Uninstall succeed!\r\n"
           "A51,Future other application procedure or you will possibly need %s.Do you still delete them?\r\n"
           "A52,Can't remove %s,retry?\r\n"
           "A53,The files created befor(or after) install, and future other application procedure or you "
           "will possibly need them\r\n"
           "A54,Removing registry keys...\r\n"
           "A55,Deleting records in INI files...\r\n"
           "A58,Waiting...\r\n"
           "A80,Are you sure you want terminate the uninstall\xA3\xBF\r\n"   // full-width question mark
           "A81,Checking the installed program...\r\n";
}

std::string ExpectedProductScript(const std::string& dir, const std::string& programs, const std::string& desktop)
{
    const std::string group = programs + "\\Ostrevan4.1C";
    const std::string key = "Software\\Microsoft\\Windows\\CurrentVersion\\Uninstall\\Ostrevan4.1C";
    return "J0,2,SOFTWARE\\Ostrevan4.1C,\r\n"
           "J0,2," + key + "\\DisplayName,\r\n"
           "J0,2," + key + "\\UninstallString,\r\n"
           "J0,2," + key + ",\r\n"
           "P0," + dir + "Tarvexion.exe,0\r\n"
           "P0," + dir + "Help.chm,0\r\n"
           "P0," + dir + "uninstall.exe,0\r\n"
           "P0," + dir + "SpecsList.ini,0\r\n"
           "P0," + dir + "Tarvexion.dll,0\r\n"
           "P0," + dir + "SpecsList.ini,0\r\n"
           "P0," + dir + "Tarvexis.ini,0\r\n"
           "P0," + dir + "uninstall.ini,0\r\n"
           "U0," + dir.substr(0, dir.size() - 1) + ",0\r\n"
           "P0," + group + "\\Ostrevware.lnk,0\r\n"
           "P0," + group + "\\\xB0\xEF\xD6\xFA.lnk,0\r\n"   // 帮助.lnk
           "P0," + group + "\\\xD0\xB6\xD4\xD8.lnk,0\r\n"   // 卸载.lnk
           "U0," + group + ",0\r\n"
           "P0," + desktop + "\\Ostrevware.lnk,0\r\n" +
           ExpectedMessageBlock();
}
