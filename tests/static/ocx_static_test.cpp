// What hosts and regsvr32 rely on in the shipped files, checked on both builds without
// running them: architecture, COM exports, system-only imports, embedded type library,
// version, toolbox picture and splitter cursors.
#include <gtest/gtest.h>

#include <algorithm>
#include <cctype>
#include <filesystem>
#include <fstream>
#include <ostream>
#include <set>
#include <stdexcept>
#include <string>

#include "pe_image.h"

namespace {

struct OcxBuild {
  const char* name;
  const char* path;
  uint16_t machine;
  uint16_t optionalMagic;
  uint32_t typelibSyskind;  // SYS_WIN32 = 1, SYS_WIN64 = 3
};

// Keeps test names readable: "IsADllOfItsArchitecture/Win64 # GetParam() = Win64".
void PrintTo(const OcxBuild& build, std::ostream* out) { *out << build.name; }

const OcxBuild kBuilds[] = {
    {"Win32", OV_WIN32_OCX, 0x014c, 0x10b, 1},
    {"Win64", OV_WIN64_OCX, 0x8664, 0x20b, 3},
};

constexpr uint16_t kImageFileDll = 0x2000;
constexpr uint16_t kRtCursor = 1;
constexpr uint16_t kRtBitmap = 2;
constexpr uint16_t kRtGroupCursor = 12;
constexpr uint16_t kRtVersion = 16;

uint16_t U16At(std::span<const uint8_t> data, size_t offset) {
  if (offset + 2 > data.size()) throw std::runtime_error("read past the end of the resource");
  return static_cast<uint16_t>(data[offset] | data[offset + 1] << 8);
}

uint32_t U32At(std::span<const uint8_t> data, size_t offset) {
  if (offset + 4 > data.size()) throw std::runtime_error("read past the end of the resource");
  return data[offset] | data[offset + 1] << 8 | data[offset + 2] << 16 | uint32_t{data[offset + 3]} << 24;
}

bool Contains(std::span<const uint8_t> data, const std::string& text) {
  return std::search(data.begin(), data.end(), text.begin(), text.end()) != data.end();
}

std::string Lower(std::string text) {
  std::transform(text.begin(), text.end(), text.begin(), [](unsigned char c) { return std::tolower(c); });
  return text;
}

class OcxFileTest : public testing::TestWithParam<OcxBuild> {
 protected:
  void SetUp() override {
    ASSERT_TRUE(std::filesystem::exists(GetParam().path))
        << GetParam().path << " is missing: build the " << GetParam().name << " tree first";
    image_.emplace(GetParam().path);
  }

  const PeImage& Image() const { return *image_; }

 private:
  std::optional<PeImage> image_;
};

TEST_P(OcxFileTest, IsADllOfItsArchitecture) {
  EXPECT_EQ(Image().Machine(), GetParam().machine);
  EXPECT_EQ(Image().OptionalHeaderMagic(), GetParam().optionalMagic);
  EXPECT_TRUE(Image().Characteristics() & kImageFileDll);
}

TEST_P(OcxFileTest, ExportsTheComServerEntryPointsUndecorated) {
  const auto exports = Image().ExportNames();
  for (const char* name :
       {"DllRegisterServer", "DllUnregisterServer", "DllInstall", "DllGetClassObject", "DllCanUnloadNow"})
    EXPECT_NE(std::find(exports.begin(), exports.end(), name), exports.end()) << name;
}

TEST_P(OcxFileTest, ImportsOnlyWindowsSystemDlls) {
  // The compiler runtimes are linked statically: a host machine has none of their DLLs.
  const std::set<std::string> allowed = {"kernel32.dll", "user32.dll",  "gdi32.dll",   "advapi32.dll", "ole32.dll",
                                         "oleaut32.dll", "shell32.dll", "shlwapi.dll", "comctl32.dll", "msvcrt.dll"};
  const auto imports = Image().ImportedDlls();
  EXPECT_FALSE(imports.empty());
  for (const std::string& dll : imports) EXPECT_TRUE(allowed.count(Lower(dll))) << dll;
}

TEST_P(OcxFileTest, EmbedsTheTypeLibraryOfItsArchitectureAsTypelib1) {
  const auto typelib = Image().Resource("TYPELIB", 1);
  ASSERT_TRUE(typelib);
  ASSERT_GE(typelib->size(), 0x54u);
  EXPECT_EQ(std::string(typelib->begin(), typelib->begin() + 4), "MSFT");
  EXPECT_EQ(U32At(*typelib, 0x14) & 0xf, GetParam().typelibSyskind);
  // widl leaves "\n" escaped; the build must turn it into the line break of Resize's help.
  EXPECT_TRUE(Contains(*typelib, "the size of an object changes.\n"));
  EXPECT_FALSE(Contains(*typelib, "changes.\\n"));
}

TEST_P(OcxFileTest, CarriesFileAndProductVersion1_0_0_45) {
  const auto version = Image().Resource(kRtVersion, 1);
  ASSERT_TRUE(version);
  // VS_VERSIONINFO: three WORDs, L"VS_VERSION_INFO" with its terminator, padding to a
  // DWORD boundary, then VS_FIXEDFILEINFO.
  const size_t fixed = (6 + 2 * 16 + 3) & ~size_t{3};
  ASSERT_EQ(U32At(*version, fixed), 0xFEEF04BDu);
  EXPECT_EQ(U32At(*version, fixed + 8), 0x00010000u);   // file version 1.0
  EXPECT_EQ(U32At(*version, fixed + 12), 0x0000002Du);  // .0.45
  EXPECT_EQ(U32At(*version, fixed + 16), 0x00010000u);  // product version
  EXPECT_EQ(U32At(*version, fixed + 20), 0x0000002Du);
}

TEST_P(OcxFileTest, HasTheSixteenByFifteenToolboxBitmap) {
  const auto bitmap = Image().Resource(kRtBitmap, 1);
  ASSERT_TRUE(bitmap);
  EXPECT_EQ(U32At(*bitmap, 4), 16u);  // BITMAPINFOHEADER biWidth
  EXPECT_EQ(U32At(*bitmap, 8), 15u);  // biHeight, bottom-up
}

TEST_P(OcxFileTest, CarriesTheTwoSplitterCursorsWithTheirHotSpotAtTheCentre) {
  for (uint16_t id : {uint16_t{120}, uint16_t{121}}) {
    // The group: NEWHEADER (reserved, type 2 for cursors, count), then one 14-byte
    // entry whose last WORD names the RT_CURSOR image.
    const auto group = Image().Resource(kRtGroupCursor, id);
    ASSERT_TRUE(group) << "cursor group " << id;
    ASSERT_GE(group->size(), 6u + 14u) << id;
    EXPECT_EQ(U16At(*group, 2), 2u) << id;
    ASSERT_EQ(U16At(*group, 4), 1u) << id;
    EXPECT_EQ(U16At(*group, 6), 32u) << id;  // width
    EXPECT_EQ(U16At(*group, 8), 64u) << id;  // height of colour and mask together
    EXPECT_EQ(U16At(*group, 12), 1u) << id;  // one bit per pixel: monochrome
    const auto image = Image().Resource(kRtCursor, U16At(*group, 18));
    ASSERT_TRUE(image) << id;
    EXPECT_EQ(U16At(*image, 0), 15u) << id;      // hot spot x
    EXPECT_EQ(U16At(*image, 2), 15u) << id;      // hot spot y
    EXPECT_EQ(U32At(*image, 4 + 4), 32u) << id;  // BITMAPINFOHEADER biWidth
  }
}

INSTANTIATE_TEST_SUITE_P(Builds, OcxFileTest, testing::ValuesIn(kBuilds),
                         [](const testing::TestParamInfo<OcxBuild>& info) { return std::string(info.param.name); });

TEST(PeImageTest, RejectsAFileThatIsNotAPeImage) {
  const auto path = std::filesystem::temp_directory_path() / "ov_static_not_pe.bin";
  std::ofstream(path, std::ios::binary) << "MZ" << std::string(126, ' ');
  EXPECT_THROW(PeImage{path.string()}, std::runtime_error);
  std::filesystem::remove(path);
}

}  // namespace
