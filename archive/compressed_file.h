// Compressed file stream: CCompressedFile is the abstract operation set,
// CGzFile implements it on zlib's gzip file functions.
#pragma once
#include <cstdint>

struct gzFile_s;  // zlib's gzFile is a pointer to this

class CCompressedFile
{
public:
    CCompressedFile() = default;
    CCompressedFile(const CCompressedFile&) = delete;
    CCompressedFile& operator=(const CCompressedFile&) = delete;

    // Virtual slot order is fixed (0 … 8).
    virtual ~CCompressedFile();                                    // 0
    virtual bool SetMode(int32_t nMode);                           // 1: always true
    virtual bool Close() = 0;                                      // 2
    virtual bool IsOpen() = 0;                                     // 3
    virtual bool Write(const void* pData, int32_t nLen) = 0;       // 4
    virtual bool WriteString(const char* pszText) = 0;             // 5
    virtual int32_t Read(void* pBuffer, int32_t nLen) = 0;         // 6
    virtual bool ReadAll(unsigned char** ppData, uint32_t* pnSize) = 0;  // 7
    virtual int32_t ApplyParams() = 0;                             // 8

    enum { kModeNone = 0, kModeWrite = 1, kModeRead = 2 };

protected:
    int32_t m_nMode = 0;        // 0 none, 1 writing, 2 reading
    int32_t m_nLevel = -1;      // zlib's default level
    int32_t m_nStrategy = 0;    // zlib's default strategy
};

class CGzFile : public CCompressedFile
{
public:
    CGzFile() = default;
    ~CGzFile() override;

    // Mode 1 writes a new gzip file, mode 2 reads one (the file must exist, be
    // writable, i.e. not read-only, and begin with the gzip signature).
    bool Open(const char* pszPath, int32_t nMode);

    bool Close() override;
    bool IsOpen() override;
    bool Write(const void* pData, int32_t nLen) override;
    bool WriteString(const char* pszText) override;
    int32_t Read(void* pBuffer, int32_t nLen) override;
    // Everything left of the decompressed stream in one new[] buffer owned by
    // the caller (delete[]). See compressed_file.cpp for the exact rules.
    bool ReadAll(unsigned char** ppData, uint32_t* pnSize) override;
    int32_t ApplyParams() override;

    int32_t GetFileLength() const { return m_nFileLength; }

private:
    gzFile_s* m_gzFile = nullptr;
    int32_t m_nFileLength = 0;  // compressed length of the file last opened for reading
};
