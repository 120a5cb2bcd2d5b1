// CStdioFile: a buffered text file writer (create or truncate, write only, LF stored as CR LF).
#pragma once
#include <string>
#include <vector>

#include <windows.h>

class CStdioFile
{
public:
    enum OpenFlags : UINT
    {
        modeWrite = 0x0001,
        modeCreate = 0x1000,
        typeText = 0x4000,
    };

    CStdioFile() = default;
    // Closes the file, writing out what is still buffered.
    ~CStdioFile();
    CStdioFile(const CStdioFile&) = delete;
    CStdioFile& operator=(const CStdioFile&) = delete;

    // Opens without sharing: while open, every other attempt to open the file fails.
    // modeCreate makes a new file or truncates an existing one.
    BOOL Open(const char* pszFileName, UINT nOpenFlags);
    bool IsOpen() const { return m_hFile != INVALID_HANDLE_VALUE; }

    // Appends the text; in text mode each line feed is stored as CR LF.
    // FALSE once a write to the disk has failed.
    BOOL WriteString(const char* pszText);
    BOOL WriteString(const std::string& text) { return WriteString(text.c_str()); }

    BOOL Flush();
    void Close();

private:
    BOOL Put(const char* data, size_t size);

    HANDLE m_hFile = INVALID_HANDLE_VALUE;
    bool m_bText = false;
    bool m_bFailed = false;
    std::vector<char> m_buffer;
};
