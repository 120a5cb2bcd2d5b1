#include "archive/compressed_file.h"

#include <zlib.h>

#include <climits>
#include <cstring>
#include <new>
#include <utility>
#include <vector>

#include "archive/crt_io.h"

CCompressedFile::~CCompressedFile() = default;

bool CCompressedFile::SetMode(int32_t nMode)
{
    m_nMode = nMode;
    return true;
}

CGzFile::~CGzFile()
{
    if (m_gzFile)
        Close();
}

bool CGzFile::Open(const char* pszPath, int32_t nMode)
{
    if (IsOpen())
        return false;
    if (!pszPath)
        return false;

    if (nMode == kModeWrite)
    {
        m_gzFile = gzopen(pszPath, "wb");
    }
    else if (nMode == kModeRead)
    {
        // Mode 2 of the access check asks for write permission: a read-only
        // file is refused although it is only read.
        if (crt_io::_access(pszPath, 2) != 0)
            return false;
        // Binary mode, so that a leading Ctrl-Z byte cannot read as the end of
        // the file in the signature test below.
        int fd = crt_io::_open(pszPath, _O_RDONLY | _O_BINARY);
        if (fd < 0)
            return false;
        long nLength = crt_io::_filelength(fd);
        unsigned char sig[2] = {0, 0};
        int nSig = 0;
        bool bReadOk = true;
        while (nSig < 2)
        {
            int r = crt_io::_read(fd, sig + nSig, unsigned(2 - nSig));
            if (r < 0)
            {
                bReadOk = false;
                break;
            }
            if (r == 0)
                break;
            nSig += r;
        }
        crt_io::_close(fd);
        // A length that cannot be measured or does not fit the 32-bit field
        // (the chunk size of ReadAll) fails like a file that cannot be opened.
        if (nLength < 0 || nLength > long(INT32_MAX) || !bReadOk)
            return false;
        m_nFileLength = int32_t(nLength);

        m_gzFile = gzopen(pszPath, "rb");
        // gzip data only: a first byte, or a second byte, that is present and
        // not the signature means zlib would pass the bytes through unchanged.
        if (m_gzFile && ((nSig >= 1 && sig[0] != 0x1f) || (nSig >= 2 && sig[1] != 0x8b)))
        {
            gzclose(m_gzFile);
            m_gzFile = nullptr;
        }
    }

    if (m_gzFile)
    {
        m_nMode = nMode;
        return true;
    }
    m_nMode = kModeNone;
    return false;
}

bool CGzFile::Close()
{
    if (!IsOpen())
        return false;
    int r = gzclose(m_gzFile);
    m_gzFile = nullptr;
    return r == Z_OK;
}

bool CGzFile::IsOpen()
{
    return m_gzFile != nullptr;
}

bool CGzFile::Write(const void* pData, int32_t nLen)
{
    if (!IsOpen() || m_nMode != kModeWrite)
        return false;
    // zlib refuses a negative length too, but would leave the stream in an
    // error state; the result (false) is the same.
    if (nLen < 0 || (nLen > 0 && !pData))
        return false;
    return gzwrite(m_gzFile, pData, unsigned(nLen)) == nLen;
}

bool CGzFile::WriteString(const char* pszText)
{
    if (!pszText)
        return false;
    size_t n = strlen(pszText);
    if (n > size_t(INT32_MAX))
        return false;
    return Write(pszText, int32_t(n));
}

int32_t CGzFile::Read(void* pBuffer, int32_t nLen)
{
    if (!IsOpen() || m_nMode != kModeRead)
        return 0;
    // zlib answers a negative length with -1 as well, but would also put the
    // stream into an error state.
    if (nLen < 0)
        return -1;
    return gzread(m_gzFile, pBuffer, unsigned(nLen));
}

bool CGzFile::ReadAll(unsigned char** ppData, uint32_t* pnSize)
{
    *pnSize = 0;
    if (!IsOpen() || m_nMode != kModeRead || m_nFileLength <= 0)
        return false;

    // Chunks of the compressed file's length, in stream order.
    std::vector<std::pair<unsigned char*, uint32_t>> chunks;
    auto freeChunks = [&chunks]() {
        for (auto& c : chunks)
            delete[] c.first;
        chunks.clear();
    };

    int n = 0;
    bool bFailed = false;
    try
    {
        for (;;)
        {
            unsigned char* pChunk = new (std::nothrow) unsigned char[size_t(m_nFileLength)];
            if (!pChunk)
            {
                bFailed = true;
                break;
            }
            n = gzread(m_gzFile, pChunk, unsigned(m_nFileLength));
            if (n <= 0)
            {
                delete[] pChunk;
                break;
            }
            // The size is a 32-bit count: more data than it can hold fails.
            if (uint64_t(*pnSize) + uint64_t(n) > UINT32_MAX)
            {
                delete[] pChunk;
                bFailed = true;
                break;
            }
            try
            {
                chunks.emplace_back(pChunk, uint32_t(n));
            }
            catch (...)
            {
                delete[] pChunk;
                throw;
            }
            *pnSize += uint32_t(n);
        }
    }
    catch (const std::bad_alloc&)
    {
        bFailed = true;
    }

    if (!bFailed && n == 0)
    {
        // The end of the data. Two kinds of it are not gzip data: zlib passed
        // the bytes through unchanged (a file holding only the byte 0x1f), or
        // the stream ended inside a member (a truncated file), which zlib
        // reports as "unexpected end of file" but not as a read error.
        int nErr = Z_OK;
        gzerror(m_gzFile, &nErr);
        if (gzdirect(m_gzFile) || nErr == Z_BUF_ERROR)
            bFailed = true;
    }

    if (n == -1 || bFailed)
    {
        freeChunks();
        return false;
    }

    unsigned char* pData = new (std::nothrow) unsigned char[*pnSize];  // also when *pnSize is 0
    if (!pData)
    {
        freeChunks();
        return false;
    }
    size_t nAt = 0;
    for (auto& c : chunks)
    {
        memcpy(pData + nAt, c.first, c.second);
        nAt += c.second;
        delete[] c.first;
        c.first = nullptr;
    }
    chunks.clear();
    *ppData = pData;
    return *pnSize != 0;
}

int32_t CGzFile::ApplyParams()
{
    if (IsOpen() && m_nMode == kModeWrite)
        return gzsetparams(m_gzFile, m_nLevel, m_nStrategy);
    return IsOpen() ? 1 : 0;
}
