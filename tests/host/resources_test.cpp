// The picture files the program carries: their headers say what the
// controls expect, the see-through colour stays in the background, the spin
// glyphs are the triangles the spin button shows, and the drawing script
// still produces exactly the committed bytes.
#include <gtest/gtest.h>

#include <array>
#include <cstdint>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>
#include <vector>

#include <unistd.h>

#include <map>
#include <regex>
#include <sstream>

#include "framework/desc/dpi_scaling.h"
#include "framework/graphics/larger_form.h"
#include "tests/support/bmp_pixels.h"

namespace {

namespace fs = std::filesystem;
using Bytes = std::vector<std::uint8_t>;

const fs::path kRoot = fs::path(__FILE__).parent_path().parent_path().parent_path();

Bytes readFile(const fs::path& path) {
  std::ifstream in(path, std::ios::binary);
  return Bytes(std::istreambuf_iterator<char>(in), {});
}

using Bmp = testfiles::BmpPixels;

Bmp loadBmp(const char* name) { return Bmp{readFile(kRoot / "resources" / name)}; }

void expectPlainBmp(const Bmp& bmp, int width, int height, int bits) {
  ASSERT_GE(bmp.data.size(), 54u);
  EXPECT_EQ(bmp.data[0], 'B');
  EXPECT_EQ(bmp.data[1], 'M');
  EXPECT_EQ(bmp.field(2, 4), bmp.data.size());
  EXPECT_EQ(bmp.field(14, 4), 40u);
  EXPECT_EQ(bmp.width(), width);
  EXPECT_EQ(bmp.height(), height);
  EXPECT_EQ(bmp.field(26, 2), 1u);
  EXPECT_EQ(bmp.bits(), bits);
  EXPECT_EQ(bmp.field(30, 4), 0u) << "compressed";
  EXPECT_EQ(bmp.field(10, 4) + height * bmp.rowBytes(), bmp.data.size());
}

// The bottom-left colour is keyed out: it must surround the drawing.
void expectKeyAround(const Bmp& bmp) {
  const int w = bmp.width(), h = bmp.height();
  const std::uint32_t key = bmp.at(0, h - 1);
  for (const auto& [x, y] : std::array<std::pair<int, int>, 3>{{{0, 0}, {w - 1, 0}, {w - 1, h - 1}}})
    EXPECT_EQ(bmp.at(x, y), key) << "corner " << x << "," << y;
}

// Key-coloured pixels inside the rectangle [x0, x1) x [y0, y1), which the
// drawing covers: each would show as a hole.
int keyedPixelsWithin(const Bmp& bmp, int x0, int y0, int x1, int y1) {
  const std::uint32_t key = bmp.at(0, bmp.height() - 1);
  int count = 0;
  for (int y = y0; y < y1; ++y)
    for (int x = x0; x < x1; ++x) count += bmp.at(x, y) == key;
  return count;
}

// The button pictures are solid shapes without holes: every key-coloured
// pixel is reached from the picture's border without crossing the drawing.
int enclosedKeyedPixels(const Bmp& bmp) {
  const int w = bmp.width(), h = bmp.height();
  const std::uint32_t key = bmp.at(0, h - 1);
  std::vector<bool> reached(w * h, false);
  std::vector<std::pair<int, int>> todo;
  for (int x = 0; x < w; ++x) todo.insert(todo.end(), {{x, 0}, {x, h - 1}});
  for (int y = 0; y < h; ++y) todo.insert(todo.end(), {{0, y}, {w - 1, y}});
  while (!todo.empty()) {
    const auto [x, y] = todo.back();
    todo.pop_back();
    if (x < 0 || y < 0 || x >= w || y >= h || reached[y * w + x] || bmp.at(x, y) != key) continue;
    reached[y * w + x] = true;
    todo.insert(todo.end(), {{x + 1, y}, {x - 1, y}, {x, y + 1}, {x, y - 1}});
  }
  int enclosed = 0;
  for (int y = 0; y < h; ++y)
    for (int x = 0; x < w; ++x) enclosed += bmp.at(x, y) == key && !reached[y * w + x];
  return enclosed;
}

TEST(ResourcesTest, ButtonPicturesAre48By48TrueColourWithKeyedBackground) {
  for (const char* name : {"print.bmp", "scale.bmp", "help.bmp", "web.bmp"}) {
    SCOPED_TRACE(name);
    const Bmp bmp = loadBmp(name);
    ASSERT_EQ(bmp.data.size(), 6966u);
    EXPECT_EQ(bmp.field(10, 4), 54u);
    expectPlainBmp(bmp, 48, 48, 24);
    expectKeyAround(bmp);
    EXPECT_EQ(keyedPixelsWithin(bmp, 20, 20, 28, 28), 0) << "nothing drawn in the middle";
    EXPECT_EQ(enclosedKeyedPixels(bmp), 0) << "key-coloured pixels inside the drawing";
  }
}

TEST(ResourcesTest, LogoIs128By122TrueColourWithKeyedBackground) {
  const Bmp bmp = loadBmp("logo.bmp");
  expectPlainBmp(bmp, 128, 122, 24);
  expectKeyAround(bmp);
  EXPECT_EQ(keyedPixelsWithin(bmp, 10, 6, 118, 82), 0) << "holes in the plan";
  EXPECT_GT(keyedPixelsWithin(bmp, 0, 92, 128, 118), 0) << "the name sits on the background";
  EXPECT_LT(keyedPixelsWithin(bmp, 0, 92, 128, 118), 128 * 26) << "the name is missing";
}

fs::path scratchDirectory() {
  const fs::path dir = fs::temp_directory_path() / ("morvi_resources_" + std::to_string(::getpid()));
  fs::create_directories(dir);
  return dir;
}

int runScript(const std::string& arguments) {
  const std::string command = "python3 '" + (kRoot / "tools" / "make_resources.py").string() + "' " + arguments;
  return std::system(command.c_str());
}

std::string readText(const fs::path& path) {
  const Bytes bytes = readFile(path);
  return std::string(bytes.begin(), bytes.end());
}

// Each larger form listed for the program is a keyed BMP of the 96-dpi
// picture's size scaled to 144 or 192 dpi, named by that picture's current
// bytes; every picture the window shows and each spin arrow has both, and
// nothing else is listed.
TEST(ResourcesTest, LargerFormsBelongToTheCurrentPicturesAtTheirScaledSize) {
  const std::regex entry(R"re(^(PICTURE_\w+) RCDATA "(scaled/\w+\.bmp)"$)re");
  std::map<std::wstring, std::string> listed;  // resource name -> file
  std::istringstream list(readText(kRoot / "resources" / "scaled_pictures.rc"));
  for (std::string line; std::getline(list, line);) {
    std::smatch m;
    if (!line.starts_with("PICTURE_")) continue;  // comments
    ASSERT_TRUE(std::regex_match(line, m, entry)) << line;
    listed[std::wstring(m[1].first, m[1].second)] = m[2];
  }
  const struct {
    const char* name;
    int bits;
  } pictures[] = {{"print.bmp", 24}, {"scale.bmp", 24},  {"help.bmp", 24},    {"web.bmp", 24},
                  {"logo.bmp", 24},  {"spinup.bmp", 4}, {"spindown.bmp", 4}};
  for (const auto& [name, bits] : pictures)
    for (const int dpi : {144, 192}) {
      SCOPED_TRACE(testing::Message() << name << " at " << dpi);
      const Bmp picture = loadBmp(name);
      const int w = desc::scaleLength(picture.width(), dpi), h = desc::scaleLength(picture.height(), dpi);
      const auto form = listed.find(fw::largerFormName(picture.data, w));
      ASSERT_NE(form, listed.end()) << "no form named for the current picture";
      const Bmp bmp{readFile(kRoot / "resources" / form->second)};
      expectPlainBmp(bmp, w, h, bits);
      expectKeyAround(bmp);
      listed.erase(form);
    }
  EXPECT_TRUE(listed.empty()) << "forms of no current picture";
}

TEST(ResourcesTest, DrawingScriptReproducesTheCommittedFiles) {
  const fs::path out = scratchDirectory();
  ASSERT_EQ(runScript("--out '" + out.string() + "'"), 0);
  std::vector<fs::path> names = {"print.bmp", "scale.bmp", "help.bmp", "web.bmp", "logo.bmp", "morvi.ico",
                                 "spinup.bmp", "spindown.bmp", "scaled_pictures.rc"};
  for (const auto& drawn : fs::directory_iterator(out / "scaled")) names.push_back("scaled" / drawn.path().filename());
  for (const fs::path& name : names) {
    EXPECT_TRUE(readFile(out / name) == readFile(kRoot / "resources" / name))
        << name << " differs from what tools/make_resources.py draws";
  }
  fs::remove_all(out);
}

// The pictures go into the window description as 64 hex digits a line,
// indented one level below the property; only the named objects' own
// Picture.Data changes, and a second run changes nothing.
TEST(ResourcesTest, EmbeddingWritesPicturesIntoTheWindowDescription) {
  const std::string before =
      "Formmorvi: TFormmorvi {\n"
      "  GroupBox1: TGroupBox {\n"
      "    BtAide: TAdvGlowButton {\n"
      "      Caption = \"Aide\"\n"
      "      Picture.Data = <\n"
      "        424D00\n"
      "      >\n"
      "      Inner: TThing {\n"
      "        Picture.Data = <\n"
      "          00\n"
      "        >\n"
      "      }\n"
      "      TabOrder = 1\n"
      "    }\n"
      "    Image1: TImage {\n"
      "      Left = 10\n"
      "    }\n"
      "  }\n"
      "}\n";
  const fs::path dir = scratchDirectory();
  const fs::path file = dir / "Formmorvi.desc";
  std::ofstream(file, std::ios::binary) << before;

  ASSERT_EQ(runScript("--embed '" + file.string() + "' 2>'" + (dir / "warnings").string() + "'"), 0);
  const std::string after = readText(file);
  EXPECT_NE(readText(dir / "warnings").find("Image1"), std::string::npos) << "no warning for Image1";

  // Each full line: 8 blanks, 64 digits, newline (73 characters).
  static const char digits[] = "0123456789ABCDEF";
  std::string hex;
  for (const std::uint8_t byte : readFile(kRoot / "resources" / "help.bmp")) {
    if (hex.size() % 73 == 0) hex += "        ";
    hex += {digits[byte >> 4], digits[byte & 15]};
    if (hex.size() % 73 == 72) hex += "\n";
  }
  if (hex.back() != '\n') hex += "\n";
  std::string expected = before;
  expected.replace(expected.find("        424D00\n"), 15, hex);
  EXPECT_EQ(after, expected);

  ASSERT_EQ(runScript("--embed '" + file.string() + "' 2>/dev/null"), 0);
  EXPECT_EQ(readText(file), after) << "a second run changed the file";
  fs::remove_all(dir);
}

}  // namespace
