// Archive reader: opens a zip archive, a gzip file holding a tar
// archive, or a plain gzip file, and hands out its entries by index as blocks
// in memory. Plain C++: no windows.h, builds natively too.
#pragma once
#include <cstdint>
#include <string>
#include <vector>

#include "archive/compressed_file.h"
#include "archive/zip_access.h"

class CArchiveReader
{
public:
    enum { kTypeNone = 0, kTypeZip = 1, kTypeGzip = 2, kTypeTarGz = 3 };

    CArchiveReader() = default;
    ~CArchiveReader();
    CArchiveReader(const CArchiveReader&) = delete;
    CArchiveReader& operator=(const CArchiveReader&) = delete;

    // 1 on success, 0 on failure (with an error text).
    int Open(const char* pszPath);
    int Open(const std::string& path) { return Open(path.c_str()); }

    // The number of entries, or -1 (with an error text).
    int GetCount();

    // 1 on success, 0 on failure; on failure the outputs are not written.
    // The data belongs to the reader: for zip it stays valid until the next
    // GetEntry that finds the entry, Close or destruction, and is followed by a
    // NUL byte; for gzip and tar until Close or destruction, not terminated.
    int GetEntry(int index, const unsigned char*& data, uint32_t& size, int& isFile, std::string& name);
    // The same for callers holding BYTE* and DWORD (unsigned long) variables.
    int GetEntry(int index, unsigned char*& data, unsigned long& size, int& isFile, std::string& name);

    std::string GetErrorText() const { return m_strError; }

    // Releases the zip handle, the gzip stream and the data, and empties the
    // error text; the type stays.
    void Close();

    int GetType() const { return m_nType; }

    // The tar helpers, public for tests.
    // strtoul in base 8 (with 32-bit unsigned long, as on Windows) of the field
    // after its leading white space; len is at most 511.
    static uint32_t ParseOctal(const unsigned char* pText, int nLen);
    // The header checksum test of the 512-byte block at p.
    static bool TarChecksumPasses(const unsigned char* p);

private:
    bool LoadGzipData();
    void ResetTarIndex();
    bool EnsureTarIndex();
    bool TarHeaderValid(uint32_t nOffset, uint32_t* pnSize) const;
    uint32_t NextTarHeader(uint32_t nOffset, uint32_t nSize) const;
    int TarCount();
    bool TarHeaderOffset(uint32_t nIndex, uint32_t nCount, uint32_t* pnOffset);

    CGzFile m_gz;
    HZIPARCHIVE m_hZip = nullptr;
    unsigned char* m_pData = nullptr;
    uint32_t m_nDataSize = 0;  // never more than the bytes m_pData holds
    std::string m_strError;
    int32_t m_nType = kTypeNone;

    // Offsets of the tar headers that pass, built once per loaded data on first
    // need, so that reading n entries in order visits O(n) headers.
    std::vector<uint32_t> m_tarIndex;
    bool m_bTarIndexBuilt = false;
};
