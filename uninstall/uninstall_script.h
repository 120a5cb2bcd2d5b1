// Reading uninstall.ini: the records an installation left, checked before anything is removed.
#pragma once
#include <map>
#include <string>
#include <vector>

struct UninstallScript
{
    std::vector<std::string> registry;  // J lines: HKEY_LOCAL_MACHINE paths (a key, or a key and a value name)
    std::vector<std::string> files;     // P lines, in script order
    std::vector<std::string> folders;   // U lines, in script order
    std::map<int, std::string> messages;  // A lines, by number

    // The message's text with its first "%s" filled in; empty when the script has none.
    std::string Message(int nNumber, const std::string& fill = std::string()) const;
};

// Parses the bytes of an uninstall script. On failure returns false with a
// description of the first problem in error; nothing of the script is trusted then.
bool ParseUninstallScript(const std::string& bytes, UninstallScript& script, std::string& error);
