// Turns a cursor drawn as text into a .cur file that windres embeds: a monochrome cursor,
// one character a pixel ('#' black, 'o' white, '.' transparent, '~' inverted), drawn 32 x 32
// after a line "hotspot X Y". Lines starting with ';' are comments. The file holds the
// picture at 32, 48 and 64 pixels (96, 144 and 192 pixels per inch), each larger one with
// every pixel of the drawing as a whole block of pixels, so that LoadImage finds the size
// it is asked for instead of stretching one.
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
constexpr int kSizes[] = {32, 48, 64};

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

  for (const std::string& row : rows)
    for (char pixel : row)
      if (std::string_view("#o.~").find(pixel) == std::string_view::npos)
        Fail(std::string("unknown pixel '") + pixel + "'");

  std::vector<std::vector<uint8_t>> images;
  for (int size : kSizes) {
    // Monochrome rows are padded to whole 32-bit words.
    const int rowBytes = (size + 31) / 32 * 4, maskBytes = rowBytes * size;
    // XOR (colour) and AND (transparency) bitmaps, bottom-up, 1 = white / transparent.
    std::vector<uint8_t> colour(maskBytes, 0), mask(maskBytes, 0);
    for (int y = 0; y < size; ++y) {
      for (int x = 0; x < size; ++x) {
        // '#' black, 'o' white, '.' transparent, '~' inverted: the colour bit and the mask bit.
        const auto kind = std::string_view("#o.~").find(rows[y * kSize / size][x * kSize / size]);
        const bool white = kind & 1, transparent = kind & 2;
        const int at = (size - 1 - y) * rowBytes + x / 8;
        const uint8_t bit = 0x80 >> (x % 8);
        if (white) colour[at] |= bit;
        if (transparent) mask[at] |= bit;
      }
    }
    std::vector<uint8_t> image;
    Put32(image, 40);  // BITMAPINFOHEADER
    Put32(image, size);
    Put32(image, size * 2);  // colour and mask stacked
    Put16(image, 1);
    Put16(image, 1);
    Put32(image, 0);
    Put32(image, maskBytes * 2);
    Put32(image, 0);
    Put32(image, 0);
    Put32(image, 2);
    Put32(image, 0);
    Put32(image, 0x00000000);  // palette: black, white
    Put32(image, 0x00FFFFFF);
    image.insert(image.end(), colour.begin(), colour.end());
    image.insert(image.end(), mask.begin(), mask.end());
    images.push_back(std::move(image));
  }

  std::vector<uint8_t> file;
  const int count = static_cast<int>(images.size());
  Put16(file, 0);  // ICONDIR: reserved, type 2 (cursor), the images
  Put16(file, 2);
  Put16(file, static_cast<uint16_t>(count));
  uint32_t offset = 6 + 16 * count;
  for (int i = 0; i < count; ++i) {
    const int size = kSizes[i];
    file.push_back(static_cast<uint8_t>(size));  // ICONDIRENTRY
    file.push_back(static_cast<uint8_t>(size));
    file.push_back(2);
    file.push_back(0);
    // The middle of the hot spot's block of pixels.
    auto hot = [size](int at) {
      const int first = (at * size + kSize - 1) / kSize, last = ((at + 1) * size + kSize - 1) / kSize - 1;
      return static_cast<uint16_t>((first + last + 1) / 2);
    };
    Put16(file, hot(hotX));
    Put16(file, hot(hotY));
    Put32(file, static_cast<uint32_t>(images[i].size()));
    Put32(file, offset);
    offset += static_cast<uint32_t>(images[i].size());
  }
  for (const auto& image : images) file.insert(file.end(), image.begin(), image.end());

  std::ofstream out(argv[2], std::ios::binary);
  out.write(reinterpret_cast<const char*>(file.data()), static_cast<std::streamsize>(file.size()));
  if (!out) Fail(std::string("cannot write ") + argv[2]);
  return 0;
}
