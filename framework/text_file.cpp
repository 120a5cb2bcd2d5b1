#include "framework/text_file.h"

#include <cstring>

namespace {
// Lines stay in memory until this much is collected, as with the C runtime's streams.
constexpr size_t kBufferSize = 4096;
}

CStdioFile::~CStdioFile()
{
    Close();
}

BOOL CStdioFile::Open(const char* pszFileName, UINT nOpenFlags)
{
    Close();
    DWORD access = (nOpenFlags & modeWrite) ? GENERIC_WRITE : GENERIC_READ;
    DWORD disposition = (nOpenFlags & modeCreate) ? CREATE_ALWAYS : OPEN_EXISTING;
    m_hFile = CreateFileA(pszFileName, access, 0, nullptr, disposition, FILE_ATTRIBUTE_NORMAL, nullptr);
    if (m_hFile == INVALID_HANDLE_VALUE)
        return FALSE;
    m_bText = (nOpenFlags & typeText) != 0;
    m_bFailed = false;
    m_buffer.clear();
    m_buffer.reserve(kBufferSize);
    return TRUE;
}

BOOL CStdioFile::WriteString(const char* pszText)
{
    if (!IsOpen() || !pszText)
        return FALSE;
    const char* p = pszText;
    while (*p)
    {
        const char* lf = m_bText ? std::strchr(p, '\n') : nullptr;
        size_t n = lf ? size_t(lf - p) : std::strlen(p);
        if (!Put(p, n))
            return FALSE;
        if (!lf)
            break;
        if (!Put("\r\n", 2))
            return FALSE;
        p = lf + 1;
    }
    return !m_bFailed;
}

BOOL CStdioFile::Put(const char* data, size_t size)
{
    if (m_buffer.size() + size > kBufferSize && !Flush())
        return FALSE;
    m_buffer.insert(m_buffer.end(), data, data + size);
    return TRUE;
}

BOOL CStdioFile::Flush()
{
    if (!IsOpen())
        return FALSE;
    size_t done = 0;
    while (done < m_buffer.size())
    {
        DWORD written = 0;
        if (!WriteFile(m_hFile, m_buffer.data() + done, DWORD(m_buffer.size() - done), &written, nullptr) ||
            written == 0)
        {
            m_bFailed = true;
            break;
        }
        done += written;
    }
    m_buffer.clear();
    return !m_bFailed;
}

void CStdioFile::Close()
{
    if (!IsOpen())
        return;
    Flush();
    CloseHandle(m_hFile);
    m_hFile = INVALID_HANDLE_VALUE;
}
