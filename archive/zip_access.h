// Zip access layer: zip archives by entry index, over minizip's unz* calls.
// Plain C++; minizip and zlib stay inside zip_access.cpp.
#pragma once
#include <cstdint>

struct ZipArchive;                  // opaque
typedef ZipArchive* HZIPARCHIVE;

// A Windows FILETIME value (100-ns intervals since 1601-01-01), as two halves.
struct ZipFileTime
{
    uint32_t dwLowDateTime;
    uint32_t dwHighDateTime;
};

enum : int
{
    kZipNameMax = 259,           // longest name ZipEntryInfo holds (plus its NUL)
};

struct ZipEntryInfo
{
    int32_t index;               // for index -1: the number of entries
    char name[kZipNameMax + 1];  // as stored, "/" separators, folders end in "/"
    uint32_t attr;               // 0x80 on every entry, plus 0x10 on folders
    ZipFileTime atime;           // last access  } all three from the entry's
    ZipFileTime ctime;           // creation     } MS-DOS date and time, taken
    ZipFileTime mtime;           // modification } as they are (no time zone)
    uint32_t comp_size;
    uint32_t unc_size;
};

// Results. 0 and kZipMore are the contract's; the others are "any other
// non-zero value", named here for tests and diagnostics.
enum : int
{
    kZipOk = 0,
    kZipMore = 0x600,            // bytes delivered, the entry stays open
    kZipBadArgs = 0x10000,       // no handle, no record or no buffer
    kZipNotFound = 0x10001,      // index outside -1 … count-1, or not reachable
    kZipBadEntry = 0x10002,      // entry header unreadable or not representable
    kZipReadFailed = 0x10003,    // the entry cannot be opened or its data is damaged
    kZipCrcFailed = 0x10004,     // the entry's data ended with a wrong CRC
};

// Null when the file cannot be opened for reading or holds no zip central directory.
HZIPARCHIVE OpenZipArchive(const char* pszPath);

// Index -1: only info->index is set, to the entry count (everything else zero).
// Index 0 … count-1: the entry's record. Closes an entry ExtractZipEntry left open.
// Fails (non-zero) for any other index, and for an entry whose header is
// damaged or cannot be represented: a name longer than kZipNameMax bytes, a
// size beyond 32 bits, or an uncompressed size that no deflate stream inside
// this file could produce (more than 1032 times the archive's length).
int GetZipEntryInfo(HZIPARCHIVE h, int32_t index, ZipEntryInfo* info);

// Decompresses up to nLen bytes of the entry into pBuffer. kZipMore when one or
// more bytes were delivered (the entry stays open and a further call for the
// same index continues it; no CRC test), kZipOk when the entry had no bytes
// left (it is then closed and its CRC tested), anything else on failure.
// *pnDelivered (optional) receives the number of bytes delivered.
int ExtractZipEntry(HZIPARCHIVE h, int32_t index, void* pBuffer, uint32_t nLen,
                    uint32_t* pnDelivered = nullptr);

void CloseZipArchive(HZIPARCHIVE h);
