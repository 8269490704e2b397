// Turns a cursor drawn as text into a .cur file that windres embeds: a 32 x 32 monochrome
// cursor, one character a pixel ('#' black, 'o' white, '.' transparent, '~' inverted),
// after a line "hotspot X Y". Lines starting with ';' are comments.
//
// usage: cursor_from_text input.txt output.cur
#include <cstdint>
#include <cstdio>
#include <fstream>
#include <iostream>
#include <sstream>
#include <string>
#include <string_view>
#include <vector>

namespace {

constexpr int kSize = 32;
constexpr int kRowBytes = kSize / 8;
constexpr int kMaskBytes = kRowBytes * kSize;

void Put16(std::vector<uint8_t>& out, uint16_t value) {
  out.push_back(value & 0xFF);
  out.push_back(value >> 8);
}

void Put32(std::vector<uint8_t>& out, uint32_t value) {
  for (int i = 0; i < 4; ++i) out.push_back((value >> (8 * i)) & 0xFF);
}

[[noreturn]] void Fail(const std::string& what) {
  std::cerr << "cursor_from_text: " << what << "\n";
  std::exit(1);
}

}  // namespace

int main(int argc, char** argv) {
  if (argc != 3) Fail("usage: cursor_from_text input.txt output.cur");
  std::ifstream in(argv[1]);
  if (!in) Fail(std::string("cannot read ") + argv[1]);

  int hotX = -1, hotY = -1;
  std::vector<std::string> rows;
  for (std::string line; std::getline(in, line);) {
    if (!line.empty() && line.back() == '\r') line.pop_back();
    if (line.empty() || line[0] == ';') continue;
    if (line.rfind("hotspot", 0) == 0) {
      std::istringstream(line.substr(7)) >> hotX >> hotY;
      continue;
    }
    if (line.size() != kSize) Fail("row " + std::to_string(rows.size() + 1) + " is not 32 pixels wide");
    rows.push_back(line);
  }
  if (rows.size() != kSize) Fail("the picture must be 32 rows high");
  if (hotX < 0 || hotX >= kSize || hotY < 0 || hotY >= kSize) Fail("hotspot missing or outside the picture");

  // XOR (colour) and AND (transparency) bitmaps, bottom-up, 1 = white / transparent.
  std::vector<uint8_t> colour(kMaskBytes, 0), mask(kMaskBytes, 0);
  for (int y = 0; y < kSize; ++y) {
    for (int x = 0; x < kSize; ++x) {
      // '#' black, 'o' white, '.' transparent, '~' inverted: the colour bit and the mask bit.
      const std::string_view kinds = "#o.~";
      const auto kind = kinds.find(rows[y][x]);
      if (kind == std::string_view::npos)
        Fail(std::string("unknown pixel '") + rows[y][x] + "' in row " + std::to_string(y + 1));
      const bool white = kind & 1, transparent = kind & 2;
      const int at = (kSize - 1 - y) * kRowBytes + x / 8;
      const uint8_t bit = 0x80 >> (x % 8);
      if (white) colour[at] |= bit;
      if (transparent) mask[at] |= bit;
    }
  }

  std::vector<uint8_t> image;
  Put32(image, 40);  // BITMAPINFOHEADER
  Put32(image, kSize);
  Put32(image, kSize * 2);  // colour and mask stacked
  Put16(image, 1);
  Put16(image, 1);
  Put32(image, 0);
  Put32(image, kMaskBytes * 2);
  Put32(image, 0);
  Put32(image, 0);
  Put32(image, 2);
  Put32(image, 0);
  Put32(image, 0x00000000);  // palette: black, white
  Put32(image, 0x00FFFFFF);
  image.insert(image.end(), colour.begin(), colour.end());
  image.insert(image.end(), mask.begin(), mask.end());

  std::vector<uint8_t> file;
  Put16(file, 0);  // ICONDIR: reserved, type 2 (cursor), one image
  Put16(file, 2);
  Put16(file, 1);
  file.push_back(kSize);  // ICONDIRENTRY
  file.push_back(kSize);
  file.push_back(2);
  file.push_back(0);
  Put16(file, static_cast<uint16_t>(hotX));
  Put16(file, static_cast<uint16_t>(hotY));
  Put32(file, static_cast<uint32_t>(image.size()));
  Put32(file, 6 + 16);
  file.insert(file.end(), image.begin(), image.end());

  std::ofstream out(argv[2], std::ios::binary);
  out.write(reinterpret_cast<const char*>(file.data()), static_cast<std::streamsize>(file.size()));
  if (!out) Fail(std::string("cannot write ") + argv[2]);
  return 0;
}
