// Registry access: one key under a predefined root, and the installer's two registry writers.
#pragma once
#include <string>

#include <windows.h>

class CRegistryKey
{
public:
    CRegistryKey() = default;
    ~CRegistryKey();
    CRegistryKey(const CRegistryKey&) = delete;
    CRegistryKey& operator=(const CRegistryKey&) = delete;

    // Accepts HKEY_CLASSES_ROOT, HKEY_CURRENT_USER, HKEY_LOCAL_MACHINE and HKEY_USERS only.
    BOOL SetRootKey(HKEY hRootKey);
    // Opens (or, with bCreate, creates) the key at the path under the root,
    // closing any key held before.
    BOOL Open(std::string path, BOOL bCreate);
    // REG_SZ; values longer than 254 bytes are refused.
    BOOL SetString(std::string name, std::string value);
    // REG_DWORD.
    BOOL SetNumber(std::string name, DWORD value);
    void Close();

    HKEY m_hRootKey = HKEY_CURRENT_USER;
    HKEY m_hKey = nullptr;
};

// HKLM\SOFTWARE\Korvalend Server, "Language" = the code page. Always TRUE.
BOOL WriteLanguageValue(int nCodePage);

// The product's entry in the installed-programs list (DisplayName, UninstallString).
// FALSE when the key could not be opened.
BOOL WriteUninstallEntry();
