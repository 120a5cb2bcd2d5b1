// Hosts the install run the way the progress page does: a window with the
// file-name line 1015 and the progress bar 1016, whose messages are recorded.
// Also swaps in payload archives, as a copy of a small resource-only DLL.
#pragma once
#include <string>
#include <vector>

#include <windows.h>

class InstallHost
{
public:
    InstallHost();
    ~InstallHost();
    InstallHost(const InstallHost&) = delete;
    InstallHost& operator=(const InstallHost&) = delete;

    HWND hwnd() const { return m_hWnd; }
    std::string Label() const;

    // Every PBM_SETRANGE / PBM_SETRANGE32 / PBM_SETPOS the bar received, as text:
    // "range 0-5", "pos 3".
    std::vector<std::string> progress;

private:
    static LRESULT CALLBACK ProgressProc(HWND, UINT, WPARAM, LPARAM);
    HWND m_hWnd = nullptr;
    WNDPROC m_oldProc = nullptr;
};

// Makes the program's resources come from a module holding exactly this payload
// (resource "FILE" 139), or no payload at all when bytes is null. Undone on destruction.
class PayloadModule
{
public:
    explicit PayloadModule(const std::string* bytes);
    ~PayloadModule();
    PayloadModule(const PayloadModule&) = delete;
    PayloadModule& operator=(const PayloadModule&) = delete;

private:
    std::string m_path;
    HMODULE m_hModule = nullptr;
};

// Reads a whole file; empty when it cannot be read.
std::string ReadFileBytes(const std::string& path);
bool FileExists(const std::string& path);
// Files in the temporary folder whose names start with "KV".
std::vector<std::string> PayloadTempFiles();
