// CCompressedFile / CGzFile on zlib's gzip file functions.
#include <zlib.h>

#include <cstring>
#include <string>

#include <gtest/gtest.h>

#include "archive/compressed_file.h"
#include "archive/crt_io.h"
#include "tests/archive/archive_fixtures.h"
#include "tests/archive/test_files.h"

namespace {

using fixtures::Gzip;

// Shows the protected fields.
class GzProbe : public CGzFile
{
public:
    int32_t Mode() const { return m_nMode; }
    int32_t Level() const { return m_nLevel; }
    int32_t Strategy() const { return m_nStrategy; }
};

std::string ReadAllToString(CGzFile& f, bool* pResult = nullptr, uint32_t* pSize = nullptr)
{
    unsigned char* p = nullptr;
    uint32_t n = 12345;
    bool r = f.ReadAll(&p, &n);
    if (pResult)
        *pResult = r;
    if (pSize)
        *pSize = n;
    std::string s;
    if (p)
    {
        s.assign(reinterpret_cast<char*>(p), n);
        delete[] p;
    }
    return s;
}

// Data that is neither trivially small nor fully repetitive.
std::string Text(size_t n)
{
    std::string s;
    unsigned x = 12345;
    while (s.size() < n)
    {
        x = x * 1103515245u + 12345u;
        s += char('a' + (x >> 16) % 7);
        if ((x >> 8) % 13 == 0)
            s += ' ';
    }
    s.resize(n);
    return s;
}

class GzFileTest : public FilesTest
{
};

TEST_F(GzFileTest, StartsClosedWithDefaultSettings)
{
    GzProbe f;
    EXPECT_EQ(f.Mode(), 0);
    EXPECT_EQ(f.Level(), -1);
    EXPECT_EQ(f.Strategy(), 0);
    EXPECT_FALSE(f.IsOpen());
    EXPECT_FALSE(f.Close());
    char buf[4];
    EXPECT_EQ(f.Read(buf, 4), 0);
    EXPECT_FALSE(f.Write("ab", 2));
    EXPECT_FALSE(f.WriteString("ab"));
    EXPECT_EQ(f.ApplyParams(), 0);
    unsigned char* p = reinterpret_cast<unsigned char*>(buf);
    uint32_t n = 7;
    EXPECT_FALSE(f.ReadAll(&p, &n));
    EXPECT_EQ(n, 0u);
    EXPECT_EQ(p, reinterpret_cast<unsigned char*>(buf));  // not touched
}

TEST_F(GzFileTest, SetModeStoresAndOpensNothing)
{
    GzProbe f;
    EXPECT_TRUE(f.SetMode(2));
    EXPECT_EQ(f.Mode(), 2);
    EXPECT_FALSE(f.IsOpen());
    char buf[4];
    EXPECT_EQ(f.Read(buf, 4), 0);
    EXPECT_TRUE(f.SetMode(77));
    EXPECT_EQ(f.Mode(), 77);
}

TEST_F(GzFileTest, WritesGzipThatReadsBack)
{
    std::string path = PathOf("out.gz");
    {
        GzProbe f;
        ASSERT_TRUE(f.Open(path.c_str(), 1));
        EXPECT_EQ(f.Mode(), 1);
        EXPECT_TRUE(f.IsOpen());
        EXPECT_EQ(f.ApplyParams(), 0);  // gzsetparams with -1, 0: Z_OK
        EXPECT_TRUE(f.Write("hello ", 6));
        EXPECT_TRUE(f.Write("", 0));
        // "安装" in code page 936: four bytes, all written.
        EXPECT_TRUE(f.WriteString("\xB0\xB2\xD7\xB0"));
        EXPECT_FALSE(f.Write("x", -1));
        char buf[4];
        EXPECT_EQ(f.Read(buf, 4), 0);  // wrong mode
        unsigned char* p = nullptr;
        uint32_t n = 9;
        EXPECT_FALSE(f.ReadAll(&p, &n));
        EXPECT_EQ(n, 0u);
        EXPECT_EQ(p, nullptr);
        EXPECT_TRUE(f.Close());
        EXPECT_FALSE(f.IsOpen());
        EXPECT_FALSE(f.Close());
    }
    GzProbe r;
    ASSERT_TRUE(r.Open(path.c_str(), 2));
    EXPECT_EQ(r.Mode(), 2);
    EXPECT_EQ(r.ApplyParams(), 1);  // open for reading: the value of IsOpen
    EXPECT_FALSE(r.Write("x", 1));
    bool ok = false;
    EXPECT_EQ(ReadAllToString(r, &ok), "hello \xB0\xB2\xD7\xB0");
    EXPECT_TRUE(ok);
    EXPECT_TRUE(r.Close());
}

TEST_F(GzFileTest, DestructorClosesAnOpenStream)
{
    std::string path = PathOf("d.gz");
    {
        CGzFile f;
        ASSERT_TRUE(f.Open(path.c_str(), 1));
        ASSERT_TRUE(f.WriteString("flushed by the destructor"));
    }
    CGzFile r;
    ASSERT_TRUE(r.Open(path.c_str(), 2));
    EXPECT_EQ(ReadAllToString(r), "flushed by the destructor");
}

TEST_F(GzFileTest, ReadsInPiecesThenZeroAtTheEnd)
{
    std::string path = Put("r.gz", Gzip("0123456789"));
    CGzFile f;
    ASSERT_TRUE(f.Open(path.c_str(), 2));
    char buf[16] = {};
    EXPECT_EQ(f.Read(buf, 4), 4);
    EXPECT_EQ(std::string(buf, 4), "0123");
    EXPECT_EQ(f.Read(buf, 16), 6);
    EXPECT_EQ(std::string(buf, 6), "456789");
    EXPECT_EQ(f.Read(buf, 16), 0);
    EXPECT_EQ(f.Read(buf, -1), -1);
}

TEST_F(GzFileTest, ReadAllTakesChunksOfTheFileLength)
{
    std::string data = Text(100000);
    std::string gz = Gzip(data);
    std::string path = Put("big.gz", gz);
    CGzFile f;
    ASSERT_TRUE(f.Open(path.c_str(), 2));
    EXPECT_EQ(f.GetFileLength(), int32_t(gz.size()));
    bool ok = false;
    uint32_t n = 0;
    EXPECT_EQ(ReadAllToString(f, &ok, &n), data);
    EXPECT_TRUE(ok);
    EXPECT_EQ(n, data.size());
    // Nothing is left: a second ReadAll delivers nothing.
    unsigned char* p = nullptr;
    EXPECT_FALSE(f.ReadAll(&p, &n));
    EXPECT_EQ(n, 0u);
    delete[] p;
}

TEST_F(GzFileTest, ReadAllWithDataAnExactMultipleOfTheFileLength)
{
    // Find a length whose gzip is a divisor of it.
    std::string data, gz;
    for (size_t len = 2000; len < 20000; ++len)
    {
        data = std::string(len, 'q');
        gz = Gzip(data);
        if (len % gz.size() == 0)
            break;
    }
    ASSERT_EQ(data.size() % gz.size(), 0u);
    std::string path = Put("multiple.gz", gz);
    CGzFile f;
    ASSERT_TRUE(f.Open(path.c_str(), 2));
    bool ok = false;
    EXPECT_EQ(ReadAllToString(f, &ok), data);
    EXPECT_TRUE(ok);
}

TEST_F(GzFileTest, ReadAllOfConcatenatedMembers)
{
    std::string path = Put("two.gz", Gzip("first ") + Gzip("second"));
    CGzFile f;
    ASSERT_TRUE(f.Open(path.c_str(), 2));
    EXPECT_EQ(ReadAllToString(f), "first second");
}

TEST_F(GzFileTest, EmptyFileOpensButReadAllFailsAtOnce)
{
    std::string path = Put("empty.gz", "");
    GzProbe f;
    ASSERT_TRUE(f.Open(path.c_str(), 2));
    EXPECT_EQ(f.Mode(), 2);
    unsigned char sentinel = 0;
    unsigned char* p = &sentinel;
    uint32_t n = 5;
    EXPECT_FALSE(f.ReadAll(&p, &n));
    EXPECT_EQ(n, 0u);
    EXPECT_EQ(p, &sentinel);
}

TEST_F(GzFileTest, StreamInflatingToNothingGivesAZeroLengthBuffer)
{
    std::string path = Put("nothing.gz", Gzip(""));
    CGzFile f;
    ASSERT_TRUE(f.Open(path.c_str(), 2));
    unsigned char* p = nullptr;
    uint32_t n = 5;
    EXPECT_FALSE(f.ReadAll(&p, &n));
    EXPECT_EQ(n, 0u);
    EXPECT_NE(p, nullptr);  // the caller frees it
    delete[] p;
}

TEST_F(GzFileTest, DamagedCrcFailsReadAllAndFreesEverything)
{
    std::string data = Text(5000);
    std::string gz = Gzip(data);
    gz[gz.size() - 8] ^= 0x55;  // the trailer's CRC
    std::string path = Put("crc.gz", gz);
    CGzFile f;
    ASSERT_TRUE(f.Open(path.c_str(), 2));
    unsigned char sentinel = 0;
    unsigned char* p = &sentinel;
    uint32_t n = 0;
    EXPECT_FALSE(f.ReadAll(&p, &n));
    EXPECT_EQ(p, &sentinel);
    // The bytes read before the failing gzread (zlib 1.2.13 drops those of the
    // call that meets the bad CRC, so here none).
    EXPECT_LE(n, data.size());
}

// The trailer's length field is zlib's business, not ours, and zlib 1.2.x
// compares it ("incorrect length check"), so a
// wrong length is damaged data like a wrong CRC.
TEST_F(GzFileTest, WrongLengthInTheTrailerIsDamagedDataForZlib)
{
    std::string gz = Gzip("length");
    gz[gz.size() - 4] ^= 0x01;
    std::string path = Put("len.gz", gz);
    CGzFile f;
    ASSERT_TRUE(f.Open(path.c_str(), 2));
    bool ok = true;
    EXPECT_EQ(ReadAllToString(f, &ok), "");
    EXPECT_FALSE(ok);
}

TEST_F(GzFileTest, DamagedDataFailsReadAll)
{
    std::string gz = Gzip(Text(5000));
    for (size_t i = 20; i < 40; ++i)
        gz[i] = char(0xFF);
    std::string path = Put("bad.gz", gz);
    CGzFile f;
    ASSERT_TRUE(f.Open(path.c_str(), 2));
    bool ok = true;
    ReadAllToString(f, &ok);
    EXPECT_FALSE(ok);
}

// Mend: a truncated gzip file is damaged data, not a shorter file.
TEST_F(GzFileTest, TruncatedStreamFailsReadAll)
{
    std::string gz = Gzip(Text(5000));
    std::string path = Put("cut.gz", gz.substr(0, gz.size() / 2));
    CGzFile f;
    ASSERT_TRUE(f.Open(path.c_str(), 2));
    bool ok = true;
    EXPECT_EQ(ReadAllToString(f, &ok), "");
    EXPECT_FALSE(ok);
}

TEST_F(GzFileTest, NotGzipDataIsRefused)
{
    for (const std::string& bytes : {std::string("plain text"), std::string("\x1f", 1) + "x",
                                      std::string("\x8b\x1f"), std::string("\x1a\x1f\x8b", 3)})
    {
        std::string path = Put("not.gz", bytes);
        GzProbe f;
        f.SetMode(2);
        EXPECT_FALSE(f.Open(path.c_str(), 2)) << bytes;
        EXPECT_FALSE(f.IsOpen());
        EXPECT_EQ(f.Mode(), 0);
    }
}

// The single byte 0x1f still opens (the second byte is not present), but zlib
// would pass it through as it is; ReadAll refuses that.
TEST_F(GzFileTest, FileHoldingOnly0x1fOpensButReadsNothing)
{
    std::string path = Put("one.gz", std::string("\x1f", 1));
    CGzFile f;
    ASSERT_TRUE(f.Open(path.c_str(), 2));
    bool ok = true;
    EXPECT_EQ(ReadAllToString(f, &ok), "");
    EXPECT_FALSE(ok);
}

TEST_F(GzFileTest, MissingFileAndOtherModesFail)
{
    GzProbe f;
    EXPECT_FALSE(f.Open(PathOf("missing.gz").c_str(), 2));
    std::string path = Put("a.gz", Gzip("a"));
    f.SetMode(1);
    EXPECT_FALSE(f.Open(path.c_str(), 0));
    EXPECT_EQ(f.Mode(), 0);
    f.SetMode(2);
    EXPECT_FALSE(f.Open(path.c_str(), 3));
    EXPECT_EQ(f.Mode(), 0);
    EXPECT_FALSE(f.Open(nullptr, 2));
    EXPECT_FALSE(f.Open(m_dir.path().c_str(), 2));  // a folder
}

// The C runtime's _access in mode 2 asks for write permission, and fails on a
// read-only file (under Wine as on Windows, and in the native shim).
TEST_F(GzFileTest, ReadOnlyFileCannotBeOpenedForReading)
{
    std::string path = Put("ro.gz", Gzip("read-only"));
    ASSERT_TRUE(fixtures::MakeReadOnly(path));
    EXPECT_EQ(crt_io::_access(path.c_str(), 0), 0);
    EXPECT_EQ(crt_io::_access(path.c_str(), 4), 0);
    EXPECT_EQ(crt_io::_access(path.c_str(), 2), -1);
    EXPECT_EQ(crt_io::_access(path.c_str(), 6), -1);
    GzProbe f;
    EXPECT_FALSE(f.Open(path.c_str(), 2));
    EXPECT_FALSE(f.IsOpen());
    // A writable copy of the same bytes opens.
    std::string rw = Put("rw.gz", Gzip("read-only"));
    EXPECT_EQ(crt_io::_access(rw.c_str(), 2), 0);
    EXPECT_TRUE(f.Open(rw.c_str(), 2));
}

TEST_F(GzFileTest, SecondOpenFailsAndLeavesTheStreamOpen)
{
    std::string a = Put("a.gz", Gzip("first stream"));
    std::string b = Put("b.gz", Gzip("second"));
    GzProbe f;
    ASSERT_TRUE(f.Open(a.c_str(), 2));
    EXPECT_FALSE(f.Open(b.c_str(), 2));
    EXPECT_FALSE(f.Open(b.c_str(), 1));
    EXPECT_TRUE(f.IsOpen());
    EXPECT_EQ(f.Mode(), 2);
    EXPECT_EQ(f.GetFileLength(), int32_t(Gzip("first stream").size()));
    EXPECT_EQ(ReadAllToString(f), "first stream");
}

}  // namespace
