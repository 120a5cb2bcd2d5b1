// TEMP STUB (not committed)
#pragma once
#include <string>
class CArchiveReader {
public:
  void Close() {}
  int Open(const char*) { return 0; }
  int GetCount() { return -1; }
  int GetEntry(int, const unsigned char*&, unsigned int&, int&, std::string&) { return 0; }
  std::string GetErrorText() { return ""; }
};
