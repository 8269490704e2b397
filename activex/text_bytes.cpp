#include "activex/text_bytes.h"

#include <windows.h>

#include <cstring>

namespace activex {

std::vector<uint8_t> BytesOfUtf16(host::StringView text) {
  auto first = reinterpret_cast<const uint8_t*>(text.data());
  std::vector<uint8_t> bytes(first, first + text.size() * sizeof(char16_t));
  bytes.insert(bytes.end(), sizeof(char16_t), 0);
  return bytes;
}

std::vector<uint8_t> BytesOfAnsi(host::StringView text) {
  auto wide = reinterpret_cast<const wchar_t*>(text.data());
  int length = WideCharToMultiByte(CP_ACP, 0, wide, static_cast<int>(text.size()), nullptr, 0, nullptr, nullptr);
  std::vector<uint8_t> bytes(static_cast<size_t>(length) + 1, 0);
  WideCharToMultiByte(CP_ACP, 0, wide, static_cast<int>(text.size()), reinterpret_cast<char*>(bytes.data()), length,
                      nullptr, nullptr);
  return bytes;
}

host::String TextOfUtf16(const std::vector<uint8_t>& bytes) {
  host::String text(bytes.size() / sizeof(char16_t), u'\0');
  std::memcpy(text.data(), bytes.data(), text.size() * sizeof(char16_t));
  return text.substr(0, text.find(u'\0'));
}

host::String TextOfAnsi(const std::vector<uint8_t>& bytes) {
  auto ansi = reinterpret_cast<const char*>(bytes.data());
  int size = static_cast<int>(strnlen(ansi, bytes.size()));
  int length = MultiByteToWideChar(CP_ACP, 0, ansi, size, nullptr, 0);
  host::String text(static_cast<size_t>(length), u'\0');
  MultiByteToWideChar(CP_ACP, 0, ansi, size, reinterpret_cast<wchar_t*>(text.data()), length);
  return text;
}

}  // namespace activex
