// Archive reader benchmark: entries/s and MB/s for a 10,000-entry tar.gz and a
// zip holding one 200 MB entry, and the reading process's peak memory.
//
//   archive_bench generate DIR [--entries N] [--mb M]   makes DIR/bench.tar.gz and DIR/bench.zip
//   archive_bench read FILE [--quadratic]                reads every entry of FILE and reports
//
// Each read runs in a process of its own (scripts/bench-archive does both
// steps), so that its peak memory is the reader's and not the generator's.
// --quadratic also times the plain tar walk (every GetEntry walks from the
// first header) over the same data, for comparison.
// Not a test: no timing is asserted anywhere.
#include <zlib.h>

#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string>
#include <vector>

#ifdef _WIN32
#include <windows.h>
#include <psapi.h>
#else
#include <sys/resource.h>
#endif

#include "archive/archive_reader.h"
#include "tests/archive/archive_fixtures.h"

namespace {

double PeakMemoryMB()
{
#ifdef _WIN32
    PROCESS_MEMORY_COUNTERS pmc;
    if (GetProcessMemoryInfo(GetCurrentProcess(), &pmc, sizeof(pmc)))
        return double(pmc.PeakWorkingSetSize) / (1024.0 * 1024.0);
    return -1;
#else
    struct rusage ru;
    getrusage(RUSAGE_SELF, &ru);
    return double(ru.ru_maxrss) / 1024.0;  // kilobytes on Linux
#endif
}

double Seconds(std::chrono::steady_clock::time_point a, std::chrono::steady_clock::time_point b)
{
    return std::chrono::duration<double>(b - a).count();
}

// Text-like bytes from a small vocabulary: compresses about 3:1 like real files.
struct TextSource
{
    unsigned x = 20240506;
    void Fill(std::string& out, size_t n)
    {
        static const char* kWords[] = {"install ", "Ostrevan ", "setup ", "archive ", "\r\n", "folder ",
                                       "0x1f8b ", "entry ", "gzip ", "data ", "tar ", "zip ", "file ", "the ",
                                       "of ", "and "};
        out.clear();
        while (out.size() < n)
        {
            x = x * 1103515245u + 12345u;
            out += kWords[(x >> 16) & 15];
            if (((x >> 8) & 31) == 0)
                out += char('A' + (x >> 20) % 26);
        }
        out.resize(n);
    }
};

bool MakeTarGz(const std::string& path, int nEntries)
{
    std::vector<fixtures::TarEntry> entries;
    TextSource src;
    std::string data;
    for (int i = 0; i < nEntries; ++i)
    {
        if (i % 100 == 0)
        {
            entries.push_back({"dir" + std::to_string(i / 100) + "/", "", '5'});
            continue;
        }
        unsigned x = unsigned(i) * 2654435761u;
        src.Fill(data, (x >> 8) % 8192);
        entries.push_back({"dir" + std::to_string(i / 100) + "/file" + std::to_string(i) + ".txt", data, '0'});
    }
    return fixtures::WriteFile(path, fixtures::Gzip(fixtures::Tar(entries)));
}

void Put16(FILE* f, unsigned v)
{
    fputc(int(v & 0xFF), f);
    fputc(int((v >> 8) & 0xFF), f);
}
void Put32(FILE* f, uint32_t v)
{
    Put16(f, v & 0xFFFF);
    Put16(f, v >> 16);
}

// One deflated entry of `mb` megabytes, streamed to the file (the generator
// never holds the whole entry).
bool MakeZip(const std::string& path, size_t mb)
{
    FILE* f = fopen(path.c_str(), "wb+");
    if (!f)
        return false;
    const std::string name = "payload/big.dat";
    const uint32_t dosTime = (uint32_t((2024 - 1980) << 9 | 5 << 5 | 6) << 16) | (7 << 11 | 8 << 5 | 5);
    auto local = [&](uint32_t crc, uint32_t comp, uint32_t unc) {
        Put32(f, 0x04034b50);
        Put16(f, 20);
        Put16(f, 0);
        Put16(f, 8);
        Put16(f, dosTime & 0xFFFF);
        Put16(f, dosTime >> 16);
        Put32(f, crc);
        Put32(f, comp);
        Put32(f, unc);
        Put16(f, unsigned(name.size()));
        Put16(f, 0);
        fwrite(name.data(), 1, name.size(), f);
    };
    local(0, 0, 0);
    z_stream zs;
    memset(&zs, 0, sizeof(zs));
    deflateInit2(&zs, 6, Z_DEFLATED, -15, 8, Z_DEFAULT_STRATEGY);
    TextSource src;
    std::string chunk;
    std::vector<unsigned char> out(1 << 20);
    uint32_t crc = 0;
    size_t total = mb << 20;
    for (size_t done = 0; done < total;)
    {
        size_t n = total - done < (4u << 20) ? total - done : (4u << 20);
        src.Fill(chunk, n);
        done += n;
        crc = uint32_t(crc32(crc, reinterpret_cast<const Bytef*>(chunk.data()), uInt(n)));
        zs.next_in = reinterpret_cast<Bytef*>(&chunk[0]);
        zs.avail_in = uInt(n);
        int flush = done == total ? Z_FINISH : Z_NO_FLUSH;
        do
        {
            zs.next_out = out.data();
            zs.avail_out = uInt(out.size());
            deflate(&zs, flush);
            fwrite(out.data(), 1, out.size() - zs.avail_out, f);
        } while (zs.avail_out == 0 || (flush == Z_FINISH && zs.avail_in > 0));
    }
    uint32_t comp = uint32_t(zs.total_out), unc = uint32_t(total);
    deflateEnd(&zs);
    long cdStart = ftell(f);
    Put32(f, 0x02014b50);
    Put16(f, 20);
    Put16(f, 20);
    Put16(f, 0);
    Put16(f, 8);
    Put16(f, dosTime & 0xFFFF);
    Put16(f, dosTime >> 16);
    Put32(f, crc);
    Put32(f, comp);
    Put32(f, unc);
    Put16(f, unsigned(name.size()));
    Put16(f, 0);
    Put16(f, 0);
    Put16(f, 0);
    Put16(f, 0);
    Put32(f, 0);
    Put32(f, 0);
    fwrite(name.data(), 1, name.size(), f);
    long cdEnd = ftell(f);
    Put32(f, 0x06054b50);
    Put16(f, 0);
    Put16(f, 0);
    Put16(f, 1);
    Put16(f, 1);
    Put32(f, uint32_t(cdEnd - cdStart));
    Put32(f, uint32_t(cdStart));
    Put16(f, 0);
    fseek(f, 0, SEEK_SET);
    local(crc, comp, unc);
    return fclose(f) == 0;
}

// The plain tar walk: every entry walks from the first header.
double QuadraticWalk(const unsigned char* base, int count)
{
    auto t0 = std::chrono::steady_clock::now();
    unsigned long long visits = 0;
    for (int index = 0; index < count; ++index)
    {
        const unsigned char* p = base;
        for (int i = 0; i < index; ++i)
        {
            uint32_t size = CArchiveReader::ParseOctal(p + 124, 12);
            if (!CArchiveReader::TarChecksumPasses(p))
                return -1;
            p += 512 + ((size + 511) & ~511u);
            ++visits;
        }
        if (!CArchiveReader::TarChecksumPasses(p))
            return -1;
        ++visits;
    }
    double s = Seconds(t0, std::chrono::steady_clock::now());
    printf("  quadratic walk (from the first header each time): %llu header visits, %.2f s\n", visits, s);
    return s;
}

int Read(const std::string& path, bool quadratic)
{
    double before = PeakMemoryMB();
    auto t0 = std::chrono::steady_clock::now();
    CArchiveReader r;
    r.Close();
    if (!r.Open(path.c_str()))
    {
        fprintf(stderr, "Open failed: %s\n", r.GetErrorText().c_str());
        return 1;
    }
    auto t1 = std::chrono::steady_clock::now();
    int count = r.GetCount();
    if (count < 0)
    {
        fprintf(stderr, "GetCount failed: %s\n", r.GetErrorText().c_str());
        return 1;
    }
    unsigned long long bytes = 0;
    unsigned sum = 0;
    const unsigned char* first = nullptr;
    for (int i = 0; i < count; ++i)
    {
        const unsigned char* p = nullptr;
        uint32_t n = 0;
        int isFile = 0;
        std::string name;
        if (!r.GetEntry(i, p, n, isFile, name))
        {
            fprintf(stderr, "GetEntry(%d) failed: %s\n", i, r.GetErrorText().c_str());
            return 1;
        }
        if (i == 0)
            first = p;
        bytes += n;
        for (uint32_t k = 0; k < n; k += 4096)  // touch the data as a writer would
            sum += p[k];
    }
    auto t2 = std::chrono::steady_clock::now();
    double open = Seconds(t0, t1), all = Seconds(t0, t2);
    const char* type = r.GetType() == 1 ? "zip" : r.GetType() == 2 ? "gzip" : "tar.gz";
    printf("%-7s %6d entries  %8.1f MB  open %.3f s  entries %.3f s  total %.3f s  %10.0f entries/s  %8.1f MB/s"
           "  peak %.1f MB (%.1f MB before Open)  [%u]\n",
           type, count, double(bytes) / 1048576.0, open, all - open, all, all > 0 ? count / all : 0.0,
           all > 0 ? double(bytes) / 1048576.0 / all : 0.0, PeakMemoryMB(), before, sum & 1);
    if (quadratic && r.GetType() == 3 && first)
        QuadraticWalk(first - 512, count);
    return 0;
}

}  // namespace

int main(int argc, char** argv)
{
    if (argc >= 3 && std::string(argv[1]) == "generate")
    {
        std::string dir = argv[2];
        int entries = 10000;
        size_t mb = 200;
        for (int i = 3; i + 1 < argc; i += 2)
        {
            if (std::string(argv[i]) == "--entries")
                entries = atoi(argv[i + 1]);
            else if (std::string(argv[i]) == "--mb")
                mb = size_t(atoi(argv[i + 1]));
        }
        std::string tgz = fixtures::JoinPath(dir, "bench.tar.gz"), zip = fixtures::JoinPath(dir, "bench.zip");
        if (!MakeTarGz(tgz, entries) || !MakeZip(zip, mb))
        {
            fprintf(stderr, "cannot write the archives into %s\n", dir.c_str());
            return 1;
        }
        printf("generated %s (%d entries) and %s (one %zu MB entry)\n", tgz.c_str(), entries, zip.c_str(), mb);
        return 0;
    }
    if (argc >= 3 && std::string(argv[1]) == "read")
        return Read(argv[2], argc >= 4 && std::string(argv[3]) == "--quadratic");
    fprintf(stderr,
            "usage: %s generate DIR [--entries N] [--mb M]\n"
            "       %s read FILE [--quadratic]\n",
            argv[0], argv[0]);
    return 2;
}
