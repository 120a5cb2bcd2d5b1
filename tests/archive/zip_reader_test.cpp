// The zip access layer and CArchiveReader on zip archives.
#include <cstring>
#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "archive/archive_reader.h"
#include "archive/zip_access.h"
#include "tests/archive/archive_fixtures.h"
#include "tests/archive/test_files.h"

namespace {

using fixtures::ZipItem;

const char kEntryText[] = "Could not get file at the specified position from the archive !";
const char kUnzipText[] = "Could not unzip file at the specified position from the archive !";

std::string Repeat(const std::string& s, size_t n)
{
    std::string r;
    while (n--)
        r += s;
    return r;
}

ZipItem Item(const std::string& name, const std::string& data, bool deflate = true, uint32_t ext = 0)
{
    ZipItem it;
    it.name = name;
    it.data = data;
    it.deflate = deflate;
    it.externalAttr = ext;
    return it;
}

ZipItem Folder(const std::string& name, uint32_t ext = 0x10)
{
    return Item(name, "", false, ext);
}

struct Entry
{
    int result = -1;
    std::string data;
    uint32_t size = 0;
    int isFile = -1;
    std::string name;
    bool nulAfter = false;
};

Entry Get(CArchiveReader& r, int index)
{
    Entry e;
    const unsigned char* p = nullptr;
    e.result = r.GetEntry(index, p, e.size, e.isFile, e.name);
    if (e.result == 1)
    {
        e.data.assign(reinterpret_cast<const char*>(p), e.size);
        e.nulAfter = p[e.size] == 0;
    }
    return e;
}

class ZipTest : public FilesTest
{
protected:
    std::string PutZip(const std::string& name, const std::vector<ZipItem>& items,
                       const std::vector<size_t>& order = {})
    {
        return Put(name, fixtures::Zip(items, order).bytes);
    }
};

const std::string kReadme = Repeat("Ostrevan readme line.\r\n", 40);
const std::string kApp = "MZ\x90\x00\x03 binary-ish \xff\xfe stored bytes";

std::vector<ZipItem> SampleItems()
{
    return {Item("readme.txt", kReadme), Folder("bin/"), Item("bin/app.exe", kApp, false),
            Folder("data/", 0x41ED0000u), Item("data/empty.dat", "")};
}

TEST_F(ZipTest, EntriesComeInCentralDirectoryOrder)
{
    // Local headers in item order, central directory in another order.
    std::string path = PutZip("a.zip", SampleItems(), {2, 0, 4, 1, 3});
    CArchiveReader r;
    r.Close();
    ASSERT_EQ(r.Open(path.c_str()), 1);
    EXPECT_EQ(r.GetType(), 1);
    ASSERT_EQ(r.GetCount(), 5);

    const char* names[] = {"bin/app.exe", "readme.txt", "data/empty.dat", "bin/", "data/"};
    const std::string datas[] = {kApp, kReadme, "", "", ""};
    for (int i = 0; i < 5; ++i)
    {
        Entry e = Get(r, i);
        ASSERT_EQ(e.result, 1) << i;
        EXPECT_EQ(e.name, names[i]);
        EXPECT_EQ(e.data, datas[i]);
        EXPECT_EQ(e.size, datas[i].size());
        EXPECT_EQ(e.isFile, 1) << "every zip entry, folders included";
        EXPECT_TRUE(e.nulAfter);
    }
    EXPECT_EQ(r.GetErrorText(), "");
}

TEST_F(ZipTest, EntriesInAnyOrderAndAgain)
{
    std::string path = PutZip("a.zip", SampleItems());
    CArchiveReader r;
    ASSERT_EQ(r.Open(path.c_str()), 1);
    for (int i : {4, 0, 2, 2, 1, 3, 0, 4})
    {
        Entry e = Get(r, i);
        ASSERT_EQ(e.result, 1);
        EXPECT_EQ(e.name, SampleItems()[size_t(i)].name);
        EXPECT_EQ(e.data, SampleItems()[size_t(i)].data);
    }
}

// As streaming zip writers make them: sizes in a data descriptor after the
// data, Unix extra fields, a Unix "made by" and a comment-free archive.
TEST_F(ZipTest, DataDescriptorsAndExtraFields)
{
    ZipItem a = Item("stream/a.txt", kReadme);
    a.dataDescriptor = true;
    a.versionMadeBy = 0x031E;
    a.externalAttr = 0x81A40000u;  // regular file, 0644
    a.extra = std::string("UT\x05\x00\x03\x10\x20\x30\x40", 9);
    ZipItem b = Item("stream/b.bin", kApp, false);
    b.dataDescriptor = true;
    ZipItem d = Folder("stream/", 0x41ED0010u);
    d.extra = a.extra;
    std::string path = PutZip("stream.zip", {d, a, b});
    CArchiveReader r;
    ASSERT_EQ(r.Open(path.c_str()), 1);
    ASSERT_EQ(r.GetCount(), 3);
    EXPECT_EQ(Get(r, 0).name, "stream/");
    Entry e = Get(r, 1);
    EXPECT_EQ(e.name, "stream/a.txt");
    EXPECT_EQ(e.data, kReadme);
    EXPECT_EQ(Get(r, 2).data, kApp);
}

TEST_F(ZipTest, EmptyArchiveHasNoEntries)
{
    std::string path = PutZip("empty.zip", {});
    CArchiveReader r;
    ASSERT_EQ(r.Open(path.c_str()), 1);
    EXPECT_EQ(r.GetCount(), 0);
    EXPECT_EQ(Get(r, 0).result, 0);
    EXPECT_EQ(r.GetErrorText(), kEntryText);
}

TEST_F(ZipTest, IndexAtOrBeyondTheCountFails)
{
    std::string path = PutZip("a.zip", SampleItems());
    CArchiveReader r;
    ASSERT_EQ(r.Open(path.c_str()), 1);
    for (int i : {5, 6, 1000, -2, -100})
    {
        r.Close();
        ASSERT_EQ(r.Open(path.c_str()), 1);
        Entry e = Get(r, i);
        EXPECT_EQ(e.result, 0) << i;
        EXPECT_EQ(e.name, "");  // outputs not written
        EXPECT_EQ(r.GetErrorText(), kEntryText) << i;
    }
    // Index -1 is the access layer's count query: it finds "information", and
    // the extraction of entry -1 then fails.
    Entry e = Get(r, -1);
    EXPECT_EQ(e.result, 0);
    EXPECT_EQ(r.GetErrorText(), kUnzipText);
    // The reader goes on working.
    EXPECT_EQ(Get(r, 1).name, "bin/");
}

TEST_F(ZipTest, DamagedEntryDataCannotBeUnzipped)
{
    std::vector<ZipItem> items = {Item("good.txt", kReadme), Item("bad.txt", kReadme), Item("after.txt", "ok")};
    fixtures::ZipImage z = fixtures::Zip(items);
    z.bytes[z.dataAt[1]] = char(0xFF);  // deflate block type 3: invalid
    std::string path = Put("damaged.zip", z.bytes);
    CArchiveReader r;
    ASSERT_EQ(r.Open(path.c_str()), 1);
    ASSERT_EQ(r.GetCount(), 3);
    EXPECT_EQ(Get(r, 0).data, kReadme);
    EXPECT_EQ(Get(r, 1).result, 0);
    EXPECT_EQ(r.GetErrorText(), kUnzipText);
    EXPECT_EQ(Get(r, 2).data, "ok");
}

TEST_F(ZipTest, CloseEmptiesTheTextAndLaterCallsFailQuietly)
{
    std::string path = PutZip("a.zip", SampleItems());
    CArchiveReader r;
    ASSERT_EQ(r.Open(path.c_str()), 1);
    EXPECT_EQ(Get(r, 99).result, 0);
    EXPECT_EQ(r.GetErrorText(), kEntryText);
    r.Close();
    EXPECT_EQ(r.GetErrorText(), "");
    EXPECT_EQ(r.GetType(), 1);
    EXPECT_EQ(r.GetCount(), -1);
    EXPECT_EQ(Get(r, 0).result, 0);
    EXPECT_EQ(r.GetErrorText(), "");
}

TEST_F(ZipTest, SecondOpenReplacesTheArchive)
{
    std::string a = PutZip("a.zip", SampleItems());
    std::string b = PutZip("b.zip", {Item("only.txt", "just one")});
    CArchiveReader r;
    ASSERT_EQ(r.Open(a.c_str()), 1);
    EXPECT_EQ(Get(r, 0).name, "readme.txt");
    ASSERT_EQ(r.Open(b.c_str()), 1);
    EXPECT_EQ(r.GetCount(), 1);
    EXPECT_EQ(Get(r, 0).data, "just one");
}

TEST_F(ZipTest, ReadOnlyZipOpens)
{
    std::string path = PutZip("ro.zip", SampleItems());
    ASSERT_TRUE(fixtures::MakeReadOnly(path));
    CArchiveReader r;
    ASSERT_EQ(r.Open(path.c_str()), 1);
    EXPECT_EQ(r.GetCount(), 5);
}

TEST_F(ZipTest, ByteAndDwordOverload)
{
    std::string path = PutZip("a.zip", SampleItems());
    CArchiveReader r;
    ASSERT_EQ(r.Open(path.c_str()), 1);
    unsigned char* p = nullptr;
    unsigned long n = 0;
    int isFile = 0;
    std::string name;
    ASSERT_EQ(r.GetEntry(2, p, n, isFile, name), 1);
    EXPECT_EQ(std::string(reinterpret_cast<char*>(p), n), kApp);
    EXPECT_EQ(name, "bin/app.exe");
    EXPECT_EQ(isFile, 1);
    EXPECT_EQ(r.GetEntry(9, p, n, isFile, name), 0);
    EXPECT_EQ(name, "bin/app.exe");
}

// Mend: names longer than 259 bytes do not fit ZipEntryInfo; such an entry
// cannot be read (never cut, never overflowing), the others can.
TEST_F(ZipTest, NamesLongerThan259BytesAreRefused)
{
    std::string n259 = Repeat("n", 255) + ".txt";
    std::string n260 = Repeat("m", 256) + ".txt";
    std::string n300 = Repeat("d/", 150);
    std::string n70000(65535, 'x');
    std::string path =
        PutZip("long.zip", {Item(n259, "259"), Item(n260, "260"), Item(n300, ""), Item(n70000, "max"), Item("z", "z")});
    CArchiveReader r;
    ASSERT_EQ(r.Open(path.c_str()), 1);
    ASSERT_EQ(r.GetCount(), 5);
    Entry e = Get(r, 0);
    EXPECT_EQ(e.result, 1);
    EXPECT_EQ(e.name, n259);
    EXPECT_EQ(e.data, "259");
    for (int i : {1, 2, 3})
    {
        EXPECT_EQ(Get(r, i).result, 0) << i;
        EXPECT_EQ(r.GetErrorText(), kEntryText);
    }
    EXPECT_EQ(Get(r, 4).data, "z");
}

// Mend: a size field that promises more than the data holds fails rather than
// handing out bytes that were never written.
TEST_F(ZipTest, SizeFieldLargerThanTheDataFails)
{
    ZipItem liar = Item("liar.txt", "short data");
    liar.uncompressedSizeField = 5000;
    ZipItem stored = Item("stored.txt", "stored", false);
    stored.uncompressedSizeField = 100;
    std::string path = PutZip("liar.zip", {liar, stored, Item("ok.txt", "fine")});
    CArchiveReader r;
    ASSERT_EQ(r.Open(path.c_str()), 1);
    EXPECT_EQ(Get(r, 0).result, 0);
    EXPECT_EQ(r.GetErrorText(), kUnzipText);
    EXPECT_EQ(Get(r, 1).result, 0);
    EXPECT_EQ(r.GetErrorText(), kUnzipText);
    EXPECT_EQ(Get(r, 2).data, "fine");
}

// A size field smaller than the data: the extraction asks for that many bytes,
// gets them (0x600) and makes no CRC test.
TEST_F(ZipTest, SizeFieldSmallerThanTheDataGivesThatMany)
{
    ZipItem it = Item("hello.txt", "hello world");
    it.uncompressedSizeField = 5;
    std::string path = PutZip("small.zip", {it});
    CArchiveReader r;
    ASSERT_EQ(r.Open(path.c_str()), 1);
    Entry e = Get(r, 0);
    ASSERT_EQ(e.result, 1);
    EXPECT_EQ(e.data, "hello");
    EXPECT_TRUE(e.nulAfter);
}

// Mend: sizes no deflate stream in the file could produce are a damaged entry
// header (no 4 GB buffer for a 100-byte file).
TEST_F(ZipTest, ImpossibleSizeIsADamagedHeader)
{
    ZipItem it = Item("huge.bin", "tiny");
    it.uncompressedSizeField = 0xFFFFFFF8;
    std::string path = PutZip("huge.zip", {it, Item("next", "next")});
    CArchiveReader r;
    ASSERT_EQ(r.Open(path.c_str()), 1);
    EXPECT_EQ(Get(r, 0).result, 0);
    EXPECT_EQ(r.GetErrorText(), kEntryText);
    EXPECT_EQ(Get(r, 1).data, "next");
}

void Patch16(std::string& s, size_t at, unsigned v)
{
    s[at] = char(v & 0xFF);
    s[at + 1] = char(v >> 8);
}

// The end record promises more entries than the central directory holds (and
// the last real header's extra field runs past the end of the file): the
// entries that are there read, every later index fails, and going back works.
// (Found by the fuzzer as a time-out: each such index stepped again from the
// first entry, re-reading the long extra field every time.)
TEST_F(ZipTest, CentralDirectoryShorterThanItsCount)
{
    fixtures::ZipImage z = fixtures::Zip({Item("a.txt", "aaa"), Item("b.txt", "bbb")});
    size_t eocd = z.bytes.size() - 22;
    size_t cd = size_t(uint8_t(z.bytes[eocd + 16])) | size_t(uint8_t(z.bytes[eocd + 17])) << 8;
    Patch16(z.bytes, cd + 46 + 5 + 30, 40000);  // extra length of the second central header
    Patch16(z.bytes, eocd + 8, 1000);
    Patch16(z.bytes, eocd + 10, 1000);
    std::string path = Put("short-cd.zip", z.bytes);
    CArchiveReader r;
    ASSERT_EQ(r.Open(path.c_str()), 1);
    ASSERT_EQ(r.GetCount(), 1000);
    EXPECT_EQ(Get(r, 0).data, "aaa");
    for (int i = 1; i < 1000; ++i)
    {
        Entry e = Get(r, i);
        if (i == 1 && e.result == 1)
            continue;  // whether the damaged second entry reads is minizip's affair
        EXPECT_EQ(e.result, 0) << i;
        EXPECT_EQ(r.GetErrorText(), kEntryText) << i;
    }
    EXPECT_EQ(Get(r, 0).data, "aaa");
}

// --- the access layer itself ---------------------------------------------

TEST_F(ZipTest, AccessLayerInfoRecords)
{
    std::string path = PutZip("a.zip", SampleItems());
    HZIPARCHIVE h = OpenZipArchive(path.c_str());
    ASSERT_NE(h, nullptr);
    ZipEntryInfo ze;
    memset(&ze, 0xAB, sizeof(ze));
    ASSERT_EQ(GetZipEntryInfo(h, -1, &ze), 0);
    EXPECT_EQ(ze.index, 5);
    EXPECT_STREQ(ze.name, "");
    EXPECT_EQ(ze.attr, 0u);
    EXPECT_EQ(ze.mtime.dwLowDateTime | ze.mtime.dwHighDateTime, 0u);
    EXPECT_EQ(ze.unc_size, 0u);
    EXPECT_EQ(ze.comp_size, 0u);

    ASSERT_EQ(GetZipEntryInfo(h, 0, &ze), 0);
    EXPECT_EQ(ze.index, 0);
    EXPECT_STREQ(ze.name, "readme.txt");
    EXPECT_EQ(ze.attr, 0x80u);
    EXPECT_EQ(ze.unc_size, kReadme.size());
    EXPECT_LT(ze.comp_size, kReadme.size());
    // 2024-05-06 07:08:10, as it is: Unix time 1714979290.
    uint64_t ft = (uint64_t(1714979290) + 11644473600ull) * 10000000ull;
    EXPECT_EQ(ze.mtime.dwLowDateTime, uint32_t(ft));
    EXPECT_EQ(ze.mtime.dwHighDateTime, uint32_t(ft >> 32));
    EXPECT_EQ(ze.atime.dwLowDateTime, ze.mtime.dwLowDateTime);
    EXPECT_EQ(ze.ctime.dwHighDateTime, ze.mtime.dwHighDateTime);

    ASSERT_EQ(GetZipEntryInfo(h, 1, &ze), 0);
    EXPECT_STREQ(ze.name, "bin/");
    EXPECT_EQ(ze.attr, 0x90u);  // MS-DOS folder bit
    ASSERT_EQ(GetZipEntryInfo(h, 2, &ze), 0);
    EXPECT_EQ(ze.attr, 0x80u);
    EXPECT_EQ(ze.comp_size, ze.unc_size);  // stored
    ASSERT_EQ(GetZipEntryInfo(h, 3, &ze), 0);
    EXPECT_STREQ(ze.name, "data/");
    EXPECT_EQ(ze.attr, 0x90u);  // Unix folder bit
    EXPECT_NE(GetZipEntryInfo(h, 5, &ze), 0);
    EXPECT_NE(GetZipEntryInfo(h, -2, &ze), 0);
    EXPECT_NE(GetZipEntryInfo(nullptr, 0, &ze), 0);
    EXPECT_NE(GetZipEntryInfo(h, 0, nullptr), 0);
    CloseZipArchive(h);
    CloseZipArchive(nullptr);
}

TEST_F(ZipTest, AccessLayerExtractResults)
{
    std::string path = PutZip("a.zip", SampleItems());
    HZIPARCHIVE h = OpenZipArchive(path.c_str());
    ASSERT_NE(h, nullptr);
    char buf[4096];
    uint32_t got = 77;
    // Empty entry: 0 at once.
    EXPECT_EQ(ExtractZipEntry(h, 4, buf, 0, &got), 0);
    EXPECT_EQ(got, 0u);
    // Non-empty entry: 0x600 while bytes come, continued by further calls, then 0.
    EXPECT_EQ(ExtractZipEntry(h, 0, buf, 100, &got), 0x600);
    EXPECT_EQ(got, 100u);
    std::string s(buf, 100);
    EXPECT_EQ(ExtractZipEntry(h, 0, buf, sizeof(buf), &got), 0x600);
    s.append(buf, got);
    EXPECT_EQ(s, kReadme);
    EXPECT_EQ(ExtractZipEntry(h, 0, buf, sizeof(buf), &got), 0);
    EXPECT_EQ(got, 0u);
    // Getting information closes the open entry: extraction starts over.
    EXPECT_EQ(ExtractZipEntry(h, 2, buf, 2, &got), 0x600);
    ZipEntryInfo ze;
    ASSERT_EQ(GetZipEntryInfo(h, 2, &ze), 0);
    EXPECT_EQ(ExtractZipEntry(h, 2, buf, 2), 0x600);
    EXPECT_EQ(std::string(buf, 2), "MZ");
    // Bad indexes.
    EXPECT_NE(ExtractZipEntry(h, 5, buf, 10), 0);
    EXPECT_NE(ExtractZipEntry(h, 5, buf, 10), 0x600);
    EXPECT_NE(ExtractZipEntry(h, -1, buf, 10), 0);
    CloseZipArchive(h);
}

TEST_F(ZipTest, AccessLayerCrcIsTestedWhenTheEntryEnds)
{
    std::vector<ZipItem> items = {Item("c.txt", "crc checked", false)};
    fixtures::ZipImage z = fixtures::Zip(items);
    z.bytes[z.dataAt[0]] = 'C';  // stored data changed, CRC fields unchanged
    std::string path = Put("crc.zip", z.bytes);
    HZIPARCHIVE h = OpenZipArchive(path.c_str());
    ASSERT_NE(h, nullptr);
    char buf[64];
    EXPECT_EQ(ExtractZipEntry(h, 0, buf, sizeof(buf)), 0x600);
    int r = ExtractZipEntry(h, 0, buf, sizeof(buf));
    EXPECT_NE(r, 0);
    EXPECT_NE(r, 0x600);
    CloseZipArchive(h);
    // The reader asks for exactly the size: 0x600, no CRC test.
    CArchiveReader reader;
    ASSERT_EQ(reader.Open(path.c_str()), 1);
    EXPECT_EQ(Get(reader, 0).data, "Crc checked");
}

TEST_F(ZipTest, AccessLayerRefusesWhatIsNoZip)
{
    EXPECT_EQ(OpenZipArchive(PathOf("missing.zip").c_str()), nullptr);
    EXPECT_EQ(OpenZipArchive(Put("text.zip", "no central directory").c_str()), nullptr);
    EXPECT_EQ(OpenZipArchive(nullptr), nullptr);
    std::string z = fixtures::Zip({Item("a", "b")}).bytes;
    EXPECT_EQ(OpenZipArchive(Put("cut.zip", z.substr(0, z.size() - 22)).c_str()), nullptr);
    // Only an end record at offset 0 that says "no entries" is an empty archive.
    std::string empty = fixtures::Zip({}).bytes;
    std::string commented = empty;
    commented[20] = 3;
    commented += "abc";
    for (const std::string& bytes : {empty, commented})
    {
        HZIPARCHIVE h = OpenZipArchive(Put("e1.zip", bytes).c_str());
        ASSERT_NE(h, nullptr);
        ZipEntryInfo ze;
        EXPECT_EQ(GetZipEntryInfo(h, -1, &ze), 0);
        EXPECT_EQ(ze.index, 0);
        EXPECT_NE(GetZipEntryInfo(h, 0, &ze), 0);
        char buf[4];
        EXPECT_NE(ExtractZipEntry(h, 0, buf, 4), 0);
        CloseZipArchive(h);
    }
    std::string bad = empty;
    bad[8] = 1;  // one entry on this disk
    EXPECT_EQ(OpenZipArchive(Put("e2.zip", bad).c_str()), nullptr);
    EXPECT_EQ(OpenZipArchive(Put("e3.zip", empty + "x").c_str()), nullptr);  // comment length wrong
}

}  // namespace
