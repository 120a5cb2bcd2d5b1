#include "install/registry.h"

#include "app/globals.h"
#include "install/uninstall_script.h"

CRegistryKey::~CRegistryKey()
{
    Close();
}

BOOL CRegistryKey::SetRootKey(HKEY hRootKey)
{
    if (hRootKey != HKEY_CLASSES_ROOT && hRootKey != HKEY_CURRENT_USER && hRootKey != HKEY_LOCAL_MACHINE &&
        hRootKey != HKEY_USERS)
        return FALSE;
    m_hRootKey = hRootKey;
    return TRUE;
}

BOOL CRegistryKey::Open(std::string path, BOOL bCreate)
{
    Close();
    HKEY hKey = nullptr;
    LONG result;
    if (bCreate)
    {
        DWORD disposition = 0;
        result = RegCreateKeyExA(m_hRootKey, path.c_str(), 0, nullptr, REG_OPTION_NON_VOLATILE, KEY_ALL_ACCESS,
                                 nullptr, &hKey, &disposition);
    }
    else
    {
        result = RegOpenKeyExA(m_hRootKey, path.c_str(), 0, KEY_READ | KEY_WRITE, &hKey);
    }
    if (result != ERROR_SUCCESS)
        return FALSE;
    m_hKey = hKey;
    return TRUE;
}

BOOL CRegistryKey::SetString(std::string name, std::string value)
{
    if (value.size() > 254)
        return FALSE;
    return RegSetValueExA(m_hKey, name.c_str(), 0, REG_SZ, reinterpret_cast<const BYTE*>(value.c_str()),
                          DWORD(value.size() + 1)) == ERROR_SUCCESS;
}

BOOL CRegistryKey::SetNumber(std::string name, DWORD value)
{
    return RegSetValueExA(m_hKey, name.c_str(), 0, REG_DWORD, reinterpret_cast<const BYTE*>(&value),
                          sizeof value) == ERROR_SUCCESS;
}

void CRegistryKey::Close()
{
    if (m_hKey)
    {
        RegCloseKey(m_hKey);
        m_hKey = nullptr;
    }
}

BOOL WriteLanguageValue(int nCodePage)
{
    CRegistryKey key;
    key.SetRootKey(HKEY_LOCAL_MACHINE);
    if (key.Open("SOFTWARE\\Korvalend Server", TRUE))
    {
        key.SetNumber("Language", DWORD(nCodePage));
        key.Close();
    }
    return TRUE;
}

BOOL WriteUninstallEntry()
{
    CRegistryKey key;
    key.SetRootKey(HKEY_LOCAL_MACHINE);
    if (!key.Open(std::string(kUninstallKeyPrefix) + "\\" + g_szProductName, TRUE))
        return FALSE;
    key.SetString("DisplayName", g_szProductName);
    key.SetString("UninstallString", g_strInstallDir + "uninstall.exe");
    key.Close();
    return TRUE;
}
