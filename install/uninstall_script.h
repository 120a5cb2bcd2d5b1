// The uninstall script uninstall.ini: its opening and the writers of each kind of line.
#pragma once
#include <string>

// The Uninstall key under HKEY_LOCAL_MACHINE that the script's J lines name.
extern const char kUninstallKeyPrefix[];

// Opens the shared script as <installDir>uninstall.ini (installDir ends in a
// backslash): clears the attributes an earlier installation may have left, then
// creates or truncates it. The result is the open's; callers may ignore it.
bool OpenUninstallScript(const std::string& installDir);

// True while the script is open; every writer below tests it and otherwise skips.
bool IsUninstallScriptOpen();

// "J0,2,<prefix>\<product>,": a registry key.
void WriteScriptKeyLine(const std::string& prefix);
// "J0,2,<prefix>\<product>\<value>,": a registry value.
void WriteScriptValueLine(const std::string& prefix, const std::string& valueName);
// "P0,<path>,0": a file.
void WriteScriptFileLine(const std::string& path);
// "U0,<path>,0": a folder, given without a trailing backslash.
void WriteScriptFolderLine(const std::string& path);

// The uninstaller's 20 message lines, A10 (the product name) first.
void WriteMessageBlock();
