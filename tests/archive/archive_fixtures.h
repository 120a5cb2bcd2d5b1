// Archive fixtures built in memory: gzip through zlib, tar blocks, and a small
// zip writer with full control of every field (so that tests can make names,
// sizes and attributes lie). Shared by the archive tests, the fuzzer's seed
// corpus and the benchmark; plain C++ over zlib, native and Windows alike.
#pragma once
#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

namespace fixtures {

// gzip (one member) of the bytes; level -1 is zlib's default.
std::string Gzip(const std::string& data, int level = -1);

// zlib's crc32 of the bytes.
uint32_t Crc32(const std::string& data);

// Tar --------------------------------------------------------------------

struct TarEntry
{
    std::string name;
    std::string data;
    char type = '0';
};

// One 512-byte ustar header. The name is copied into the 100-byte field as it is
// (a 100-byte name leaves no NUL); sizeText, when given, replaces the size
// field's 12 bytes (padded with NULs). The checksum is computed last.
std::string TarHeader(const std::string& name, uint64_t size, char type, const std::string& sizeText = "");

// Recomputes the checksum field of the header at offset `at`.
void SetTarChecksum(std::string& tar, size_t at);

// Headers, data padded to 512 bytes, and (when endBlocks) two zero blocks.
std::string Tar(const std::vector<TarEntry>& entries, bool endBlocks = true);

// Zip --------------------------------------------------------------------

struct ZipItem
{
    std::string name;
    std::string data;
    bool deflate = true;
    uint32_t externalAttr = 0;     // 0x10: MS-DOS folder; (mode << 16): Unix
    uint16_t versionMadeBy = 20;   // 0x031E for Unix
    uint32_t dosDateTime = (uint32_t((2024 - 1980) << 9 | 5 << 5 | 6) << 16) | (7 << 11 | 8 << 5 | 5);
    int64_t uncompressedSizeField = -1;  // >= 0: written instead of the true size (both headers)
    bool dataDescriptor = false;   // flag bit 3: local header without CRC and sizes, descriptor after the data
    std::string extra;             // extra field, in both headers
};

struct ZipImage
{
    std::string bytes;
    std::vector<size_t> localHeader;  // offset of each item's local header
    std::vector<size_t> dataAt;       // offset of each item's (compressed) data
    std::vector<size_t> dataLength;   // length of each item's (compressed) data
};

// Local headers in item order; the central directory in centralOrder (item
// indexes; empty: item order).
ZipImage Zip(const std::vector<ZipItem>& items, const std::vector<size_t>& centralOrder = {});

// Files ------------------------------------------------------------------

std::string JoinPath(const std::string& dir, const std::string& name);
bool WriteFile(const std::string& path, const std::string& bytes);
bool MakeReadOnly(const std::string& path);

}  // namespace fixtures
