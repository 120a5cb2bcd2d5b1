#include "tests/support/temp_dir.h"

#include <windows.h>

TempDir::TempDir()
{
    char base[MAX_PATH + 1] = {};
    GetTempPathA(MAX_PATH, base);
    static unsigned s_counter = 0;
    for (;;)
    {
        m_path = std::string(base) + "ostrevan_test_" + std::to_string(GetCurrentProcessId()) + "_" +
                 std::to_string(++s_counter);
        if (CreateDirectoryA(m_path.c_str(), nullptr))
            break;
    }
}

TempDir::~TempDir()
{
    RemoveTree(m_path);
}

std::string ModuleFolder()
{
    char path[MAX_PATH + 1] = {};
    GetModuleFileNameA(nullptr, path, MAX_PATH);
    std::string s(path);
    return s.substr(0, s.find_last_of("\\/"));
}

void RemoveTree(const std::string& path)
{
    WIN32_FIND_DATAA fd;
    HANDLE h = FindFirstFileA((path + "\\*").c_str(), &fd);
    if (h != INVALID_HANDLE_VALUE)
    {
        do
        {
            std::string name = fd.cFileName;
            if (name == "." || name == "..")
                continue;
            std::string full = path + "\\" + name;
            SetFileAttributesA(full.c_str(), FILE_ATTRIBUTE_NORMAL);
            if (fd.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY)
                RemoveTree(full);
            else
                DeleteFileA(full.c_str());
        } while (FindNextFileA(h, &fd));
        FindClose(h);
    }
    SetFileAttributesA(path.c_str(), FILE_ATTRIBUTE_NORMAL);
    RemoveDirectoryA(path.c_str());
}
