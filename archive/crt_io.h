// The C runtime file calls the gzip stream uses (_access, _open, _filelength,
// _close, and _read for the signature test), in namespace crt_io: from <io.h>
// on Windows, and a small shim over POSIX for the native (Linux) build.
#pragma once

#ifdef _WIN32
#include <fcntl.h>
#include <io.h>

namespace crt_io {
using ::_access;
using ::_close;
using ::_filelength;
using ::_open;
using ::_read;
}  // namespace crt_io
#else
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>

#ifndef _O_RDONLY
#define _O_RDONLY O_RDONLY
#endif
#ifndef _O_BINARY
#define _O_BINARY 0
#endif

namespace crt_io {

// Windows semantics: mode 0 asks for existence, 2 for write permission, 4 for
// read permission, 6 for both. Write permission is the absence of the
// read-only attribute, which Wine maps to the owner's write bit; it does not
// depend on who runs the program (root included), unlike access(2).
inline int _access(const char* path, int mode)
{
    struct stat st;
    if (stat(path, &st) != 0)
        return -1;
    if ((mode & 2) && !(st.st_mode & S_IWUSR) && !S_ISDIR(st.st_mode))
    {
        errno = EACCES;
        return -1;
    }
    return 0;
}

// Like Windows, a folder cannot be opened as a file.
inline int _open(const char* path, int flags)
{
    int fd = open(path, flags);
    if (fd < 0)
        return -1;
    struct stat st;
    if (fstat(fd, &st) != 0 || S_ISDIR(st.st_mode))
    {
        close(fd);
        errno = EACCES;
        return -1;
    }
    return fd;
}

inline long _filelength(int fd)
{
    struct stat st;
    if (fstat(fd, &st) != 0)
        return -1;
    return static_cast<long>(st.st_size);
}

inline int _read(int fd, void* buffer, unsigned int count)
{
    return static_cast<int>(read(fd, buffer, count));
}

inline int _close(int fd)
{
    return close(fd);
}
}  // namespace crt_io
#endif
