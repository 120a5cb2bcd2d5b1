#include "archive/zip_access.h"

#include <cstdio>
#include <cstring>
#include <new>

#include "archive/crt_io.h"
#include "ioapi.h"
#include "unzip.h"

struct ZipArchive
{
    unzFile uf = nullptr;
    int32_t nCurrent = -1;    // index of minizip's current entry, -1 when unknown
    int32_t nOpenIndex = -1;  // entry opened by ExtractZipEntry, -1 when none
    // Entries 0 … nReachable-1 can be stepped to; learnt when a step fails (a
    // central directory shorter than its count says, or damaged), so that
    // later indexes beyond it fail at once instead of stepping again from the
    // first entry (each step re-reads a header, extra fields included).
    int32_t nReachable = INT32_MAX;
    uint64_t nFileLength = UINT64_MAX;  // archive length, UINT64_MAX when unknown
};

namespace {

// --- minizip's file I/O, over stdio with the position kept here ------------
//
// minizip reads headers a byte at a time and seeks between extra-field records;
// over plain stdio every seek is a system call, and every read at the end of
// the file another. A damaged header that claims a 64 KB extra field past the
// end of a small file then costs some 50,000 system calls per visit. Here the
// position and the file's length are kept in memory, reads come from a 64 KB
// window, and nothing past the end touches the file.

#ifdef _WIN32
#define ZIO_SEEK fseeko64
#define ZIO_TELL ftello64
#else
#define ZIO_SEEK fseeko
#define ZIO_TELL ftello
#endif

struct ZipFile
{
    FILE* f = nullptr;
    uint64_t nSize = 0;
    uint64_t nPos = 0;
    uint64_t nWindowAt = 0;
    size_t nWindowLen = 0;
    bool bError = false;
    unsigned char window[64 * 1024];
};

voidpf ZCALLBACK ZioOpen(voidpf, const void* filename, int mode)
{
    if (!filename || (mode & ZLIB_FILEFUNC_MODE_READWRITEFILTER) != ZLIB_FILEFUNC_MODE_READ)
        return nullptr;
    FILE* f = fopen(static_cast<const char*>(filename), "rb");
    if (!f)
        return nullptr;
    ZipFile* z = new (std::nothrow) ZipFile;
    if (!z || ZIO_SEEK(f, 0, SEEK_END) != 0)
    {
        delete z;
        fclose(f);
        return nullptr;
    }
    auto n = ZIO_TELL(f);
    if (n < 0)
    {
        delete z;
        fclose(f);
        return nullptr;
    }
    z->f = f;
    z->nSize = uint64_t(n);
    return z;
}

uLong ZCALLBACK ZioRead(voidpf, voidpf stream, void* buf, uLong size)
{
    ZipFile* z = static_cast<ZipFile*>(stream);
    if (z->nPos >= z->nSize || size == 0)
        return 0;
    uint64_t nWant = z->nSize - z->nPos < uint64_t(size) ? z->nSize - z->nPos : uint64_t(size);
    unsigned char* out = static_cast<unsigned char*>(buf);
    uint64_t nDone = 0;
    while (nDone < nWant)
    {
        uint64_t at = z->nPos;
        if (at >= z->nWindowAt && at < z->nWindowAt + z->nWindowLen)
        {
            size_t off = size_t(at - z->nWindowAt);
            size_t n = z->nWindowLen - off;
            if (n > nWant - nDone)
                n = size_t(nWant - nDone);
            memcpy(out + nDone, z->window + off, n);
            nDone += n;
            z->nPos += n;
            continue;
        }
        if (ZIO_SEEK(z->f, static_cast<decltype(ZIO_TELL(z->f))>(at), SEEK_SET) != 0)
        {
            z->bError = true;
            break;
        }
        if (nWant - nDone >= sizeof(z->window))
        {
            // Large reads (entry data) go straight to the caller.
            size_t n = fread(out + nDone, 1, size_t(nWant - nDone), z->f);
            nDone += n;
            z->nPos += n;
            if (n == 0)
            {
                z->bError = ferror(z->f) != 0;
                break;
            }
            continue;
        }
        z->nWindowAt = at;
        z->nWindowLen = fread(z->window, 1, sizeof(z->window), z->f);
        if (z->nWindowLen == 0)
        {
            z->bError = ferror(z->f) != 0;
            break;
        }
    }
    return uLong(nDone);
}

uLong ZCALLBACK ZioWrite(voidpf, voidpf, const void*, uLong)
{
    return 0;  // read only
}

ZPOS64_T ZCALLBACK ZioTell(voidpf, voidpf stream)
{
    return static_cast<ZipFile*>(stream)->nPos;
}

long ZCALLBACK ZioSeek(voidpf, voidpf stream, ZPOS64_T offset, int origin)
{
    ZipFile* z = static_cast<ZipFile*>(stream);
    // As with fseek, an offset is signed and the result may lie past the end
    // (reads there give nothing), but not before the start.
    int64_t base;
    switch (origin)
    {
    case ZLIB_FILEFUNC_SEEK_SET:
        base = 0;
        break;
    case ZLIB_FILEFUNC_SEEK_CUR:
        base = int64_t(z->nPos);
        break;
    case ZLIB_FILEFUNC_SEEK_END:
        base = int64_t(z->nSize);
        break;
    default:
        return -1;
    }
    int64_t delta = int64_t(offset);
    if ((delta < 0 && base + delta < 0) || (delta > 0 && base > INT64_MAX - delta))
        return -1;
    z->nPos = uint64_t(base + delta);
    return 0;
}

int ZCALLBACK ZioClose(voidpf, voidpf stream)
{
    ZipFile* z = static_cast<ZipFile*>(stream);
    int r = fclose(z->f);
    delete z;
    return r;
}

int ZCALLBACK ZioError(voidpf, voidpf stream)
{
    ZipFile* z = static_cast<ZipFile*>(stream);
    return z->bError ? 1 : 0;
}

// Length of the archive file, UINT64_MAX when unknown.
uint64_t ZipFileLength(const char* pszPath)
{
    voidpf f = ZioOpen(nullptr, pszPath, ZLIB_FILEFUNC_MODE_READ | ZLIB_FILEFUNC_MODE_EXISTING);
    if (!f)
        return UINT64_MAX;
    uint64_t n = static_cast<ZipFile*>(f)->nSize;
    ZioClose(nullptr, f);
    return n;
}

unzFile ZioUnzOpen(const char* pszPath)
{
    zlib_filefunc64_def funcs;
    funcs.zopen64_file = ZioOpen;
    funcs.zread_file = ZioRead;
    funcs.zwrite_file = ZioWrite;
    funcs.ztell64_file = ZioTell;
    funcs.zseek64_file = ZioSeek;
    funcs.zclose_file = ZioClose;
    funcs.zerror_file = ZioError;
    funcs.opaque = nullptr;
    return unzOpen2_64(pszPath, &funcs);
}

// ---------------------------------------------------------------------------

const uint64_t kMaxDeflateRatio = 1032;  // deflate's greatest expansion: 258 bytes from 2 bits

// Entry count from the end of central directory record, or -1.
int32_t EntryCount(ZipArchive* z)
{
    if (!z->uf)
        return 0;  // an empty archive (see IsEmptyZip)
    unz_global_info64 gi;
    if (unzGetGlobalInfo64(z->uf, &gi) != UNZ_OK)
        return -1;
    if (gi.number_entry > uint64_t(INT32_MAX))
        return -1;
    return int32_t(gi.number_entry);
}

void CloseOpenEntry(ZipArchive* z, int* pnCloseResult = nullptr)
{
    int r = UNZ_OK;
    if (z->nOpenIndex >= 0)
        r = unzCloseCurrentFile(z->uf);
    z->nOpenIndex = -1;
    if (pnCloseResult)
        *pnCloseResult = r;
}

// Makes entry `index` minizip's current one: forward from the current entry,
// from the first only when the index is lower than the current one.
bool GoToEntry(ZipArchive* z, int32_t index)
{
    if (index < 0 || index >= z->nReachable || !z->uf)
        return false;
    if (z->nCurrent < 0 || index < z->nCurrent)
    {
        z->nCurrent = -1;
        if (unzGoToFirstFile(z->uf) != UNZ_OK)
        {
            z->nReachable = 0;
            return false;
        }
        z->nCurrent = 0;
    }
    while (z->nCurrent < index)
    {
        if (unzGoToNextFile(z->uf) != UNZ_OK)
        {
            z->nReachable = z->nCurrent + 1;
            z->nCurrent = -1;
            return false;
        }
        ++z->nCurrent;
    }
    return true;
}

// MS-DOS date (high 16 bits) and time (low 16 bits) to a FILETIME value, taken
// as it is; zero for a date or time that is not valid.
ZipFileTime DosToFileTime(uint32_t dos)
{
    ZipFileTime ft = {0, 0};
    unsigned date = dos >> 16, time = dos & 0xFFFF;
    int year = int(date >> 9) + 1980;
    unsigned month = (date >> 5) & 15, day = date & 31;
    unsigned hour = time >> 11, minute = (time >> 5) & 63, second = (time & 31) * 2;
    static const unsigned kDays[12] = {31, 28, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31};
    if (month < 1 || month > 12 || day < 1 || hour > 23 || minute > 59 || second > 59)
        return ft;
    bool leap = (year % 4 == 0 && year % 100 != 0) || year % 400 == 0;
    unsigned mdays = kDays[month - 1] + ((month == 2 && leap) ? 1 : 0);
    if (day > mdays)
        return ft;
    // Days since 1970-01-01 (civil calendar), then moved to 1601-01-01.
    int y = year - (month <= 2 ? 1 : 0);
    int era = y / 400;
    unsigned yoe = unsigned(y - era * 400);
    unsigned doy = (153 * (month > 2 ? month - 3 : month + 9) + 2) / 5 + day - 1;
    unsigned doe = yoe * 365 + yoe / 4 - yoe / 100 + doy;
    int64_t days1970 = int64_t(era) * 146097 + int64_t(doe) - 719468;
    int64_t days1601 = days1970 + 134774;
    uint64_t t = (uint64_t(days1601) * 86400 + hour * 3600 + minute * 60 + second) * 10000000ull;
    ft.dwLowDateTime = uint32_t(t);
    ft.dwHighDateTime = uint32_t(t >> 32);
    return ft;
}

uint32_t Le16(const unsigned char* p)
{
    return uint32_t(p[0]) | uint32_t(p[1]) << 8;
}

uint32_t Le32(const unsigned char* p)
{
    return Le16(p) | Le16(p + 2) << 16;
}

// True for a zip archive with no entries: nothing but its end of central
// directory record (and the archive comment) at offset 0. minizip 1.1 takes a
// record found at offset 0 for "none found" and refuses such a file.
bool IsEmptyZip(const char* pszPath)
{
    int fd = crt_io::_open(pszPath, _O_RDONLY | _O_BINARY);
    if (fd < 0)
        return false;
    long n = crt_io::_filelength(fd);
    unsigned char eocd[22];
    int got = 0;
    if (n >= 22 && n <= 22 + 0xFFFF)
    {
        while (got < 22)
        {
            int r = crt_io::_read(fd, eocd + got, unsigned(22 - got));
            if (r <= 0)
                break;
            got += r;
        }
    }
    crt_io::_close(fd);
    return got == 22 && Le32(eocd) == 0x06054b50 && Le16(eocd + 4) == 0 && Le16(eocd + 6) == 0 &&
           Le16(eocd + 8) == 0 && Le16(eocd + 10) == 0 && Le32(eocd + 12) == 0 && Le32(eocd + 16) == 0 &&
           long(Le16(eocd + 20)) == n - 22;
}

}  // namespace

HZIPARCHIVE OpenZipArchive(const char* pszPath)
{
    if (!pszPath)
        return nullptr;
    unzFile uf = ZioUnzOpen(pszPath);
    if (!uf && !IsEmptyZip(pszPath))
        return nullptr;
    ZipArchive* z = new (std::nothrow) ZipArchive;
    if (!z)
    {
        if (uf)
            unzClose(uf);
        return nullptr;
    }
    z->uf = uf;  // null for an empty archive
    z->nFileLength = ZipFileLength(pszPath);
    return z;
}

int GetZipEntryInfo(HZIPARCHIVE z, int32_t index, ZipEntryInfo* info)
{
    if (!z || !info)
        return kZipBadArgs;
    CloseOpenEntry(z);

    int32_t nCount = EntryCount(z);
    if (nCount < 0)
        return kZipBadEntry;
    if (index == -1)
    {
        memset(info, 0, sizeof(*info));
        info->index = nCount;
        return kZipOk;
    }
    if (index < 0 || index >= nCount)
        return kZipNotFound;
    if (!GoToEntry(z, index))
        return kZipNotFound;

    // minizip cuts a long name to the buffer (without a NUL); its length tells,
    // and such an entry is refused rather than handed out under a cut name.
    unz_file_info64 fi;
    char name[kZipNameMax + 1];
    if (unzGetCurrentFileInfo64(z->uf, &fi, name, sizeof(name), nullptr, 0, nullptr, 0) != UNZ_OK)
        return kZipBadEntry;
    if (fi.size_filename > uLong(kZipNameMax))
        return kZipBadEntry;
    name[fi.size_filename] = '\0';
    if (fi.compressed_size > UINT32_MAX || fi.uncompressed_size > UINT32_MAX)
        return kZipBadEntry;
    if (z->nFileLength != UINT64_MAX &&
        fi.uncompressed_size > z->nFileLength * kMaxDeflateRatio + kMaxDeflateRatio)
        return kZipBadEntry;

    memset(info, 0, sizeof(*info));
    info->index = index;
    memcpy(info->name, name, sizeof(name));
    bool bFolder = (fi.external_fa & 0x10) != 0 || (fi.external_fa & 0x40000000) != 0;
    info->attr = 0x80 | (bFolder ? 0x10 : 0);
    info->mtime = DosToFileTime(uint32_t(fi.dosDate));
    info->atime = info->mtime;
    info->ctime = info->mtime;
    info->comp_size = uint32_t(fi.compressed_size);
    info->unc_size = uint32_t(fi.uncompressed_size);
    return kZipOk;
}

int ExtractZipEntry(HZIPARCHIVE z, int32_t index, void* pBuffer, uint32_t nLen, uint32_t* pnDelivered)
{
    if (pnDelivered)
        *pnDelivered = 0;
    if (!z || (nLen > 0 && !pBuffer))
        return kZipBadArgs;
    if (index < 0)
        return kZipNotFound;

    if (z->nOpenIndex != index)
    {
        CloseOpenEntry(z);
        int32_t nCount = EntryCount(z);
        if (index < 0 || index >= nCount || !GoToEntry(z, index))
            return kZipNotFound;
        if (unzOpenCurrentFile(z->uf) != UNZ_OK)
            return kZipReadFailed;
        z->nOpenIndex = index;
    }

    // minizip answers in an int: read in pieces that fit it.
    unsigned char* p = static_cast<unsigned char*>(pBuffer);
    uint32_t nDone = 0;
    int r = 0;
    while (nDone < nLen)
    {
        uint32_t nPiece = nLen - nDone;
        if (nPiece > (1u << 30))
            nPiece = 1u << 30;
        r = unzReadCurrentFile(z->uf, p + nDone, nPiece);
        if (r <= 0)
            break;
        nDone += uint32_t(r);
    }
    if (pnDelivered)
        *pnDelivered = nDone;
    if (r < 0)
    {
        CloseOpenEntry(z);
        return kZipReadFailed;
    }
    if (nDone > 0)
        return kZipMore;

    int nClose = UNZ_OK;
    CloseOpenEntry(z, &nClose);
    if (nClose == UNZ_CRCERROR)
        return kZipCrcFailed;
    return nClose == UNZ_OK ? kZipOk : kZipReadFailed;
}

void CloseZipArchive(HZIPARCHIVE z)
{
    if (!z)
        return;
    CloseOpenEntry(z);
    if (z->uf)
        unzClose(z->uf);
    delete z;
}
