// Builds small zip archives in memory for tests (entries stored, CRCs from zlib).
#pragma once
#include <string>
#include <vector>

struct ZipItem
{
    std::string name;  // "/" separators; a folder's name ends in "/"
    std::string data;
};

std::string MakeZip(const std::vector<ZipItem>& items);
