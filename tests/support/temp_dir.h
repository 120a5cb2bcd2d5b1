// Test helpers: a throwaway folder, and the folder the test program runs from.
#pragma once
#include <string>

// A new empty folder under the system's temporary folder, removed with its contents.
class TempDir
{
public:
    TempDir();
    ~TempDir();
    TempDir(const TempDir&) = delete;
    TempDir& operator=(const TempDir&) = delete;

    // Without a trailing backslash.
    const std::string& path() const { return m_path; }

private:
    std::string m_path;
};

// The folder of the running test program, without a trailing backslash.
std::string ModuleFolder();

// Removes a folder tree, clearing read-only attributes on the way.
void RemoveTree(const std::string& path);
