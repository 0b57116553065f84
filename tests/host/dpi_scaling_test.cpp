// The window laid out at another display scale: one rounding for every
// length, and the whole main window scaled from its description.
#include "framework/desc/dpi_scaling.h"
#include "framework/ui/radio_layout.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <functional>
#include <map>
#include <optional>
#include <sstream>
#include <string>

#include "tests/support/written_schema.h"

namespace {

using desc::scaleLength;

TEST(DpiScaling, OneRoundingForEveryLength) {
  const struct {
    int designed, dpi, scaled;
  } cases[] = {
      {497, 144, 746}, {489, 144, 734}, {497, 192, 994}, {489, 192, 978}, {-11, 144, -17},
      {-11, 120, -14}, {2, 120, 3},     {-2, 120, -3},   {1, 120, 1},     {1, 144, 2},
      {3, 144, 5},     {0, 192, 0},     {-27, 144, -41}, {123, 96, 123},  {-21, 96, -21},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(std::to_string(c.designed) + " at " + std::to_string(c.dpi));
    EXPECT_EQ(scaleLength(c.designed, c.dpi), c.scaled);
  }
}

// A radio group's items fill the room under its caption in equal rows; what
// the rows leave over is shared above the first and below the last, the odd
// pixel below. The main window's scales (eighteen in six columns) leave 2
// pixels at 96 dpi with a 14-pixel caption.
TEST(DpiScaling, RadioItemsAreCentredUnderTheCaption) {
  const struct {
    int count, columns, width, height, caption, dpi;
    fw::Cell first, last;
  } cases[] = {
      {18, 6, 386, 84, 14, 96, {8, 16, 62, 21}, {318, 58, 62, 21}},
      {18, 6, 772, 168, 27, 192, {16, 30, 125, 43}, {641, 116, 125, 43}},
      {2, 2, 136, 42, 14, 96, {8, 15, 63, 23}, {71, 15, 63, 23}},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(std::to_string(c.count) + " items at " + std::to_string(c.dpi));
    const std::vector<fw::Cell> cells = fw::radioItemCells(c.count, c.columns, c.width, c.height, c.caption, c.dpi);
    ASSERT_EQ(cells.size(), std::size_t(c.count));
    EXPECT_EQ(cells.front(), c.first);
    EXPECT_EQ(cells.back(), c.last);
    const int above = c.first.top - (c.caption + scaleLength(1, c.dpi));
    const int below = c.height - scaleLength(4, c.dpi) - (c.last.top + c.last.height);
    EXPECT_TRUE(below == above || below == above + 1) << above << " above, " << below << " below";
  }
}

// A print confirmation's printers at 200 %, 48 pixels a line, in the room
// the screen leaves: the lines that fit, scrolled only as far as it takes to
// show the printer in force.
TEST(DpiScaling, AListTallerThanItsRoomShowsTheChosenLine) {
  // Lines in all, room, line chosen: lines shown, first line shown.
  for (const auto& [count, room, chosen, shown] :
       {std::tuple{19, 700, 13, fw::ShownLines{14, 0}}, {19, 700, 16, {14, 3}}, {19, 700, 18, {14, 5}},
        {19, 700, -1, {14, 0}}, {5, 1000, 4, {5, 0}}, {3, 10, 2, {1, 2}}, {0, 100, -1, {0, 0}}})
    EXPECT_EQ(fw::shownLines(count, 48, room, chosen), shown) << count << " lines, " << chosen;
}

struct Placed {
  int left, top, width, height, font;
  bool operator==(const Placed&) const = default;
};
std::ostream& operator<<(std::ostream& out, const Placed& p) {
  return out << p.left << ", " << p.top << ", " << p.width << ", " << p.height << ", font " << p.font;
}

std::optional<std::int64_t> integer(const desc::Object& o, const std::string& name) {
  for (const desc::Property& p : o.properties)
    if (p.name == name) return std::get<std::int64_t>(p.value);
  return std::nullopt;
}

// Every control with its rectangle (the window's client area for the window)
// and the height of the font it shows, its own or its parent's.
void collect(const desc::Object& o, int parentFont, std::map<std::string, Placed>& out) {
  const int font = static_cast<int>(integer(o, "Font.Height").value_or(parentFont));
  const bool window = integer(o, "ClientWidth").has_value();
  const auto get = [&](const char* name) { return static_cast<int>(integer(o, name).value_or(0)); };
  out[o.name] = window ? Placed{0, 0, get("ClientWidth"), get("ClientHeight"), font}
                       : Placed{get("Left"), get("Top"), get("Width"), get("Height"), font};
  for (const desc::Object& child : o.children) collect(child, font, out);
}

TEST(DpiScaling, TheMainWindowAtEachScale) {
  std::ifstream in(std::filesystem::path(__FILE__).parent_path() / "../../resources/Formmorvi.desc");
  std::ostringstream text;
  text << in.rdbuf();
  const testdesc::WrittenSchema schema(text.str());
  const desc::Object designed = desc::parse(text.str(), schema);
  const int dpis[] = {120, 144, 192};
  const struct {
    const char* control;
    Placed at[3];
  } layout[] = {
      {"Formmorvi", {{0, 0, 621, 611, -14}, {0, 0, 746, 734, -17}, {0, 0, 994, 978, -22}}},
      {"grpEchelle", {{10, 253, 603, 99, -14}, {12, 303, 723, 119, -17}, {16, 404, 964, 158, -22}}},
      {"CotePlan", {{360, 24, 63, 26, -14}, {432, 29, 75, 32, -17}, {576, 38, 100, 42, -22}}},
      {"CoteMesure", {{361, 58, 61, 26, -14}, {434, 69, 74, 32, -17}, {578, 92, 98, 42, -22}}},
      {"BtEchelle", {{453, 18, 133, 71, -14}, {543, 21, 159, 86, -17}, {724, 28, 212, 114, -22}}},
      {"AdvSmoothLabel1", {{4, 25, 354, 25, -14}, {5, 30, 425, 30, -17}, {6, 40, 566, 40, -22}}},
      {"AdvSmoothLabel2", {{11, 58, 354, 25, -14}, {14, 69, 425, 30, -17}, {18, 92, 566, 40, -22}}},
      {"lbl_M", {{426, 28, 11, 16, -14}, {512, 33, 14, 20, -17}, {682, 44, 18, 26, -22}}},
      {"lbl_cm", {{426, 63, 18, 16, -14}, {512, 75, 21, 20, -17}, {682, 100, 28, 26, -22}}},
      {"GroupBox1", {{14, 10, 599, 224, -14}, {17, 12, 719, 269, -17}, {22, 16, 958, 358, -22}}},
      {"RG_Morvi", {{20, 25, 483, 105, -14}, {24, 30, 579, 126, -17}, {32, 40, 772, 168, -22}}},
      {"BtImprimer", {{353, 139, 229, 65, -14}, {423, 167, 275, 78, -17}, {564, 222, 366, 104, -22}}},
      {"SpinEdit", {{85, 149, 85, 44, -26}, {102, 179, 102, 53, -32}, {136, 238, 136, 70, -42}}},
      {"BtAide", {{510, 33, 71, 99, -14}, {612, 39, 86, 119, -17}, {816, 52, 114, 158, -22}}},
      {"RgOrient", {{175, 138, 170, 53, -14}, {210, 165, 204, 63, -17}, {280, 220, 272, 84, -22}}},
      {"Label1", {{20, 165, 63, 16, -14}, {24, 198, 75, 20, -17}, {32, 264, 100, 26, -22}}},
      {"GroupBox3", {{10, 359, 603, 243, -14}, {12, 431, 723, 291, -17}, {16, 574, 964, 388, -22}}},
      {"Image1", {{13, 25, 160, 153, -14}, {15, 30, 192, 183, -17}, {20, 40, 256, 244, -22}}},
      {"Label2", {{13, 185, 170, 16, -14}, {15, 222, 204, 20, -17}, {20, 296, 272, 26, -22}}},
      {"Label6", {{16, 209, 156, 16, -14}, {20, 251, 188, 20, -17}, {26, 334, 250, 26, -22}}},
      {"AdvSmoothLabel3", {{230, 23, 355, 109, -14}, {276, 27, 426, 131, -17}, {368, 36, 568, 174, -22}}},
      {"BtSavoirPlus", {{313, 139, 184, 60, -14}, {375, 167, 221, 72, -17}, {500, 222, 294, 96, -22}}},
  };
  for (int i = 0; i < 3; ++i) {
    std::map<std::string, Placed> placed;
    const desc::Object scaled = desc::scaledToDpi(designed, schema, dpis[i]);
    collect(scaled, 0, placed);
    EXPECT_EQ(placed.size(), std::size(layout));
    for (const auto& row : layout) {
      SCOPED_TRACE(std::string(row.control) + " at " + std::to_string(dpis[i]) + " dpi");
      EXPECT_EQ(placed[row.control], row.at[i]);
    }
    // What the controls draw besides their window font: the glow buttons'
    // notes (-11 designed) and the gap beside their picture (2), the smooth
    // labels' caption (-12) and shadow (-27).
    const int notes[] = {-14, -17, -22}, spacing[] = {3, 3, 4}, caption[] = {-15, -18, -24}, shadow[] = {-34, -41, -54};
    const std::function<void(const desc::Object&)> check = [&](const desc::Object& o) {
      SCOPED_TRACE(o.name + " at " + std::to_string(dpis[i]) + " dpi");
      if (o.className == "TAdvGlowButton") {
        EXPECT_EQ(integer(o, "NotesFont.Height"), notes[i]);
        EXPECT_EQ(integer(o, "Spacing"), spacing[i]);
      }
      if (o.className == "TAdvSmoothLabel") {
        EXPECT_EQ(integer(o, "Caption.Font.Height"), caption[i]);
        EXPECT_EQ(integer(o, "CaptionShadow.Font.Height"), shadow[i]);
      }
      for (const auto& c : o.children) check(c);
    };
    check(scaled);
  }
  EXPECT_EQ(desc::write(desc::scaledToDpi(designed, schema, 96)), desc::write(designed));
}

}  // namespace
