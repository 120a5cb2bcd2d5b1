#include "archive/archive_reader.h"

#include <cctype>
#include <climits>
#include <cstring>
#include <new>

namespace {

const char kNotOpened[] = "Archive not opened";
const char kUnknownType[] = "Could not determine archive type !";
const char kGzipRead[] = "Could not read data from gzip archive !";
const char kZipCount[] = "Could not get files from the archive !";
const char kZipEntry[] = "Could not get file at the specified position from the archive !";
const char kZipUnzip[] = "Could not unzip file at the specified position from the archive !";
const char kTarPosition[] = "Invalid file position !";

const uint32_t kBlock = 512;
const size_t kZipSpare = 10;  // bytes allocated beyond a zip entry's data

}  // namespace

CArchiveReader::~CArchiveReader()
{
    Close();
}

// ---------------------------------------------------------------------------
// Tar helpers

uint32_t CArchiveReader::ParseOctal(const unsigned char* pText, int nLen)
{
    if (nLen < 0)
        nLen = 0;
    if (nLen > int(kBlock) - 1)
        nLen = int(kBlock) - 1;
    int nSkip = 0;
    while (nSkip < nLen && isspace(pText[nSkip]))
        ++nSkip;
    unsigned char buf[kBlock];
    memcpy(buf, pText + nSkip, size_t(nLen - nSkip));
    buf[nLen - nSkip] = '\0';

    // strtoul(buf, nullptr, 8) with a 32-bit unsigned long, as the Windows C
    // runtime has it (so that native builds give the same values): white space,
    // an optional sign, octal digits up to the first other byte; no digits give
    // 0, a value beyond 32 bits gives 0xFFFFFFFF, a minus sign negates.
    const unsigned char* p = buf;
    while (isspace(*p))
        ++p;
    bool bNegative = false;
    if (*p == '+' || *p == '-')
    {
        bNegative = *p == '-';
        ++p;
    }
    if (*p < '0' || *p > '7')
        return 0;
    uint64_t v = 0;
    bool bOverflow = false;
    for (; *p >= '0' && *p <= '7'; ++p)
    {
        v = v * 8 + uint64_t(*p - '0');
        if (v > UINT32_MAX)
        {
            bOverflow = true;
            v = UINT32_MAX;  // keeps v small; the remaining digits are consumed
        }
    }
    if (bOverflow)
        return UINT32_MAX;
    return bNegative ? uint32_t(0u - uint32_t(v)) : uint32_t(v);
}

bool CArchiveReader::TarChecksumPasses(const unsigned char* p)
{
    uint32_t nSum = 0;
    for (uint32_t i = 0; i < kBlock; ++i)
        nSum += (i >= 148 && i < 156) ? 32u : p[i];
    return nSum == ParseOctal(p + 148, 8);
}

// The header at nOffset counts as passing when its 512 bytes lie inside the
// data, its checksum test passes, and its size field's data lies inside the
// data too. The bounds keep short data, truncated archives and lying sizes
// from reading past the end: such a header ends the walk exactly as a failing
// checksum does.
bool CArchiveReader::TarHeaderValid(uint32_t nOffset, uint32_t* pnSize) const
{
    if (!m_pData || uint64_t(nOffset) + kBlock > m_nDataSize)
        return false;
    const unsigned char* p = m_pData + nOffset;
    uint32_t nSize = ParseOctal(p + 124, 12);
    if (!TarChecksumPasses(p))
        return false;
    if (uint64_t(nOffset) + kBlock + nSize > m_nDataSize)
        return false;
    *pnSize = nSize;
    return true;
}

uint32_t CArchiveReader::NextTarHeader(uint32_t nOffset, uint32_t nSize) const
{
    uint64_t next = uint64_t(nOffset) + kBlock + ((uint64_t(nSize) + 511) & ~uint64_t(511));
    // Past the end of the data, any offset fails TarHeaderValid.
    return next > m_nDataSize ? m_nDataSize : uint32_t(next);
}

void CArchiveReader::ResetTarIndex()
{
    m_tarIndex.clear();
    m_tarIndex.shrink_to_fit();
    m_bTarIndexBuilt = false;
}

bool CArchiveReader::EnsureTarIndex()
{
    if (m_bTarIndexBuilt)
        return true;
    try
    {
        m_tarIndex.clear();
        uint32_t nOffset = 0, nSize = 0;
        while (TarHeaderValid(nOffset, &nSize))
        {
            m_tarIndex.push_back(nOffset);
            nOffset = NextTarHeader(nOffset, nSize);
        }
        m_bTarIndexBuilt = true;
    }
    catch (const std::bad_alloc&)
    {
        ResetTarIndex();  // the walks below then go from the first header each time
    }
    return m_bTarIndexBuilt;
}

int CArchiveReader::TarCount()
{
    if (EnsureTarIndex())
        return int(m_tarIndex.size());
    int n = 0;
    uint32_t nOffset = 0, nSize = 0;
    while (TarHeaderValid(nOffset, &nSize))
    {
        ++n;
        nOffset = NextTarHeader(nOffset, nSize);
    }
    return n;
}

// Offset of header nIndex (< nCount, the number of passing headers).
bool CArchiveReader::TarHeaderOffset(uint32_t nIndex, uint32_t nCount, uint32_t* pnOffset)
{
    if (nIndex >= nCount)
        return false;
    if (EnsureTarIndex())
    {
        *pnOffset = m_tarIndex[nIndex];
        return true;
    }
    uint32_t nOffset = 0, nSize = 0;
    for (uint32_t i = 0; i < nIndex; ++i)
    {
        if (!TarHeaderValid(nOffset, &nSize))
            return false;
        nOffset = NextTarHeader(nOffset, nSize);
    }
    *pnOffset = nOffset;
    return true;
}

bool CArchiveReader::LoadGzipData()
{
    if (m_pData)
        return true;
    ResetTarIndex();
    if (!m_gz.ReadAll(&m_pData, &m_nDataSize) || !m_pData)
    {
        // ReadAll leaves the bytes counted before a failure in the size; with
        // no buffer they count nothing.
        if (!m_pData)
            m_nDataSize = 0;
        return false;
    }
    return true;
}

// ---------------------------------------------------------------------------

int CArchiveReader::Open(const char* pszPath)
{
    ResetTarIndex();
    HZIPARCHIVE h = OpenZipArchive(pszPath);
    if (h)
    {
        // A second Open would otherwise leak the first handle.
        if (m_hZip)
            CloseZipArchive(m_hZip);
        m_hZip = h;
        m_nType = kTypeZip;
        return 1;
    }
    if (!m_gz.Open(pszPath, CCompressedFile::kModeRead))
    {
        m_strError = kUnknownType;
        return 0;
    }
    if (!m_pData)
    {
        if (!LoadGzipData())
        {
            m_strError = kGzipRead;
            return 0;
        }
    }
    // Data shorter than one tar block is a plain gzip file.
    if (m_nDataSize >= kBlock && TarChecksumPasses(m_pData))
        m_nType = kTypeTarGz;
    else
        m_nType = kTypeGzip;
    return 1;
}

int CArchiveReader::GetCount()
{
    switch (m_nType)
    {
    case kTypeZip:
    {
        if (!m_hZip)
            return -1;
        ZipEntryInfo ze;
        if (GetZipEntryInfo(m_hZip, -1, &ze) != kZipOk)
        {
            m_strError = kZipCount;
            return -1;
        }
        return ze.index;
    }
    case kTypeGzip:
        return 1;
    case kTypeTarGz:
        if (!LoadGzipData())
        {
            m_strError = kGzipRead;
            return -1;
        }
        return TarCount();
    default:
        m_strError = kNotOpened;
        return -1;
    }
}

int CArchiveReader::GetEntry(int index, const unsigned char*& data, uint32_t& size, int& isFile,
                             std::string& name)
{
    switch (m_nType)
    {
    case kTypeZip:
    {
        if (!m_hZip)
            return 0;
        ZipEntryInfo ze;
        if (GetZipEntryInfo(m_hZip, index, &ze) != kZipOk)
        {
            m_strError = kZipEntry;
            return 0;
        }
        delete[] m_pData;
        m_pData = nullptr;
        m_nDataSize = 0;  // m_pData no longer holds gzip data
        ResetTarIndex();
        // The size + 10 cannot wrap: refused when it does not fit (32-bit size_t).
        if (size_t(ze.unc_size) > SIZE_MAX - kZipSpare)
        {
            m_strError = kZipUnzip;
            return 0;
        }
        m_pData = new (std::nothrow) unsigned char[size_t(ze.unc_size) + kZipSpare];
        if (!m_pData)
        {
            m_strError = kZipUnzip;
            return 0;
        }
        uint32_t nGot = 0;
        int r = ExtractZipEntry(m_hZip, index, m_pData, ze.unc_size, &nGot);
        // Fewer bytes than the size field promises (it lies, or the data ends
        // early) fails too, rather than handing out bytes never written.
        if ((r != kZipOk && r != kZipMore) || nGot != ze.unc_size)
        {
            m_strError = kZipUnzip;
            return 0;
        }
        memset(m_pData + ze.unc_size, 0, kZipSpare);  // the NUL after the data, and the spare bytes
        data = m_pData;
        size = ze.unc_size;
        isFile = (ze.attr & 0x80) ? 1 : 0;
        name = ze.name;
        return 1;
    }
    case kTypeGzip:
        if (!LoadGzipData())
        {
            m_strError = kGzipRead;
            return 0;
        }
        data = m_pData;
        size = m_nDataSize;
        isFile = 1;
        name = "unknown";
        return 1;
    case kTypeTarGz:
    {
        if (!LoadGzipData())
        {
            m_strError = kGzipRead;
            return 0;
        }
        uint32_t nCount = uint32_t(TarCount());
        uint32_t k = index <= 0 ? 0 : uint32_t(index);
        if (k > nCount)
        {
            // a header before the requested one fails
            m_strError = kTarPosition;
            return 0;
        }
        uint32_t nOffset = 0;
        if (k == nCount || !TarHeaderOffset(k, nCount, &nOffset))
            return 0;  // the header reached fails: the text stays
        const unsigned char* p = m_pData + nOffset;
        uint32_t nSize = ParseOctal(p + 124, 12);
        // The name runs to the first NUL, which may lie beyond the 100-byte
        // field, but never beyond the data.
        size_t nRest = m_nDataSize - nOffset;
        const void* pNul = memchr(p, 0, nRest);
        size_t nName = pNul ? size_t(static_cast<const unsigned char*>(pNul) - p) : nRest;
        data = p + kBlock;
        size = nSize;
        isFile = (p[156] == '0' || p[156] == '\0') ? 1 : 0;
        name.assign(reinterpret_cast<const char*>(p), nName);
        return 1;
    }
    default:
        m_strError = kNotOpened;
        return 0;
    }
}

int CArchiveReader::GetEntry(int index, unsigned char*& data, unsigned long& size, int& isFile,
                             std::string& name)
{
    const unsigned char* pData = nullptr;
    uint32_t nSize = 0;
    int nIsFile = 0;
    std::string strName;
    if (!GetEntry(index, pData, nSize, nIsFile, strName))
        return 0;
    data = const_cast<unsigned char*>(pData);
    size = nSize;
    isFile = nIsFile;
    name.swap(strName);
    return 1;
}

void CArchiveReader::Close()
{
    if (m_hZip)
    {
        CloseZipArchive(m_hZip);
        m_hZip = nullptr;
    }
    if (m_gz.IsOpen())
        m_gz.Close();
    delete[] m_pData;
    m_pData = nullptr;
    m_nDataSize = 0;
    m_strError.clear();
    ResetTarIndex();
}
