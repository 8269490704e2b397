// What hosts and regsvr32 rely on in both shipped files, checked without running them:
// architecture, COM exports, system-only imports, type library, version, toolbox picture
// and cursors. The files are read as PE images from their bytes: no Windows tools needed.
#include <gtest/gtest.h>

#include <algorithm>
#include <cctype>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <optional>
#include <set>
#include <span>
#include <stdexcept>
#include <string>
#include <vector>

namespace {

using Bytes = std::span<const uint8_t>;
constexpr uint32_t kHighBit = 0x80000000;

uint16_t U16At(Bytes data, size_t offset) {
  if (offset + 2 > data.size()) throw std::runtime_error("read past the end");
  return static_cast<uint16_t>(data[offset] | data[offset + 1] << 8);
}

uint32_t U32At(Bytes data, size_t offset) { return U16At(data, offset) | uint32_t{U16At(data, offset + 2)} << 16; }

class PeImage {
 public:
  // Throws std::runtime_error when the file cannot be read or is not a PE image.
  explicit PeImage(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    bytes_.assign(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
    if (bytes_.size() < 0x40 || U16(0) != 0x5a4d) throw std::runtime_error(path + ": no MZ header");
    const size_t coff = U32(0x3c) + 4;
    if (U32(coff - 4) != 0x00004550) throw std::runtime_error(path + ": no PE signature");
    machine = U16(coff);
    characteristics = U16(coff + 18);
    const size_t optional = coff + 20;
    magic = U16(optional);
    const size_t directories = optional + (magic == 0x10b ? 96 : 112);
    for (size_t i = 0; i < std::size(rvas_) && i < U32(directories - 4); ++i) rvas_[i] = U32(directories + 8 * i);
    for (size_t i = 0, s = optional + U16(coff + 16); i < U16(coff + 2); ++i, s += 40)
      sections_.push_back({U32(s + 12), U32(s + 20), U32(s + 16)});
  }

  std::vector<std::string> ExportNames() const {
    std::vector<std::string> names;
    if (rvas_[0] == 0) return names;
    const size_t directory = Offset(rvas_[0]), nameTable = Offset(U32(directory + 32));
    for (uint32_t i = 0; i < U32(directory + 24); ++i) names.push_back(CString(Offset(U32(nameTable + 4 * i))));
    return names;
  }

  std::vector<std::string> ImportedDlls() const {
    std::vector<std::string> names;
    for (size_t descriptor = rvas_[1] ? Offset(rvas_[1]) : 0; descriptor && U32(descriptor + 12); descriptor += 20)
      names.push_back(CString(Offset(U32(descriptor + 12))));
    return names;
  }

  // Data of resource `id` of a named type ("TYPELIB") or a numbered one ("#16" for
  // RT_VERSION), in its first language; nothing when the image has no such resource.
  std::optional<Bytes> Resource(const std::string& type, uint16_t id) const {
    if (rvas_[2] == 0) return std::nullopt;
    const size_t base = Offset(rvas_[2]);
    size_t at = base;
    // Type and name lead to directories; the first language (the empty key) to the data.
    for (const std::string& key : {type, "#" + std::to_string(id), std::string()}) {
      std::optional<uint32_t> target;
      for (size_t i = 0, n = U16(at + 12) + U16(at + 14); i < n && !target; ++i)
        if (key.empty() || EntryName(base, U32(at + 16 + 8 * i)) == key) target = U32(at + 20 + 8 * i);
      if (!target) return std::nullopt;
      at = base + (*target & ~kHighBit);
    }
    const size_t data = Offset(U32(at)), size = U32(at + 4);
    if (data + size > bytes_.size()) throw std::runtime_error("resource data past the end of the image");
    return Bytes(bytes_.data() + data, size);
  }

  uint16_t machine = 0, magic = 0, characteristics = 0;

 private:
  struct Section {
    uint32_t virtualAddress, rawOffset, rawSize;
  };

  uint16_t U16(size_t offset) const { return U16At(bytes_, offset); }
  uint32_t U32(size_t offset) const { return U32At(bytes_, offset); }
  std::string CString(size_t offset) const {
    std::string text;
    for (; offset < bytes_.size() && bytes_[offset] != 0; ++offset) text += static_cast<char>(bytes_[offset]);
    return text;
  }
  // Resource names are UTF-16 with a length prefix (ours are plain ASCII); ids read as "#<id>".
  std::string EntryName(size_t base, uint32_t name) const {
    if (!(name & kHighBit)) return "#" + std::to_string(name);
    std::string decoded;
    const size_t text = base + (name & ~kHighBit);
    for (size_t c = 0; c < U16(text); ++c) decoded += static_cast<char>(U16(text + 2 + 2 * c));
    return decoded;
  }
  size_t Offset(uint32_t rva) const {
    for (const Section& s : sections_)
      if (rva >= s.virtualAddress && rva - s.virtualAddress < s.rawSize) return s.rawOffset + (rva - s.virtualAddress);
    throw std::runtime_error("address outside the file data of every section");
  }

  std::vector<uint8_t> bytes_;
  std::vector<Section> sections_;
  uint32_t rvas_[3] = {};  // of the export, import and resource directories
};

struct OcxBuild {
  const char* name;
  const char* path;
  uint16_t machine, optionalMagic;
  uint32_t typelibSyskind;  // SYS_WIN32 = 1, SYS_WIN64 = 3
};

const OcxBuild kBuilds[] = {{"Win32", OV_WIN32_OCX, 0x014c, 0x10b, 1}, {"Win64", OV_WIN64_OCX, 0x8664, 0x20b, 3}};

constexpr const char *kRtCursor = "#1", *kRtBitmap = "#2", *kRtGroupCursor = "#12", *kRtVersion = "#16";

bool Contains(Bytes data, const std::string& text) {
  return std::search(data.begin(), data.end(), text.begin(), text.end()) != data.end();
}

class OcxFileTest : public testing::TestWithParam<OcxBuild> {
 protected:
  void SetUp() override {
    ASSERT_TRUE(std::filesystem::exists(GetParam().path))
        << GetParam().path << " is missing: build the " << GetParam().name << " tree first";
    image.emplace(GetParam().path);
  }
  std::optional<PeImage> image;
};

// A DLL of its architecture with the COM server's entry points undecorated, importing only
// Windows system DLLs: the compiler runtimes are linked statically, as a host machine has
// none of their DLLs.
TEST_P(OcxFileTest, IsAComServerDllOfItsArchitectureImportingOnlySystemDlls) {
  EXPECT_EQ(std::pair(image->machine, image->magic), std::pair(GetParam().machine, GetParam().optionalMagic));
  EXPECT_TRUE(image->characteristics & 0x2000);  // IMAGE_FILE_DLL
  const auto exports = image->ExportNames();
  for (const char* name :
       {"DllRegisterServer", "DllUnregisterServer", "DllInstall", "DllGetClassObject", "DllCanUnloadNow"})
    EXPECT_NE(std::find(exports.begin(), exports.end(), name), exports.end()) << name;
  const std::set<std::string> allowed = {"kernel32.dll", "user32.dll",   "gdi32.dll",   "advapi32.dll",
                                         "ole32.dll",    "oleaut32.dll", "shell32.dll", "shlwapi.dll",
                                         "comctl32.dll", "msvcrt.dll",   "oleacc.dll"};
  auto imports = image->ImportedDlls();
  EXPECT_FALSE(imports.empty());
  for (std::string& dll : imports) {
    std::transform(dll.begin(), dll.end(), dll.begin(), [](unsigned char c) { return std::tolower(c); });
    EXPECT_TRUE(allowed.count(dll)) << dll;
  }
}

TEST_P(OcxFileTest, EmbedsTheTypeLibraryOfItsArchitectureAsTypelib1) {
  const auto typelib = image->Resource("TYPELIB", 1);
  ASSERT_TRUE(typelib);
  ASSERT_GE(typelib->size(), 0x54u);
  EXPECT_EQ(std::string(typelib->begin(), typelib->begin() + 4), "MSFT");
  EXPECT_EQ(U32At(*typelib, 0x14) & 0xf, GetParam().typelibSyskind);
  // widl leaves "\n" escaped; the build must turn it into the line break of Resize's help.
  EXPECT_TRUE(Contains(*typelib, "the size of an object changes.\n"));
  EXPECT_FALSE(Contains(*typelib, "changes.\\n"));
}

TEST_P(OcxFileTest, CarriesVersion1_0_0_45AndTheSixteenByFifteenToolboxBitmap) {
  const auto version = image->Resource(kRtVersion, 1);
  ASSERT_TRUE(version);
  // VS_VERSIONINFO: three WORDs, L"VS_VERSION_INFO" with its terminator, padding to a
  // DWORD boundary, then VS_FIXEDFILEINFO.
  const size_t fixed = (6 + 2 * 16 + 3) & ~size_t{3};
  ASSERT_EQ(U32At(*version, fixed), 0xFEEF04BDu);
  // File version 1.0 and .0.45, then the product version the same.
  for (size_t at : {fixed + 8, fixed + 16})
    EXPECT_EQ(std::pair(U32At(*version, at), U32At(*version, at + 4)), std::pair(0x00010000u, 0x0000002Du)) << at;
  const auto bitmap = image->Resource(kRtBitmap, 1);
  ASSERT_TRUE(bitmap);
  // BITMAPINFOHEADER biWidth and biHeight, bottom-up.
  EXPECT_EQ(std::pair(U32At(*bitmap, 4), U32At(*bitmap, 8)), std::pair(16u, 15u));
}

// Each at 32, 48 and 64 pixels, its hot spot in the middle of the drawing's pixel (15, 15).
TEST_P(OcxFileTest, CarriesTheTwoSplitterCursorsAtThreeSizesWithTheirHotSpotAtTheCentre) {
  for (uint16_t id : {uint16_t{120}, uint16_t{121}}) {
    // The group: NEWHEADER (reserved, type 2 for cursors, count 3), then a 14-byte entry a
    // size: wide, twice as high (colour and mask), 1 bit per pixel, its last WORD the
    // RT_CURSOR image, which starts with the hot spot; its BITMAPINFOHEADER biWidth follows.
    const auto group = image->Resource(kRtGroupCursor, id);
    ASSERT_TRUE(group) << "cursor group " << id;
    ASSERT_GE(group->size(), 6u + 3 * 14u) << id;
    EXPECT_EQ((std::vector<int>{U16At(*group, 2), U16At(*group, 4)}), (std::vector<int>{2, 3})) << id;
    for (int i = 0; i < 3; ++i) {
      const int size = 32 + 16 * i, hot = 15 + 8 * i, entry = 6 + 14 * i;
      EXPECT_EQ((std::vector<int>{U16At(*group, entry), U16At(*group, entry + 2), U16At(*group, entry + 6)}),
                (std::vector<int>{size, 2 * size, 1}))
          << id << " at " << size;
      const auto cursor = image->Resource(kRtCursor, U16At(*group, entry + 12));
      ASSERT_TRUE(cursor) << id << " at " << size;
      EXPECT_EQ((std::vector<int>{U16At(*cursor, 0), U16At(*cursor, 2), static_cast<int>(U32At(*cursor, 8))}),
                (std::vector<int>{hot, hot, size}))
          << id << " at " << size;
    }
  }
}

INSTANTIATE_TEST_SUITE_P(Builds, OcxFileTest, testing::ValuesIn(kBuilds),
                         [](const testing::TestParamInfo<OcxBuild>& info) { return std::string(info.param.name); });

}  // namespace
