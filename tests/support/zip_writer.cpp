#include "tests/support/zip_writer.h"

#include <cstdint>

#include <zlib.h>

namespace {
void Put16(std::string& out, uint32_t v)
{
    out += char(v & 0xFF);
    out += char((v >> 8) & 0xFF);
}
void Put32(std::string& out, uint32_t v)
{
    Put16(out, v & 0xFFFF);
    Put16(out, v >> 16);
}
}  // namespace

std::string MakeZip(const std::vector<ZipItem>& items)
{
    std::string out, central;
    for (const ZipItem& item : items)
    {
        uint32_t crc = crc32(0, reinterpret_cast<const Bytef*>(item.data.data()), uInt(item.data.size()));
        uint32_t offset = uint32_t(out.size());
        bool folder = !item.name.empty() && item.name.back() == '/';
        // local header
        Put32(out, 0x04034b50);
        Put16(out, 20);
        Put16(out, 0);
        Put16(out, 0);  // stored
        Put16(out, 0);
        Put16(out, 0x21);  // 1980-01-01
        Put32(out, crc);
        Put32(out, uint32_t(item.data.size()));
        Put32(out, uint32_t(item.data.size()));
        Put16(out, uint32_t(item.name.size()));
        Put16(out, 0);
        out += item.name;
        out += item.data;
        // central directory record
        Put32(central, 0x02014b50);
        Put16(central, 20);
        Put16(central, 20);
        Put16(central, 0);
        Put16(central, 0);
        Put16(central, 0);
        Put16(central, 0x21);
        Put32(central, crc);
        Put32(central, uint32_t(item.data.size()));
        Put32(central, uint32_t(item.data.size()));
        Put16(central, uint32_t(item.name.size()));
        Put16(central, 0);
        Put16(central, 0);
        Put16(central, 0);
        Put16(central, 0);
        Put32(central, folder ? 0x10 : 0x20);
        Put32(central, offset);
        central += item.name;
    }
    uint32_t centralOffset = uint32_t(out.size());
    out += central;
    Put32(out, 0x06054b50);
    Put16(out, 0);
    Put16(out, 0);
    Put16(out, uint32_t(items.size()));
    Put16(out, uint32_t(items.size()));
    Put32(out, uint32_t(central.size()));
    Put32(out, centralOffset);
    Put16(out, 0);
    return out;
}
