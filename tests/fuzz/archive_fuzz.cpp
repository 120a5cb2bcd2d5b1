// libFuzzer target: arbitrary bytes as an archive file, through CArchiveReader's
// Open, GetCount and every GetEntry (and a few beyond), touching every byte it
// hands out so that AddressSanitizer sees any read past the data. The reader's
// own rules are checked too; a broken one aborts like a crash.
//   scripts/test-native runs a short bounded pass; see its header for longer runs.
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <string>

#include <unistd.h>

#include "archive/archive_reader.h"

namespace {

std::string g_path;

void RemoveInput()
{
    if (!g_path.empty())
        unlink(g_path.c_str());
}

void Check(bool ok, const char* what)
{
    if (!ok)
    {
        fprintf(stderr, "archive_fuzz: rule broken: %s\n", what);
        abort();
    }
}

volatile unsigned g_sink;

void Touch(const unsigned char* p, uint32_t n)
{
    unsigned sum = 0;
    for (uint32_t i = 0; i < n; ++i)
        sum += p[i];
    g_sink = sum;
}

}  // namespace

extern "C" int LLVMFuzzerInitialize(int*, char***)
{
    const char* dir = getenv("TMPDIR");
    std::string tmpl = std::string(dir && *dir ? dir : "/tmp") + "/archive_fuzz_XXXXXX";
    int fd = mkstemp(&tmpl[0]);
    if (fd < 0)
    {
        perror("mkstemp");
        abort();
    }
    close(fd);
    g_path = tmpl;
    atexit(RemoveInput);
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    FILE* f = fopen(g_path.c_str(), "wb");
    if (!f)
        abort();
    if (size && fwrite(data, 1, size, f) != size)
        abort();
    fclose(f);

    CArchiveReader r;
    r.Close();
    if (r.Open(g_path.c_str()) != 1)
    {
        Check(!r.GetErrorText().empty(), "a failed Open has an error text");
        return 0;
    }
    int type = r.GetType();
    Check(type >= 1 && type <= 3, "Open gives type 1, 2 or 3");
    int count = r.GetCount();
    if (type == 2)
        Check(count == 1, "plain gzip has one entry");
    if (type == 3)
        Check(count >= 0, "tar data was loaded by Open");
    int limit = count < 0 ? 0 : (count > 2000 ? 2000 : count);

    const unsigned char* first = nullptr;
    for (int i = -2; i <= limit + 2; ++i)
    {
        const unsigned char* p = nullptr;
        uint32_t n = 0;
        int isFile = -1;
        std::string name;
        std::string before = r.GetErrorText();
        int ok = r.GetEntry(i, p, n, isFile, name);
        if (!ok)
        {
            if (type == 3)
            {
                int k = i < 0 ? 0 : i;  // an index of 0 or less is the first entry
                Check(k >= count, "tar entries below the count can be read");
                if (k == count)
                    Check(r.GetErrorText() == before, "tar index at the count leaves the text");
                else
                    Check(r.GetErrorText() == "Invalid file position !", "tar index beyond the count");
            }
            Check(type != 2, "plain gzip answers every index");
            continue;
        }
        Check(isFile == 0 || isFile == 1, "isFile is 0 or 1");
        Check(p != nullptr || n == 0, "data for a non-empty entry");
        if (n)
            Touch(p, n);
        if (type == 1)
            Check(p[n] == 0, "zip data ends in NUL");
        if (type == 2)
        {
            Check(name == "unknown", "plain gzip entry name");
            if (!first)
                first = p;
            Check(p == first, "plain gzip hands out one buffer");
        }
        if (type == 3)
            Check(i < count || (i <= 0 && count > 0), "tar entry index below the count");
    }
    r.Close();
    Check(r.GetErrorText().empty(), "Close empties the text");
    return 0;
}
