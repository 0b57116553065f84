#include "gdip/adv_gdip_picture.h"
#include "gdip/gdip_picture.h"

#include "framework/graphics/bitmap.h"
#include "framework/error/error.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <string>
#include <vector>

#include "tests/support/canvas.h"
#include "tests/support/image_files.h"

namespace {

using testfiles::Bytes;

constexpr std::uint32_t kRed = 0xFF0000, kBlue = 0x0000FF, kOlive = 0x808000;
using testcanvas::Canvas;
using testcanvas::closeTo;
using testcanvas::kGrey;

// 8 × 8: red top-left quadrant, blue bottom-right quadrant, olive elsewhere
// (so the bottom-left pixel, the see-through colour, is olive).
Bytes quadrantsBmp() {
  return testfiles::bmp24(8, 8, [](int x, int y) {
    if (x < 4 && y < 4) return kRed;
    if (x >= 4 && y >= 4) return kBlue;
    return kOlive;
  });
}
// 4 × 2: red left half, blue right half.
Bytes halvesPng() {
  return testfiles::pngRgb(4, 2, [](int x, int) { return x < 2 ? kRed : kBlue; });
}
Bytes buttonBmp() {
  return testfiles::bmp24(48, 48, [](int x, int y) { return std::uint32_t((x * 5) << 16 | (y * 5)); });
}

struct Events {
  std::vector<std::string> seen;
  void watch(gdip::Picture& p) {
    p.OnChange = [this] { seen.push_back("change"); };
    p.OnClear = [this] { seen.push_back("clear"); };
  }
};

struct NotAGraphic : fw::Persistent {};

HGLOBAL WINAPI noMemory(UINT, SIZE_T) { return nullptr; }

TEST(GdipPicture, ANewPictureIsEmptyAndDrawsNothing) {
  gdip::TGDIPPicture plain;
  gdip::TAdvGDIPPicture adv;
  for (gdip::Picture* p : {static_cast<gdip::Picture*>(&plain), static_cast<gdip::Picture*>(&adv)}) {
    EXPECT_TRUE(p->empty());
    EXPECT_EQ(p->width(), 0);
    EXPECT_EQ(p->height(), 0);
    EXPECT_FALSE(p->UpdateSize());
    Canvas canvas(20, 20);
    p->draw(canvas.dc(), RECT{0, 0, 20, 20});
    EXPECT_TRUE(canvas.untouched());
    EXPECT_TRUE(p->writeData().empty());
  }
}

TEST(GdipPicture, TheButtonBitmapFromTheWindowDescription) {
  const Bytes bmp = buttonBmp();
  ASSERT_EQ(bmp.size(), 6966u);
  gdip::TGDIPPicture picture;
  picture.readData(bmp);
  EXPECT_FALSE(picture.empty());
  EXPECT_EQ(picture.width(), 0);  // not measured yet
  EXPECT_EQ(picture.height(), 0);
  EXPECT_TRUE(picture.UpdateSize());
  EXPECT_EQ(picture.width(), 48);
  EXPECT_EQ(picture.height(), 48);
  EXPECT_EQ(picture.writeData(), bmp);

  gdip::TAdvGDIPPicture adv;  // measures as it reads
  adv.readData(bmp);
  EXPECT_EQ(adv.width(), 48);
  EXPECT_EQ(adv.writeData(), bmp);
}

TEST(GdipPicture, AZeroByteValue) {
  gdip::TAdvGDIPPicture adv;
  adv.readData({});
  EXPECT_TRUE(adv.empty());

  gdip::TGDIPPicture plain;
  plain.readData({});
  EXPECT_FALSE(plain.empty());
  EXPECT_FALSE(plain.UpdateSize());
  Canvas canvas(10, 10);
  plain.draw(canvas.dc(), RECT{0, 0, 10, 10});
  EXPECT_TRUE(canvas.untouched());
}

TEST(GdipPicture, AssignRaisesItsEventsInOrder) {
  gdip::TGDIPPicture picture;
  picture.readData(buttonBmp());
  Events events;
  events.watch(picture);

  picture.Assign(nullptr);
  EXPECT_EQ(events.seen, (std::vector<std::string>{"change", "clear"}));
  EXPECT_TRUE(picture.empty());
  EXPECT_TRUE(picture.writeData().empty());

  // Same class: the data, then OnChange, and only then the measure.
  gdip::TGDIPPicture source;
  source.readData(halvesPng());
  events.seen.clear();
  int widthAtChange = -1;
  picture.OnChange = [&] {
    events.seen.push_back("change");
    widthAtChange = picture.width();
  };
  picture.Assign(&source);
  EXPECT_EQ(events.seen, (std::vector<std::string>{"change"}));
  EXPECT_EQ(widthAtChange, 0);
  EXPECT_EQ(picture.width(), 4);
  EXPECT_EQ(picture.height(), 2);
  EXPECT_FALSE(picture.empty());
  EXPECT_EQ(picture.writeData(), halvesPng());

  // Same class with no data: empty.
  gdip::TGDIPPicture blank;
  picture.Assign(&blank);
  EXPECT_TRUE(picture.empty());
}

TEST(GdipPicture, AssignFromOtherGraphicsTakesTheFileTheySave) {
  fw::Bitmap bitmap;
  ASSERT_TRUE(bitmap.loadFromBytes(quadrantsBmp()));
  gdip::TGDIPPicture picture;
  Events events;
  events.watch(picture);
  picture.Assign(&bitmap);
  EXPECT_EQ(events.seen, (std::vector<std::string>{"change"}));
  EXPECT_FALSE(picture.empty());
  EXPECT_EQ(picture.writeData(), quadrantsBmp());
  EXPECT_EQ(picture.width(), 8);

  gdip::TAdvGDIPPicture adv;
  adv.Assign(&picture);  // another class: through its saved file
  EXPECT_EQ(adv.writeData(), quadrantsBmp());
  EXPECT_EQ(adv.width(), 8);
}

TEST(GdipPicture, AssigningANonGraphicKeepsTheBytesButReportsEmpty) {
  gdip::TGDIPPicture picture;
  picture.readData(buttonBmp());
  Events events;
  events.watch(picture);
  NotAGraphic other;
  picture.Assign(&other);
  EXPECT_TRUE(picture.empty());
  EXPECT_EQ(picture.writeData(), buttonBmp());
  EXPECT_TRUE(events.seen.empty());
  Canvas canvas(50, 50);
  picture.draw(canvas.dc(), RECT{0, 0, 48, 48});
  EXPECT_TRUE(canvas.untouched());
}

TEST(GdipPicture, BmpIsStretchedWithItsBottomLeftColourSeeThrough) {
  gdip::TGDIPPicture picture;
  picture.readData(quadrantsBmp());
  Canvas canvas(40, 40);
  picture.draw(canvas.dc(), RECT{10, 10, 26, 26});  // twice the size
  const struct {
    const char* name;
    int x, y;
    std::uint32_t colour;
  } points[] = {
      {"red quadrant", 13, 13, kRed},           {"red quadrant's last pixel", 17, 17, kRed},
      {"blue quadrant's first pixel", 18, 18, kBlue}, {"blue quadrant", 22, 22, kBlue},
      {"olive top right", 22, 13, kGrey},      {"olive bottom left", 13, 22, kGrey},
      {"olive next to red", 17, 18, kGrey},    {"outside", 5, 5, kGrey},
      {"outside after", 30, 30, kGrey},
  };
  for (const auto& p : points) EXPECT_TRUE(closeTo(canvas.at(p.x, p.y), p.colour)) << p.name;
}

TEST(GdipPicture, AdvDrawsBmpAtItsOwnSize) {
  gdip::TAdvGDIPPicture picture;
  picture.readData(quadrantsBmp());
  Canvas canvas(40, 40);
  picture.draw(canvas.dc(), RECT{10, 10, 26, 26});
  EXPECT_TRUE(closeTo(canvas.at(12, 12), kRed));
  EXPECT_TRUE(closeTo(canvas.at(15, 15), kBlue));
  EXPECT_TRUE(closeTo(canvas.at(15, 11), kGrey));  // olive, see-through
  EXPECT_TRUE(closeTo(canvas.at(22, 22), kGrey));  // beyond its own size
}

TEST(GdipPicture, PngIsScaledToTheRectangleAndMeasured) {
  gdip::TGDIPPicture picture;
  picture.readData(halvesPng());
  EXPECT_EQ(picture.width(), 0);
  Canvas canvas(50, 30);
  picture.draw(canvas.dc(), RECT{5, 5, 45, 25});
  EXPECT_EQ(picture.width(), 4);
  EXPECT_EQ(picture.height(), 2);
  // Away from the edges, where scaling blends with what lies outside.
  EXPECT_TRUE(closeTo(canvas.at(10, 8), kRed));
  EXPECT_TRUE(closeTo(canvas.at(14, 13), kRed));
  EXPECT_TRUE(closeTo(canvas.at(30, 8), kBlue));
  EXPECT_TRUE(closeTo(canvas.at(33, 13), kBlue));
  EXPECT_TRUE(closeTo(canvas.at(2, 2), kGrey));
  EXPECT_TRUE(closeTo(canvas.at(47, 27), kGrey));
}

TEST(GdipPicture, UndecodableDataDrawsNothingAndMeasuresNothing) {
  gdip::TGDIPPicture picture;
  picture.readData(Bytes{'n', 'o', 't', ' ', 'a', 'n', ' ', 'i', 'm', 'a', 'g', 'e'});
  EXPECT_TRUE(picture.UpdateSize());
  EXPECT_EQ(picture.width(), 0);
  EXPECT_EQ(picture.height(), 0);
  Canvas canvas(10, 10);
  picture.draw(canvas.dc(), RECT{0, 0, 10, 10});
  EXPECT_TRUE(canvas.untouched());
}

TEST(GdipPicture, NoMemoryForTheImageIsAnErrorThatChangesNothing) {
  gdip::TGDIPPicture picture;
  picture.readData(halvesPng());
  ASSERT_TRUE(picture.UpdateSize());
  picture.setAllocator(noMemory);
  try {
    picture.UpdateSize();
    FAIL() << "no error";
  } catch (const fw::Error& e) {
    EXPECT_EQ(e.message(), L"Could not allocate memory for image");
  }
  EXPECT_EQ(picture.width(), 4);
  EXPECT_FALSE(picture.empty());
  Canvas canvas(10, 10);
  EXPECT_THROW(picture.draw(canvas.dc(), RECT{0, 0, 10, 10}), fw::Error);
  EXPECT_TRUE(canvas.untouched());
}

class DrawOnGraphics : public testing::Test {
 protected:
  void SetUp() override {
    picture.readData(quadrantsBmp());
    ASSERT_EQ(graphics.status(), Gdiplus::Ok);
  }
  Canvas canvas{40, 40};
  gdip::Graphics graphics{canvas.dc()};
  gdip::TAdvGDIPPicture picture;
};

TEST_F(DrawOnGraphics, TransparentBmpLosesItsBottomLeftColour) {
  picture.setTransparent(true);
  picture.DrawOnGraphics(graphics, RECT{10, 10, 30, 30});
  ASSERT_EQ(graphics.status(), Gdiplus::Ok);
  ASSERT_EQ(gdip::flat::GdipFlush(graphics.get(), Gdiplus::FlushIntentionSync), Gdiplus::Ok);
  EXPECT_TRUE(closeTo(canvas.at(12, 12), kRed));
  EXPECT_TRUE(closeTo(canvas.at(16, 16), kBlue));
  EXPECT_TRUE(closeTo(canvas.at(16, 11), kGrey));  // olive removed
  EXPECT_TRUE(closeTo(canvas.at(25, 25), kGrey));  // own size, not the rectangle
}

TEST_F(DrawOnGraphics, AFixedKeyColourRemovesThatColourInstead) {
  picture.setTransparent(true);
  picture.setKeyColorMode(gdip::KeyColorMode::Fixed);
  picture.setKeyColor(fw::clRed);
  picture.DrawOnGraphics(graphics, RECT{10, 10, 30, 30});
  ASSERT_EQ(graphics.status(), Gdiplus::Ok);
  ASSERT_EQ(gdip::flat::GdipFlush(graphics.get(), Gdiplus::FlushIntentionSync), Gdiplus::Ok);
  EXPECT_TRUE(closeTo(canvas.at(12, 12), kGrey));
  EXPECT_TRUE(closeTo(canvas.at(16, 11), kOlive));
  EXPECT_TRUE(closeTo(canvas.at(16, 16), kBlue));
}

TEST_F(DrawOnGraphics, TheKeyedImageFollowsTheKeyAndTheData) {
  // Each drawing at its own place; read at a pixel of the image.
  int left = 0;
  const auto drawAndRead = [&](int x, int y) {
    picture.DrawOnGraphics(graphics, RECT{left, 10, left + 8, 18});
    EXPECT_EQ(gdip::flat::GdipFlush(graphics.get(), Gdiplus::FlushIntentionSync), Gdiplus::Ok);
    const std::uint32_t colour = canvas.at(left + x, 10 + y);
    left += 10;
    return colour;
  };
  picture.setTransparent(true);
  EXPECT_TRUE(closeTo(drawAndRead(6, 1), kGrey));  // olive, its own key
  picture.setKeyColorMode(gdip::KeyColorMode::Fixed);
  picture.setKeyColor(fw::clRed);
  EXPECT_TRUE(closeTo(drawAndRead(6, 1), kOlive));
  picture.setKeyColorMode(gdip::KeyColorMode::Auto);
  picture.readData(testfiles::bmp24(8, 8, [](int x, int) { return x < 4 ? kRed : kBlue; }));  // red bottom-left
  EXPECT_TRUE(closeTo(drawAndRead(1, 1), kGrey));
  EXPECT_TRUE(closeTo(drawAndRead(6, 1), kBlue));
}

TEST_F(DrawOnGraphics, WithoutTheTransparentFlagTheImageIsScaled) {
  picture.DrawOnGraphics(graphics, RECT{0, 0, 40, 40});  // five times the size
  ASSERT_EQ(graphics.status(), Gdiplus::Ok);
  ASSERT_EQ(gdip::flat::GdipFlush(graphics.get(), Gdiplus::FlushIntentionSync), Gdiplus::Ok);
  EXPECT_TRUE(closeTo(canvas.at(8, 8), kRed));
  EXPECT_TRUE(closeTo(canvas.at(32, 32), kBlue));
  EXPECT_TRUE(closeTo(canvas.at(32, 8), kOlive));
}

TEST_F(DrawOnGraphics, TextureFillsRepeatTheImage) {
  gdip::TAdvGDIPPicture tile;
  tile.readData(halvesPng());
  tile.TextureFillRect(graphics, gdip::RectF(0, 0, 16, 4));
  ASSERT_EQ(graphics.status(), Gdiplus::Ok);
  gdip::Path path;
  ASSERT_EQ(path.addEllipse(0, 10, 16, 16), Gdiplus::Ok);
  tile.TextureFillPath(graphics, path);
  ASSERT_EQ(graphics.status(), Gdiplus::Ok);
  ASSERT_EQ(gdip::flat::GdipFlush(graphics.get(), Gdiplus::FlushIntentionSync), Gdiplus::Ok);
  for (int x : {0, 4, 8, 12}) {
    EXPECT_TRUE(closeTo(canvas.at(x, 1), kRed)) << x;
    EXPECT_TRUE(closeTo(canvas.at(x + 3, 1), kBlue)) << x;
  }
  EXPECT_TRUE(closeTo(canvas.at(8, 5), kGrey));    // below the rectangle
  EXPECT_TRUE(closeTo(canvas.at(1, 11), kGrey));   // outside the ellipse's corner
  EXPECT_TRUE(closeTo(canvas.at(8, 18), kRed));    // tiles go on from the origin
  EXPECT_TRUE(closeTo(canvas.at(11, 18), kBlue));
}

class LoadFromFile : public testing::Test {
 protected:
  std::wstring write(const wchar_t* name, const Bytes& bytes) {
    wchar_t dir[MAX_PATH];
    GetTempPathW(MAX_PATH, dir);
    std::wstring path = std::wstring(dir) + name;
    std::ofstream(std::filesystem::path(path), std::ios::binary)
        .write(reinterpret_cast<const char*>(bytes.data()), static_cast<std::streamsize>(bytes.size()));
    written_.push_back(path);
    return path;
  }
  void TearDown() override {
    for (const auto& p : written_) DeleteFileW(p.c_str());
  }

 private:
  std::vector<std::wstring> written_;
};

TEST_F(LoadFromFile, TheFileIsTakenClearedThenChanged) {
  const std::wstring path = write(L"morvi_picture_test.png", halvesPng());
  gdip::TGDIPPicture picture;
  Events events;
  events.watch(picture);
  picture.loadFromFile(path);
  EXPECT_EQ(events.seen, (std::vector<std::string>{"clear", "change"}));
  EXPECT_FALSE(picture.empty());
  EXPECT_EQ(picture.width(), 4);  // decoded
  EXPECT_EQ(picture.writeData(), halvesPng());

  // The advanced picture reads the size from the header its extension names.
  gdip::TAdvGDIPPicture adv;
  adv.loadFromFile(write(L"morvi_picture_test.gif", testfiles::gifHeader(33, 21, true)));
  EXPECT_EQ(adv.width(), 33);
  EXPECT_EQ(adv.height(), 21);
}

TEST_F(LoadFromFile, FailuresAreSwallowedAndLeaveThePictureEmpty) {
  gdip::TGDIPPicture picture;
  picture.readData(buttonBmp());
  Events events;
  events.watch(picture);
  picture.loadFromFile(L"C:\\no such folder\\none.bmp");
  EXPECT_TRUE(picture.empty());
  EXPECT_TRUE(events.seen.empty());

  gdip::TGDIPPicture starved;
  starved.setAllocator(noMemory);
  starved.loadFromFile(write(L"morvi_picture_test.bmp", buttonBmp()));
  EXPECT_TRUE(starved.empty());
}

}  // namespace
