#include "install/uninstall_script.h"

#include <windows.h>

#include "app/globals.h"

const char kUninstallKeyPrefix[] = "Software\\Microsoft\\Windows\\CurrentVersion\\Uninstall";

namespace {
void WriteLine(const std::string& line)
{
    if (IsUninstallScriptOpen())
        g_uninstallScript.WriteString(line + "\n");
}
}  // namespace

bool OpenUninstallScript(const std::string& installDir)
{
    std::string path = installDir + "uninstall.ini";
    // A read-only or hidden script from an earlier installation must not stop this one.
    SetFileAttributesA(path.c_str(), FILE_ATTRIBUTE_NORMAL);
    return g_uninstallScript.Open(path.c_str(),
                                  CStdioFile::modeCreate | CStdioFile::modeWrite | CStdioFile::typeText) != FALSE;
}

bool IsUninstallScriptOpen()
{
    return g_uninstallScript.IsOpen();
}

void WriteScriptKeyLine(const std::string& prefix)
{
    WriteLine("J0,2," + prefix + "\\" + g_szProductName + ",");
}

void WriteScriptValueLine(const std::string& prefix, const std::string& valueName)
{
    WriteLine("J0,2," + prefix + "\\" + g_szProductName + "\\" + valueName + ",");
}

void WriteScriptFileLine(const std::string& path)
{
    WriteLine("P0," + path + ",0");
}

void WriteScriptFolderLine(const std::string& path)
{
    WriteLine("U0," + path + ",0");
}

void WriteMessageBlock()
{
    // The "%s" in these texts is the uninstaller's to fill in; it is written as it stands.
    static const char* const kMessages[] = {
        "A13,OK",
        "A36,Can't copy file %s to %s",
        "A42,Removing files ...",
        "A43,Are you sure you want uninstall %s?",
        "A44,Remove",
        "A45,Remove all",
        "A46,Close",
        "A47,%s will be removed after restart",
        "A48,Uninstall",
        "A49,Can't process %s",
        "A50,Uninstall succeed!",
        "A51,Future other application procedure or you will possibly need %s.Do you still delete them?",
        "A52,Can't remove %s,retry?",
        "A53,The files created befor(or after) install, and future other application procedure or you will "
        "possibly need them",
        "A54,Removing registry keys...",
        "A55,Deleting records in INI files...",
        "A58,Waiting...",
        "A80,Are you sure you want terminate the uninstall\xA3\xBF",  // ends in a full-width question mark (GBK)
        "A81,Checking the installed program...",
    };
    if (!IsUninstallScriptOpen())
        return;
    WriteLine(std::string("A10,") + g_szProductName);
    for (const char* message : kMessages)
        WriteLine(message);
}
