#include "gdip/image_header.h"

#include <gtest/gtest.h>

#include "tests/support/image_files.h"

namespace {

using gdip::ImageFormat;
using gdip::ImageSize;
using testfiles::Bytes;

std::uint32_t grey(int, int) { return 0x808080; }

ImageSize sizeOf(ImageFormat f, const Bytes& b) { return gdip::headerSize(f, b); }

// Every shorter copy of a file (in a buffer of exactly that length, so that
// the sanitizer sees any read past it) gives 0 × 0 or, once the size fields
// are in, the whole file's size.
void expectPrefixesSafe(ImageFormat f, const Bytes& file, std::size_t sizeFieldsEnd) {
  const ImageSize full = sizeOf(f, file);
  for (std::size_t n = 0; n < file.size(); ++n) {
    const Bytes prefix(file.begin(), file.begin() + n);
    const ImageSize got = sizeOf(f, prefix);
    if (n < sizeFieldsEnd) EXPECT_EQ(got, ImageSize{}) << "prefix of " << n << " bytes";
    else EXPECT_TRUE(got == ImageSize{} || got == full) << "prefix of " << n << " bytes";
  }
}

struct Dimensions {
  int w, h;
};
const Dimensions kSizes[] = {{1, 1}, {48, 48}, {640, 480}, {3, 65535}, {65535, 2}};

TEST(ImageHeader, FormatComesFromTheExtensionInAnyCase) {
  EXPECT_EQ(gdip::formatFromFileName(L"C:\\Images\\photo.JPG"), ImageFormat::Jpeg);
  EXPECT_EQ(gdip::formatFromFileName(L"photo.jpeg"), ImageFormat::Jpeg);
  EXPECT_EQ(gdip::formatFromFileName(L"a.b.Png"), ImageFormat::Png);
  EXPECT_EQ(gdip::formatFromFileName(L"logo.bmp"), ImageFormat::Bmp);
  EXPECT_EQ(gdip::formatFromFileName(L"scan.tif"), ImageFormat::Tiff);
  EXPECT_EQ(gdip::formatFromFileName(L"scan.TIFF"), ImageFormat::Tiff);
  EXPECT_EQ(gdip::formatFromFileName(L"anim.gif"), ImageFormat::Gif);
  EXPECT_EQ(gdip::formatFromFileName(L"icon.ico"), ImageFormat::Unknown);
  EXPECT_EQ(gdip::formatFromFileName(L"C:\\dir.png\\noextension"), ImageFormat::Unknown);
  EXPECT_EQ(gdip::formatFromFileName(L"bmp"), ImageFormat::Unknown);
  EXPECT_EQ(gdip::formatFromFileName(L""), ImageFormat::Unknown);
}

TEST(ImageHeader, WellFormedFilesOfSeveralSizes) {
  for (const auto [w, h] : kSizes) {
    SCOPED_TRACE(testing::Message() << w << " x " << h);
    const ImageSize want{w, h};
    EXPECT_EQ(sizeOf(ImageFormat::Jpeg, testfiles::jpegHeader(w, h)), want);
    EXPECT_EQ(sizeOf(ImageFormat::Jpeg, testfiles::jpegHeader(w, h, 0xC2)), want);
    EXPECT_EQ(sizeOf(ImageFormat::Tiff, testfiles::tiffHeader(w, h, false, 3)), want);
    EXPECT_EQ(sizeOf(ImageFormat::Tiff, testfiles::tiffHeader(w, h, true, 3)), want);
    EXPECT_EQ(sizeOf(ImageFormat::Tiff, testfiles::tiffHeader(w, h, false, 4)), want);
    EXPECT_EQ(sizeOf(ImageFormat::Tiff, testfiles::tiffHeader(w, h, true, 4)), want);
    EXPECT_EQ(sizeOf(ImageFormat::Gif, testfiles::gifHeader(w, h, true)), want);
    EXPECT_EQ(sizeOf(ImageFormat::Gif, testfiles::gifHeader(w, h, false)), want);
    if (std::int64_t{w} * h <= 640 * 480) {  // whole files: keep them small
      EXPECT_EQ(sizeOf(ImageFormat::Png, testfiles::pngRgb(w, h, grey)), want);
      EXPECT_EQ(sizeOf(ImageFormat::Bmp, testfiles::bmp24(w, h, grey)), want);
    }
  }
}

TEST(ImageHeader, AFileOfAnotherFormatOrNoBytesGivesNoSize) {
  const Bytes png = testfiles::pngRgb(4, 4, grey);
  const Bytes empty;
  for (ImageFormat f : {ImageFormat::Jpeg, ImageFormat::Bmp, ImageFormat::Tiff, ImageFormat::Gif,
                        ImageFormat::Unknown})
    EXPECT_EQ(sizeOf(f, png), ImageSize{});
  EXPECT_EQ(sizeOf(ImageFormat::Png, testfiles::bmp24(4, 4, grey)), ImageSize{});
  for (ImageFormat f : {ImageFormat::Jpeg, ImageFormat::Png, ImageFormat::Bmp, ImageFormat::Tiff,
                        ImageFormat::Gif})
    EXPECT_EQ(sizeOf(f, empty), ImageSize{});
}

TEST(ImageHeader, TruncatedFilesNeverReadPastTheirEnd) {
  expectPrefixesSafe(ImageFormat::Jpeg, testfiles::jpegHeader(300, 200), 32);
  expectPrefixesSafe(ImageFormat::Png, testfiles::pngRgb(3, 2, grey), 24);
  expectPrefixesSafe(ImageFormat::Bmp, testfiles::bmp24(3, 2, grey), 26);
  expectPrefixesSafe(ImageFormat::Tiff, testfiles::tiffHeader(300, 200, false, 3), 18 + 2 * 12 + 12);
  expectPrefixesSafe(ImageFormat::Tiff, testfiles::tiffHeader(300, 200, true, 4), 18 + 2 * 12 + 12);
  expectPrefixesSafe(ImageFormat::Gif, testfiles::gifHeader(300, 200, true), 13 + 12 + 7 + 9);
}

TEST(ImageHeader, JpegSegmentLengthsThatCannotBeRight) {
  for (std::uint8_t low : {0, 1}) {
    Bytes jpeg = testfiles::jpegHeader(10, 10);
    jpeg[4] = 0;  // the APP0 length: 0, then 1
    jpeg[5] = low;
    EXPECT_EQ(sizeOf(ImageFormat::Jpeg, jpeg), ImageSize{}) << int(low);
  }
  Bytes past = testfiles::jpegHeader(10, 10);
  past[4] = 0xFF;  // the APP0 segment runs past the end
  EXPECT_EQ(sizeOf(ImageFormat::Jpeg, past), ImageSize{});

  const Bytes endFirst{0xFF, 0xD8, 0xFF, 0xD9, 0xFF, 0xC0, 0, 17, 8, 0, 10, 0, 10};
  EXPECT_EQ(sizeOf(ImageFormat::Jpeg, endFirst), ImageSize{});
  const Bytes shortFrame{0xFF, 0xD8, 0xFF, 0xC0, 0, 5, 8, 0, 10, 0, 10};
  EXPECT_EQ(sizeOf(ImageFormat::Jpeg, shortFrame), ImageSize{});
  const Bytes onlyStart{0xFF, 0xD8};
  EXPECT_EQ(sizeOf(ImageFormat::Jpeg, onlyStart), ImageSize{});
  EXPECT_EQ(sizeOf(ImageFormat::Jpeg, testfiles::jpegHeader(10, 0)), ImageSize{});  // height comes later
  Bytes allFill(4096, 0xFF);
  allFill[1] = 0xD8;
  EXPECT_EQ(sizeOf(ImageFormat::Jpeg, allFill), ImageSize{});
}

TEST(ImageHeader, PngWithoutItsHeaderChunk) {
  Bytes png = testfiles::pngRgb(5, 6, grey);
  Bytes renamed = png;
  renamed[12] = 'X';
  EXPECT_EQ(sizeOf(ImageFormat::Png, renamed), ImageSize{});
  Bytes lying = png;
  lying[11] = 14;  // IHDR length
  EXPECT_EQ(sizeOf(ImageFormat::Png, lying), ImageSize{});
}

TEST(ImageHeader, BmpHeaderKinds) {
  Bytes topDown = testfiles::bmp24(7, 5, grey);
  for (int i = 0; i < 4; ++i) topDown[22 + i] = static_cast<std::uint8_t>(std::uint32_t(-5) >> (8 * i));
  EXPECT_EQ(sizeOf(ImageFormat::Bmp, topDown), (ImageSize{7, 5}));

  Bytes core{'B', 'M', 0, 0, 0, 0, 0, 0, 0, 0, 26, 0, 0, 0, 12, 0, 0, 0, 9, 0, 4, 0, 1, 0, 24, 0};
  EXPECT_EQ(sizeOf(ImageFormat::Bmp, core), (ImageSize{9, 4}));

  Bytes unknownHeader = testfiles::bmp24(7, 5, grey);
  unknownHeader[14] = 20;
  EXPECT_EQ(sizeOf(ImageFormat::Bmp, unknownHeader), ImageSize{});
}

TEST(ImageHeader, TiffDirectoriesThatLie) {
  const Bytes good = testfiles::tiffHeader(300, 200, false, 3);
  Bytes pastEnd = good;
  pastEnd[4] = static_cast<std::uint8_t>(good.size());  // directory offset just past the end
  EXPECT_EQ(sizeOf(ImageFormat::Tiff, pastEnd), ImageSize{});
  Bytes farAway = good;
  farAway[7] = 0xFF;
  EXPECT_EQ(sizeOf(ImageFormat::Tiff, farAway), ImageSize{});
  Bytes tooManyEntries = good;
  tooManyEntries[16] = 4;  // one entry more than the file holds
  tooManyEntries[17] = 0;
  EXPECT_EQ(sizeOf(ImageFormat::Tiff, tooManyEntries), ImageSize{});
  Bytes noHeight = good;
  noHeight[18 + 12] = 0x42;  // tag 257 becomes another tag
  EXPECT_EQ(sizeOf(ImageFormat::Tiff, noHeight), ImageSize{});
  Bytes asciiType = good;
  asciiType[20] = 2;
  EXPECT_EQ(sizeOf(ImageFormat::Tiff, asciiType), ImageSize{});
  Bytes noMagic = good;
  noMagic[2] = 0;
  EXPECT_EQ(sizeOf(ImageFormat::Tiff, noMagic), ImageSize{});

  // A LONG stored negative counts by its magnitude.
  EXPECT_EQ(sizeOf(ImageFormat::Tiff, testfiles::tiffHeader(-300, 200, false, 4)), (ImageSize{300, 200}));
}

TEST(ImageHeader, GifWithoutImageDescriptor) {
  const Bytes good = testfiles::gifHeader(20, 10, true);
  const Bytes trailerOnly{'G', 'I', 'F', '8', '9', 'a', 20, 0, 10, 0, 0, 0, 0, 0x3B};
  EXPECT_EQ(sizeOf(ImageFormat::Gif, trailerOnly), ImageSize{});
  const Bytes headerOnly(good.begin(), good.begin() + 13);
  EXPECT_EQ(sizeOf(ImageFormat::Gif, headerOnly), ImageSize{});
  Bytes endlessExtension = good;
  endlessExtension.resize(13 + 12 + 3);  // a comment whose sub-blocks never end
  EXPECT_EQ(sizeOf(ImageFormat::Gif, endlessExtension), ImageSize{});
  Bytes oddVersion = good;
  oddVersion[4] = '8';
  EXPECT_EQ(sizeOf(ImageFormat::Gif, oddVersion), ImageSize{});
  Bytes tableTooBig = good;
  tableTooBig[10] = 0x87;  // 256 colours: the table runs past the end
  EXPECT_EQ(sizeOf(ImageFormat::Gif, tableTooBig), ImageSize{});
}

}  // namespace
