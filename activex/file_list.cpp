#include "activex/file_list.h"

#include <windows.h>
#include <shlobj.h>

#include <cstring>

#include "activex/text_bytes.h"

namespace activex {

std::vector<uint8_t> BytesOfFileList(const std::vector<host::String>& paths) {
  DROPFILES header{};
  header.pFiles = sizeof(DROPFILES);
  header.fWide = TRUE;
  std::vector<uint8_t> bytes(sizeof(header));
  std::memcpy(bytes.data(), &header, sizeof(header));
  for (const host::String& path : paths) {
    std::vector<uint8_t> one = BytesOfUtf16(path);
    bytes.insert(bytes.end(), one.begin(), one.end());
  }
  bytes.insert(bytes.end(), sizeof(char16_t), 0);  // the list's terminator
  return bytes;
}

std::vector<host::String> FileListOf(const std::vector<uint8_t>& bytes) {
  std::vector<host::String> paths;
  if (bytes.size() < sizeof(DROPFILES)) return paths;
  DROPFILES header;
  std::memcpy(&header, bytes.data(), sizeof(header));
  if (header.pFiles >= bytes.size()) return paths;
  std::vector<uint8_t> list(bytes.begin() + header.pFiles, bytes.end());
  if (header.fWide) {
    host::String all(list.size() / sizeof(char16_t), u'\0');
    std::memcpy(all.data(), list.data(), all.size() * sizeof(char16_t));
    for (size_t start = 0; start < all.size() && all[start] != u'\0';) {
      size_t end = all.find(u'\0', start);
      if (end == host::String::npos) end = all.size();
      paths.push_back(all.substr(start, end - start));
      start = end + 1;
    }
  } else {
    for (size_t start = 0; start < list.size() && list[start] != 0;) {
      size_t end = start;
      while (end < list.size() && list[end] != 0) ++end;
      paths.push_back(TextOfAnsi(std::vector<uint8_t>(list.begin() + start, list.begin() + end)));
      start = end + 1;
    }
  }
  return paths;
}

}  // namespace activex
