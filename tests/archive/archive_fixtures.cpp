#include "tests/archive/archive_fixtures.h"

#include <zlib.h>

#include <cstdio>
#include <cstring>
#include <stdexcept>

#ifdef _WIN32
#include <io.h>
#include <sys/stat.h>
#else
#include <sys/stat.h>
#endif

namespace fixtures {

namespace {

std::string Deflate(const std::string& data, int level, int windowBits)
{
    z_stream zs;
    memset(&zs, 0, sizeof(zs));
    if (deflateInit2(&zs, level, Z_DEFLATED, windowBits, 8, Z_DEFAULT_STRATEGY) != Z_OK)
        throw std::runtime_error("deflateInit2");
    std::string out;
    out.resize(deflateBound(&zs, uLong(data.size())) + 64);
    zs.next_in = reinterpret_cast<Bytef*>(const_cast<char*>(data.data()));
    zs.avail_in = uInt(data.size());
    zs.next_out = reinterpret_cast<Bytef*>(&out[0]);
    zs.avail_out = uInt(out.size());
    int r = deflate(&zs, Z_FINISH);
    if (r != Z_STREAM_END)
        throw std::runtime_error("deflate");
    out.resize(zs.total_out);
    deflateEnd(&zs);
    return out;
}

void Put16(std::string& s, uint32_t v)
{
    s += char(v & 0xFF);
    s += char((v >> 8) & 0xFF);
}

void Put32(std::string& s, uint32_t v)
{
    Put16(s, v & 0xFFFF);
    Put16(s, v >> 16);
}

}  // namespace

std::string Gzip(const std::string& data, int level)
{
    return Deflate(data, level, 15 + 16);
}

uint32_t Crc32(const std::string& data)
{
    return uint32_t(crc32(0, reinterpret_cast<const Bytef*>(data.data()), uInt(data.size())));
}

std::string TarHeader(const std::string& name, uint64_t size, char type, const std::string& sizeText)
{
    std::string h(512, '\0');
    memcpy(&h[0], name.data(), name.size() < 100 ? name.size() : 100);
    memcpy(&h[100], "0000644", 7);
    memcpy(&h[108], "0001750", 7);
    memcpy(&h[116], "0001750", 7);
    if (sizeText.empty())
    {
        char buf[32];
        snprintf(buf, sizeof(buf), "%011llo", static_cast<unsigned long long>(size));
        memcpy(&h[124], buf, 11);
    }
    else
    {
        memcpy(&h[124], sizeText.data(), sizeText.size() < 12 ? sizeText.size() : 12);
    }
    memcpy(&h[136], "14614072137", 11);
    h[156] = type;
    memcpy(&h[257], "ustar", 6);
    memcpy(&h[263], "00", 2);
    SetTarChecksum(h, 0);
    return h;
}

void SetTarChecksum(std::string& tar, size_t at)
{
    memset(&tar[at + 148], ' ', 8);
    unsigned sum = 0;
    for (size_t i = 0; i < 512; ++i)
        sum += static_cast<unsigned char>(tar[at + i]);
    char buf[16];
    snprintf(buf, sizeof(buf), "%06o", sum);
    memcpy(&tar[at + 148], buf, 6);
    tar[at + 154] = '\0';
    tar[at + 155] = ' ';
}

std::string Tar(const std::vector<TarEntry>& entries, bool endBlocks)
{
    std::string t;
    for (const TarEntry& e : entries)
    {
        t += TarHeader(e.name, e.data.size(), e.type);
        t += e.data;
        t.append((512 - e.data.size() % 512) % 512, '\0');
    }
    if (endBlocks)
        t.append(1024, '\0');
    return t;
}

ZipImage Zip(const std::vector<ZipItem>& items, const std::vector<size_t>& centralOrder)
{
    ZipImage z;
    struct Meta
    {
        uint32_t crc, comp, unc;
        uint16_t method;
    };
    std::vector<Meta> meta;
    for (const ZipItem& it : items)
    {
        std::string packed = it.deflate ? Deflate(it.data, 6, -15) : it.data;
        Meta m;
        m.crc = Crc32(it.data);
        m.comp = uint32_t(packed.size());
        m.unc = it.uncompressedSizeField >= 0 ? uint32_t(it.uncompressedSizeField) : uint32_t(it.data.size());
        m.method = it.deflate ? 8 : 0;
        meta.push_back(m);
        z.localHeader.push_back(z.bytes.size());
        std::string& s = z.bytes;
        Put32(s, 0x04034b50);
        Put16(s, 20);
        Put16(s, it.dataDescriptor ? 8 : 0);
        Put16(s, m.method);
        Put16(s, it.dosDateTime & 0xFFFF);
        Put16(s, it.dosDateTime >> 16);
        Put32(s, it.dataDescriptor ? 0 : m.crc);
        Put32(s, it.dataDescriptor ? 0 : m.comp);
        Put32(s, it.dataDescriptor ? 0 : m.unc);
        Put16(s, uint32_t(it.name.size()));
        Put16(s, uint32_t(it.extra.size()));
        s += it.name;
        s += it.extra;
        z.dataAt.push_back(s.size());
        z.dataLength.push_back(packed.size());
        s += packed;
        if (it.dataDescriptor)
        {
            Put32(s, 0x08074b50);
            Put32(s, m.crc);
            Put32(s, m.comp);
            Put32(s, m.unc);
        }
    }
    std::vector<size_t> order = centralOrder;
    if (order.empty())
        for (size_t i = 0; i < items.size(); ++i)
            order.push_back(i);
    size_t cdStart = z.bytes.size();
    for (size_t i : order)
    {
        const ZipItem& it = items[i];
        const Meta& m = meta[i];
        std::string& s = z.bytes;
        Put32(s, 0x02014b50);
        Put16(s, it.versionMadeBy);
        Put16(s, 20);
        Put16(s, it.dataDescriptor ? 8 : 0);
        Put16(s, m.method);
        Put16(s, it.dosDateTime & 0xFFFF);
        Put16(s, it.dosDateTime >> 16);
        Put32(s, m.crc);
        Put32(s, m.comp);
        Put32(s, m.unc);
        Put16(s, uint32_t(it.name.size()));
        Put16(s, uint32_t(it.extra.size()));
        Put16(s, 0);
        Put16(s, 0);
        Put16(s, 0);
        Put32(s, it.externalAttr);
        Put32(s, uint32_t(z.localHeader[i]));
        s += it.name;
        s += it.extra;
    }
    size_t cdSize = z.bytes.size() - cdStart;
    std::string& s = z.bytes;
    Put32(s, 0x06054b50);
    Put16(s, 0);
    Put16(s, 0);
    Put16(s, uint32_t(order.size()));
    Put16(s, uint32_t(order.size()));
    Put32(s, uint32_t(cdSize));
    Put32(s, uint32_t(cdStart));
    Put16(s, 0);
    return z;
}

std::string JoinPath(const std::string& dir, const std::string& name)
{
#ifdef _WIN32
    return dir + "\\" + name;
#else
    return dir + "/" + name;
#endif
}

bool WriteFile(const std::string& path, const std::string& bytes)
{
    FILE* f = fopen(path.c_str(), "wb");
    if (!f)
        return false;
    bool ok = fwrite(bytes.data(), 1, bytes.size(), f) == bytes.size();
    return fclose(f) == 0 && ok;
}

bool MakeReadOnly(const std::string& path)
{
#ifdef _WIN32
    return _chmod(path.c_str(), _S_IREAD) == 0;
#else
    return chmod(path.c_str(), 0444) == 0;
#endif
}

}  // namespace fixtures
