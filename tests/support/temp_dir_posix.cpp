// temp_dir.h for the native (Linux) build of the tests.
#include "tests/support/temp_dir.h"

#include <dirent.h>
#include <sys/stat.h>
#include <unistd.h>

#include <climits>
#include <cstdlib>
#include <stdexcept>

TempDir::TempDir()
{
    const char* base = getenv("TMPDIR");
    std::string tmpl = std::string(base && *base ? base : "/tmp") + "/ostrevan_test_XXXXXX";
    if (!mkdtemp(&tmpl[0]))
        throw std::runtime_error("mkdtemp failed");
    m_path = tmpl;
}

TempDir::~TempDir()
{
    RemoveTree(m_path);
}

std::string ModuleFolder()
{
    char path[PATH_MAX + 1] = {};
    ssize_t n = readlink("/proc/self/exe", path, PATH_MAX);
    std::string s(path, n > 0 ? size_t(n) : 0);
    return s.substr(0, s.find_last_of('/'));
}

void RemoveTree(const std::string& path)
{
    if (DIR* d = opendir(path.c_str()))
    {
        while (dirent* e = readdir(d))
        {
            std::string name = e->d_name;
            if (name == "." || name == "..")
                continue;
            std::string full = path + "/" + name;
            struct stat st;
            if (lstat(full.c_str(), &st) == 0 && S_ISDIR(st.st_mode))
                RemoveTree(full);
            else
                unlink(full.c_str());
        }
        closedir(d);
    }
    rmdir(path.c_str());
}
