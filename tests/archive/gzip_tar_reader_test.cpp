// CArchiveReader on plain gzip and tar-in-gzip data, type detection
// in Open, and the tar helpers.
#include <climits>
#include <cstdlib>
#include <cstring>
#include <memory>
#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "archive/archive_reader.h"
#include "archive/crt_io.h"
#include "tests/archive/archive_fixtures.h"
#include "tests/archive/test_files.h"

namespace {

using fixtures::Gzip;
using fixtures::Tar;
using fixtures::TarEntry;

const char kNotOpened[] = "Archive not opened";
const char kUnknownType[] = "Could not determine archive type !";
const char kGzipRead[] = "Could not read data from gzip archive !";
const char kTarPosition[] = "Invalid file position !";

struct Entry
{
    int result = -1;
    const unsigned char* p = nullptr;
    std::string data;
    uint32_t size = 0;
    int isFile = -1;
    std::string name;
};

Entry Get(CArchiveReader& r, int index)
{
    Entry e;
    e.result = r.GetEntry(index, e.p, e.size, e.isFile, e.name);
    if (e.result == 1)
        e.data.assign(reinterpret_cast<const char*>(e.p), e.size);
    return e;
}

std::string Bytes(size_t n, unsigned seed)
{
    std::string s(n, '\0');
    for (size_t i = 0; i < n; ++i)
    {
        seed = seed * 1103515245u + 12345u;
        s[i] = char(seed >> 16);
    }
    return s;
}

class ReaderTest : public FilesTest
{
protected:
    std::string PutTarGz(const std::string& name, const std::vector<TarEntry>& entries, bool endBlocks = true)
    {
        return Put(name, Gzip(Tar(entries, endBlocks)));
    }
};

// --- not opened, Open and type detection --------------------------------

TEST_F(ReaderTest, NotOpened)
{
    CArchiveReader r;
    EXPECT_EQ(r.GetType(), 0);
    EXPECT_EQ(r.GetErrorText(), "");
    EXPECT_EQ(r.GetCount(), -1);
    EXPECT_EQ(r.GetErrorText(), kNotOpened);
    r.Close();
    EXPECT_EQ(r.GetErrorText(), "");
    EXPECT_EQ(Get(r, 0).result, 0);
    EXPECT_EQ(r.GetErrorText(), kNotOpened);
}

TEST_F(ReaderTest, MissingFileOrFolder)
{
    CArchiveReader r;
    EXPECT_EQ(r.Open(PathOf("missing.tgz").c_str()), 0);
    EXPECT_EQ(r.GetErrorText(), kUnknownType);
    EXPECT_EQ(r.GetType(), 0);
    r.Close();
    EXPECT_EQ(r.Open(m_dir.path().c_str()), 0);
    EXPECT_EQ(r.GetErrorText(), kUnknownType);
    EXPECT_EQ(r.Open(static_cast<const char*>(nullptr)), 0);
}

TEST_F(ReaderTest, PlainTarIsNoKnownType)
{
    std::string path = Put("plain.tar", Tar({{"a.txt", "aaa"}}));
    CArchiveReader r;
    EXPECT_EQ(r.Open(path.c_str()), 0);
    EXPECT_EQ(r.GetErrorText(), kUnknownType);
    EXPECT_EQ(r.GetCount(), -1);
    EXPECT_EQ(r.GetErrorText(), kNotOpened);
}

TEST_F(ReaderTest, ReadOnlyGzipCannotBeOpened)
{
    std::string path = PutTarGz("ro.tgz", {{"a.txt", "aaa"}});
    ASSERT_TRUE(fixtures::MakeReadOnly(path));
    // The behaviour this rests on: _access in mode 2 fails on a read-only file.
    EXPECT_EQ(crt_io::_access(path.c_str(), 2), -1);
    CArchiveReader r;
    EXPECT_EQ(r.Open(path.c_str()), 0);
    EXPECT_EQ(r.GetErrorText(), kUnknownType);
}

TEST_F(ReaderTest, FileHoldingOnly0x1f)
{
    std::string path = Put("one.gz", std::string("\x1f", 1));
    CArchiveReader r;
    EXPECT_EQ(r.Open(path.c_str()), 0);
    EXPECT_EQ(r.GetErrorText(), kGzipRead);
    EXPECT_EQ(r.GetType(), 0);
}

TEST_F(ReaderTest, EmptyFileAndStreamInflatingToNothing)
{
    for (const std::string& bytes : {std::string(), Gzip("")})
    {
        std::string path = Put("e.gz", bytes);
        CArchiveReader r;
        EXPECT_EQ(r.Open(path.c_str()), 0);
        EXPECT_EQ(r.GetErrorText(), kGzipRead);
    }
}

TEST_F(ReaderTest, DamagedCrc)
{
    std::string gz = Gzip(Tar({{"a.txt", "aaa"}}));
    gz[gz.size() - 6] ^= 0x10;
    std::string path = Put("crc.tgz", gz);
    CArchiveReader r;
    EXPECT_EQ(r.Open(path.c_str()), 0);
    EXPECT_EQ(r.GetErrorText(), kGzipRead);
}

TEST_F(ReaderTest, TruncatedGzip)
{
    std::string gz = Gzip(Tar({{"a.txt", Bytes(3000, 1)}, {"b.txt", Bytes(3000, 2)}}));
    std::string path = Put("cut.tgz", gz.substr(0, gz.size() * 2 / 3));
    CArchiveReader r;
    EXPECT_EQ(r.Open(path.c_str()), 0);
    EXPECT_EQ(r.GetErrorText(), kGzipRead);
}

TEST_F(ReaderTest, SuccessLeavesTheErrorTextAlone)
{
    std::string path = PutTarGz("a.tgz", {{"a.txt", "aaa"}});
    CArchiveReader r;
    EXPECT_EQ(r.GetCount(), -1);
    ASSERT_EQ(r.Open(path.c_str()), 1);
    EXPECT_EQ(r.GetErrorText(), kNotOpened);
    r.Close();
    EXPECT_EQ(r.GetErrorText(), "");
    EXPECT_EQ(r.GetType(), 3);  // the type stays
}

TEST_F(ReaderTest, SecondOpenOnAnOpenStream)
{
    std::string a = PutTarGz("a.tgz", {{"a.txt", "aaa"}, {"b.txt", "bbb"}});
    std::string b = Put("b.gz", Gzip("plain"));
    CArchiveReader r;
    ASSERT_EQ(r.Open(a.c_str()), 1);
    EXPECT_EQ(r.GetCount(), 2);
    EXPECT_EQ(r.Open(b.c_str()), 0);
    EXPECT_EQ(r.GetErrorText(), kUnknownType);
    // Still the first archive.
    EXPECT_EQ(r.GetType(), 3);
    EXPECT_EQ(r.GetCount(), 2);
    EXPECT_EQ(Get(r, 1).data, "bbb");
    // After Close the stream opens again.
    r.Close();
    ASSERT_EQ(r.Open(b.c_str()), 1);
    EXPECT_EQ(r.GetType(), 2);
    EXPECT_EQ(Get(r, 0).data, "plain");
}

// --- plain gzip ----------------------------------------------------------

TEST_F(ReaderTest, PlainGzipIsOneEntryNamedUnknownForEveryIndex)
{
    std::string data = Bytes(70000, 7);
    std::string path = Put("p.gz", Gzip(data));
    CArchiveReader r;
    ASSERT_EQ(r.Open(path.c_str()), 1);
    EXPECT_EQ(r.GetType(), 2);
    EXPECT_EQ(r.GetCount(), 1);
    const unsigned char* first = nullptr;
    for (int i : {0, 1, -1, -100, 5, INT_MAX, INT_MIN})
    {
        Entry e = Get(r, i);
        ASSERT_EQ(e.result, 1) << i;
        EXPECT_EQ(e.name, "unknown");
        EXPECT_EQ(e.isFile, 1);
        EXPECT_EQ(e.size, data.size());
        EXPECT_EQ(e.data, data);
        if (!first)
            first = e.p;
        EXPECT_EQ(e.p, first);  // the same buffer every time
    }
    EXPECT_EQ(r.GetErrorText(), "");
}

// Mend: decompressed data shorter than one tar block is a plain gzip file
// (nothing is read past its end).
TEST_F(ReaderTest, DataShorterThan512BytesIsPlainGzip)
{
    std::string header = fixtures::TarHeader("a.txt", 0, '0');
    for (size_t n : {size_t(1), size_t(100), size_t(511)})
    {
        std::string data = header.substr(0, n);
        std::string path = Put("short.gz", Gzip(data));
        CArchiveReader r;
        ASSERT_EQ(r.Open(path.c_str()), 1) << n;
        EXPECT_EQ(r.GetType(), 2);
        EXPECT_EQ(r.GetCount(), 1);
        Entry e = Get(r, 0);
        EXPECT_EQ(e.data, data);
        EXPECT_EQ(e.name, "unknown");
    }
}

TEST_F(ReaderTest, GzipEntryAfterCloseFails)
{
    std::string path = Put("p.gz", Gzip("data"));
    CArchiveReader r;
    ASSERT_EQ(r.Open(path.c_str()), 1);
    r.Close();
    EXPECT_EQ(r.GetCount(), 1);  // type 2 answers 1 without data
    EXPECT_EQ(Get(r, 0).result, 0);
    EXPECT_EQ(r.GetErrorText(), kGzipRead);
}

// --- tar inside gzip -----------------------------------------------------

TEST_F(ReaderTest, TarEntriesWithFoldersAndTypes)
{
    std::vector<TarEntry> entries = {
        {"docs/", "", '5'},         {"docs/a.txt", "alpha", '0'}, {"old.txt", "old style", '\0'},
        {"link", "", '2'},          {"empty.txt", "", '0'},       {"big.bin", Bytes(513, 3), '0'},
        {"after.txt", "after", '0'},
    };
    std::string path = PutTarGz("t.tgz", entries);
    CArchiveReader r;
    ASSERT_EQ(r.Open(path.c_str()), 1);
    EXPECT_EQ(r.GetType(), 3);
    ASSERT_EQ(r.GetCount(), int(entries.size()));
    const int isFile[] = {0, 1, 1, 0, 1, 1, 1};
    std::vector<Entry> got;
    for (int i = 0; i < int(entries.size()); ++i)
    {
        Entry e = Get(r, i);
        ASSERT_EQ(e.result, 1) << i;
        EXPECT_EQ(e.name, entries[size_t(i)].name);
        EXPECT_EQ(e.data, entries[size_t(i)].data);
        EXPECT_EQ(e.isFile, isFile[i]) << i;
        got.push_back(e);
    }
    // Header spacing: size 0 puts the next header 512 bytes on, 513 bytes 1536.
    EXPECT_EQ(got[5].p - got[4].p, 512);
    EXPECT_EQ(got[6].p - got[5].p, 1536);
    EXPECT_EQ(got[1].p - got[0].p, 512);
    EXPECT_EQ(got[2].p - got[1].p, 1024);
    EXPECT_EQ(r.GetErrorText(), "");
}

TEST_F(ReaderTest, TarIndexZeroOrBelowIsTheFirstEntry)
{
    std::string path = PutTarGz("t.tgz", {{"first", "1"}, {"second", "2"}});
    CArchiveReader r;
    ASSERT_EQ(r.Open(path.c_str()), 1);
    for (int i : {0, -1, -7, INT_MIN})
    {
        Entry e = Get(r, i);
        ASSERT_EQ(e.result, 1);
        EXPECT_EQ(e.name, "first");
    }
}

TEST_F(ReaderTest, TarIndexAtAndBeyondTheCount)
{
    std::string path = PutTarGz("t.tgz", {{"first", "1"}, {"second", "2"}});
    CArchiveReader r;
    ASSERT_EQ(r.Open(path.c_str()), 1);
    ASSERT_EQ(r.GetCount(), 2);
    // At the count: the end block fails its checksum; the text is unchanged.
    Entry e = Get(r, 2);
    EXPECT_EQ(e.result, 0);
    EXPECT_EQ(e.name, "");
    EXPECT_EQ(r.GetErrorText(), "");
    // Beyond it: a header before the requested one fails.
    EXPECT_EQ(Get(r, 3).result, 0);
    EXPECT_EQ(r.GetErrorText(), kTarPosition);
    EXPECT_EQ(Get(r, 2).result, 0);
    EXPECT_EQ(r.GetErrorText(), kTarPosition);  // still unchanged
    EXPECT_EQ(Get(r, INT_MAX).result, 0);
    EXPECT_EQ(r.GetErrorText(), kTarPosition);
    EXPECT_EQ(Get(r, 1).name, "second");
}

TEST_F(ReaderTest, TarNameOf100BytesRunsOnToTheFirstNul)
{
    std::string name100(100, 'N');
    std::string path = PutTarGz("t.tgz", {{name100, "x"}, {"b", "y"}});
    CArchiveReader r;
    ASSERT_EQ(r.Open(path.c_str()), 1);
    Entry e = Get(r, 0);
    ASSERT_EQ(e.result, 1);
    // The name field has no NUL: the mode field's text follows up to its NUL.
    EXPECT_EQ(e.name, name100 + "0000644");
    EXPECT_EQ(e.data, "x");
    EXPECT_EQ(Get(r, 1).name, "b");
}

TEST_F(ReaderTest, TarNameWithoutAnyNulStopsAtTheEndOfTheData)
{
    // One header, no NUL anywhere in it, no data and no end blocks.
    std::string h = fixtures::TarHeader(std::string(100, 'A'), 0, '0');
    for (size_t i = 0; i < 512; ++i)
        if (h[i] == '\0')
            h[i] = (i >= 124 && i < 136) ? ' ' : 'z';
    fixtures::SetTarChecksum(h, 0);
    h[154] = ' ';  // the checksum field ends in a space instead of a NUL (it counts as spaces anyway)
    ASSERT_EQ(h.find('\0'), std::string::npos);
    ASSERT_TRUE(CArchiveReader::TarChecksumPasses(reinterpret_cast<const unsigned char*>(h.data())));
    std::string path = Put("n.tgz", Gzip(h));
    CArchiveReader r;
    ASSERT_EQ(r.Open(path.c_str()), 1);
    ASSERT_EQ(r.GetType(), 3);
    ASSERT_EQ(r.GetCount(), 1);
    Entry e = Get(r, 0);
    ASSERT_EQ(e.result, 1);
    EXPECT_EQ(e.name, h);  // all 512 bytes and no more
    EXPECT_EQ(e.size, 0u);
}

TEST_F(ReaderTest, TarWalkStopsAtTheFirstFailingChecksum)
{
    std::string tar = Tar({{"a", "1"}, {"b", "2"}, {"c", "3"}, {"d", "4"}});
    tar[1024 + 10] ^= 1;  // header of "b" (after "a" and its data block)
    std::string path = Put("bad.tgz", Gzip(tar));
    CArchiveReader r;
    ASSERT_EQ(r.Open(path.c_str()), 1);
    EXPECT_EQ(r.GetCount(), 1);
    EXPECT_EQ(Get(r, 0).name, "a");
    EXPECT_EQ(Get(r, 1).result, 0);
    EXPECT_EQ(r.GetErrorText(), "");
    EXPECT_EQ(Get(r, 2).result, 0);
    EXPECT_EQ(r.GetErrorText(), kTarPosition);
}

TEST_F(ReaderTest, TarWithoutEndBlocks)
{
    std::string path = PutTarGz("t.tgz", {{"a", Bytes(700, 1)}, {"b", ""}, {"c", "ccc"}}, false);
    CArchiveReader r;
    ASSERT_EQ(r.Open(path.c_str()), 1);
    ASSERT_EQ(r.GetCount(), 3);
    EXPECT_EQ(Get(r, 2).data, "ccc");
    EXPECT_EQ(Get(r, 3).result, 0);
    EXPECT_EQ(r.GetErrorText(), "");
}

TEST_F(ReaderTest, SingleHeaderOf512Bytes)
{
    std::string path = Put("one.tgz", Gzip(fixtures::TarHeader("only", 0, '0')));
    CArchiveReader r;
    ASSERT_EQ(r.Open(path.c_str()), 1);
    EXPECT_EQ(r.GetType(), 3);
    ASSERT_EQ(r.GetCount(), 1);
    Entry e = Get(r, 0);
    EXPECT_EQ(e.name, "only");
    EXPECT_EQ(e.size, 0u);
}

// Mend: a truncated tar, or a size field that runs past the end of the data,
// ends the walk at that header as a failing checksum does; no byte past the
// end of the data is read or handed out.
TEST_F(ReaderTest, TruncatedTarEndsTheWalk)
{
    std::string tar = Tar({{"a", Bytes(600, 1)}, {"b", Bytes(5000, 2)}, {"c", "c"}});
    // Cut inside the data of "b": header a (512) + data (1024) + header b (512) + 1000.
    std::string path = Put("cut.tgz", Gzip(tar.substr(0, 512 + 1024 + 512 + 1000)));
    CArchiveReader r;
    ASSERT_EQ(r.Open(path.c_str()), 1);
    EXPECT_EQ(r.GetType(), 3);
    ASSERT_EQ(r.GetCount(), 1);
    EXPECT_EQ(Get(r, 0).data, Bytes(600, 1));
    EXPECT_EQ(Get(r, 1).result, 0);
    EXPECT_EQ(r.GetErrorText(), "");
    EXPECT_EQ(Get(r, 2).result, 0);
    EXPECT_EQ(r.GetErrorText(), kTarPosition);
    // Cut inside the second header.
    path = Put("cut2.tgz", Gzip(tar.substr(0, 512 + 1024 + 300)));
    CArchiveReader r2;
    ASSERT_EQ(r2.Open(path.c_str()), 1);
    EXPECT_EQ(r2.GetCount(), 1);
}

TEST_F(ReaderTest, LyingSizeFieldsEndTheWalk)
{
    for (const char* sizeText : {"77777777777", "37777777777", "00000010000", "-1", "777777777777"})
    {
        std::string tar = Tar({{"a", "aaa"}});
        tar += fixtures::TarHeader("liar", 0, '0', sizeText);
        tar += std::string(2048, '\0');
        std::string path = Put("liar.tgz", Gzip(tar));
        CArchiveReader r;
        ASSERT_EQ(r.Open(path.c_str()), 1);
        EXPECT_EQ(r.GetCount(), 1) << sizeText;
        EXPECT_EQ(Get(r, 1).result, 0);
        EXPECT_EQ(Get(r, 0).data, "aaa");
    }
}

TEST_F(ReaderTest, TarAfterCloseCannotReadData)
{
    std::string path = PutTarGz("t.tgz", {{"a", "1"}});
    CArchiveReader r;
    ASSERT_EQ(r.Open(path.c_str()), 1);
    r.Close();
    EXPECT_EQ(r.GetCount(), -1);
    EXPECT_EQ(r.GetErrorText(), kGzipRead);
    r.Close();
    EXPECT_EQ(Get(r, 0).result, 0);
    EXPECT_EQ(r.GetErrorText(), kGzipRead);
}

// The plain walk, header by header from the start (with the bounds),
// as the reference for the indexed reader.
struct RefEntry
{
    size_t offset;
    uint32_t size;
};
std::vector<RefEntry> ReferenceWalk(const std::string& tar)
{
    std::vector<RefEntry> out;
    size_t off = 0;
    while (off + 512 <= tar.size())
    {
        const unsigned char* p = reinterpret_cast<const unsigned char*>(tar.data()) + off;
        uint32_t size = CArchiveReader::ParseOctal(p + 124, 12);
        if (!CArchiveReader::TarChecksumPasses(p) || off + 512 + uint64_t(size) > tar.size())
            break;
        out.push_back({off, size});
        off += 512 + ((size_t(size) + 511) & ~size_t(511));
    }
    return out;
}

TEST_F(ReaderTest, IndexedWalkGivesTheSameResultsAsWalkingFromTheStart)
{
    std::vector<TarEntry> entries;
    for (int i = 0; i < 600; ++i)
        entries.push_back({"f" + std::to_string(i) + (i % 50 == 0 ? "/" : ".dat"),
                           i % 50 == 0 ? "" : Bytes(size_t(i * 37 % 1500), unsigned(i)), i % 50 == 0 ? '5' : '0'});
    std::string tar = Tar(entries);
    std::vector<RefEntry> ref = ReferenceWalk(tar);
    ASSERT_EQ(ref.size(), entries.size());
    std::string path = Put("many.tgz", Gzip(tar));
    CArchiveReader r;
    ASSERT_EQ(r.Open(path.c_str()), 1);
    ASSERT_EQ(r.GetCount(), int(ref.size()));
    const unsigned char* base = Get(r, 0).p - 512;
    // In order, backwards and once more in order: identical answers.
    for (int pass = 0; pass < 3; ++pass)
        for (int k = 0; k < int(ref.size()); ++k)
        {
            int i = pass == 1 ? int(ref.size()) - 1 - k : k;
            Entry e = Get(r, i);
            ASSERT_EQ(e.result, 1);
            EXPECT_EQ(size_t(e.p - base), ref[size_t(i)].offset + 512);
            EXPECT_EQ(e.size, ref[size_t(i)].size);
            EXPECT_EQ(e.name, entries[size_t(i)].name);
            EXPECT_EQ(e.data, entries[size_t(i)].data);
        }
    EXPECT_EQ(r.GetCount(), int(ref.size()));
}

// --- tar helpers -----------------------------------------------------------

uint32_t Octal(const std::string& field, int len)
{
    // Exactly len bytes in their own allocation: nothing beyond is read.
    std::unique_ptr<unsigned char[]> p(new unsigned char[size_t(len)]);
    memcpy(p.get(), field.data(), size_t(len));
    return CArchiveReader::ParseOctal(p.get(), len);
}

TEST(TarHelpers, ParseOctal)
{
    EXPECT_EQ(Octal(std::string("0000644\0", 8), 8), 0644u);
    EXPECT_EQ(Octal(std::string("00000001000\0", 12), 12), 01000u);
    EXPECT_EQ(Octal("   12 xx", 8), 012u);
    EXPECT_EQ(Octal("\t\n\v\f\r 17", 8), 017u);
    EXPECT_EQ(Octal("        ", 8), 0u);
    EXPECT_EQ(Octal(std::string(8, '\0'), 8), 0u);
    EXPECT_EQ(Octal("12345670", 8), 012345670u);  // no terminator within the field
    EXPECT_EQ(Octal("0008", 4), 0u);
    EXPECT_EQ(Octal("8", 1), 0u);
    EXPECT_EQ(Octal("+7", 2), 7u);
    EXPECT_EQ(Octal("-1", 2), 0xFFFFFFFFu);
    EXPECT_EQ(Octal("-2", 2), 0xFFFFFFFEu);
    EXPECT_EQ(Octal("37777777777\0", 12), 0xFFFFFFFFu);
    EXPECT_EQ(Octal("40000000000\0", 12), 0xFFFFFFFFu);  // beyond 32 bits
    EXPECT_EQ(Octal("777777777777", 12), 0xFFFFFFFFu);
    EXPECT_EQ(Octal("1 2", 3), 1u);
    EXPECT_EQ(Octal("12", 0), 0u);
    EXPECT_EQ(Octal("12", 1), 1u);
    EXPECT_EQ(Octal(std::string(511, '7'), 511), 0xFFFFFFFFu);
    std::string longField = std::string(600, ' ') + "5";
    EXPECT_EQ(Octal(longField, 601), 0u);  // at most 511 bytes are looked at
}

#ifdef _WIN32
// On Windows, unsigned long is 32 bits: ParseOctal is the C runtime's strtoul.
TEST(TarHelpers, ParseOctalIsTheRuntimesStrtoul)
{
    for (const char* s : {"0000644", "  12 ", "", "-1", "-2", "+17", "37777777777", "40000000000",
                          "777777777777", "0008", "8", "- 1", "--1", "\t7"})
    {
        size_t len = strlen(s);
        std::string skipped(s);
        size_t k = 0;
        while (k < len && isspace(static_cast<unsigned char>(skipped[k])))
            ++k;
        unsigned long expected = strtoul(skipped.c_str() + k, nullptr, 8);
        EXPECT_EQ(CArchiveReader::ParseOctal(reinterpret_cast<const unsigned char*>(s), int(len)), expected) << s;
    }
}
#endif

TEST(TarHelpers, ChecksumTest)
{
    std::string zero(512, '\0');
    EXPECT_FALSE(CArchiveReader::TarChecksumPasses(reinterpret_cast<const unsigned char*>(zero.data())));
    std::string h = fixtures::TarHeader("name", 10, '0');
    EXPECT_TRUE(CArchiveReader::TarChecksumPasses(reinterpret_cast<const unsigned char*>(h.data())));
    // The checksum field counts as spaces whatever it holds: an octal text of
    // the sum with another terminator still passes.
    std::string h2 = h;
    h2[155] = '\0';
    EXPECT_TRUE(CArchiveReader::TarChecksumPasses(reinterpret_cast<const unsigned char*>(h2.data())));
    h2[0] = 'M';
    EXPECT_FALSE(CArchiveReader::TarChecksumPasses(reinterpret_cast<const unsigned char*>(h2.data())));
    // High bytes count as unsigned values.
    std::string h3 = fixtures::TarHeader("\xB0\xB2\xD7\xB0.txt", 0, '0');
    EXPECT_TRUE(CArchiveReader::TarChecksumPasses(reinterpret_cast<const unsigned char*>(h3.data())));
}

}  // namespace
