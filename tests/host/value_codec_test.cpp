// Property values between the window description's text and the program.
#include <gtest/gtest.h>

#include "framework/desc/value_codec.h"

#include <limits>

namespace {

enum class Layout { Left, Top };
struct Styles {
  unsigned bits = 0;
};

}  // namespace

template <>
struct fw::EnumNames<Layout> {
  static constexpr std::pair<Layout, const char*> table[] = {{Layout::Left, "blLeft"}, {Layout::Top, "blTop"}};
};
template <>
struct fw::FlagNames<Styles> {
  static constexpr std::pair<unsigned, const char*> table[] = {{1, "fsBold"}, {4, "fsUnderline"}};
};

TEST(ValueCodec, TextCrossesBetweenUtf8AndWideUnchanged) {
  for (const std::wstring& text : {std::wstring(L"Impression de Morvi (règle graduée)"), std::wstring(L""),
                                   std::wstring(L"\r\n    \r\n\r\n Découvrez"), std::wstring(L"€ \U0001F4CF")})
    EXPECT_EQ(fw::fromUtf8(fw::toUtf8(text)), text);
  EXPECT_EQ(fw::toUtf8(L"è"), "\xC3\xA8");
  // Bytes that are no UTF-8 become U+FFFD, one each, and the rest still reads.
  EXPECT_EQ(fw::fromUtf8("a\xC3(b\xFF"), L"a\uFFFD(b\uFFFD");
  EXPECT_EQ(fw::fromUtf8("\xE2\x82"), L"\uFFFD\uFFFD");
}

TEST(ValueCodec, NamedColoursAreWrittenByNameOthersAsNumbers) {
  using Codec = fw::ValueCodec<fw::Color>;
  EXPECT_EQ(Codec::encode(fw::clNavy), desc::Value(desc::Ident{"clNavy"}));
  EXPECT_EQ(Codec::encode(fw::Color{16111818}), desc::Value(std::int64_t{16111818}));
  EXPECT_EQ(Codec::decode(desc::Ident{"clGradientInactiveCaption"}), fw::clGradientInactiveCaption);
  EXPECT_EQ(Codec::decode(std::int64_t{16367008}), fw::Color{16367008});
  EXPECT_THROW(Codec::decode(desc::Ident{"clPurpleHaze"}), fw::BadValue);
  EXPECT_THROW(Codec::decode(std::int64_t{-1}), fw::BadValue);
  EXPECT_THROW(Codec::decode(std::int64_t{0x100000000}), fw::BadValue);
}

TEST(ValueCodec, ExtendedFloatsAreWrittenShortestAndReadBackExactly) {
  using Codec = fw::ValueCodec<long double>;
  const std::pair<long double, const char*> cases[] = {
      {0, "0"}, {12.5L, "12.5"}, {-3, "-3"}, {0.1L, "0.1"}, {1.005L, "1.005"}, {1e-7L, "1E-7"},
      {1e21L, "1E21"}, {123456789012345678901.0L, "123456789012345678904"}, {1.0L / 3, "0.33333333333333333334"},
      {std::numeric_limits<long double>::max(), "1.189731495357231765E4932"},
  };
  for (const auto& [value, text] : cases) {
    EXPECT_EQ(Codec::encode(value), desc::Value(desc::Number{text}));
    EXPECT_EQ(Codec::decode(desc::Number{text}), value) << text;
  }
}

TEST(ValueCodec, NumbersBooleansEnumerationsAndSetsAreChecked) {
  EXPECT_EQ(fw::ValueCodec<int>::decode(std::int64_t{-11}), -11);
  EXPECT_THROW(fw::ValueCodec<int>::decode(std::int64_t{1} << 31), fw::BadValue);
  EXPECT_TRUE(fw::ValueCodec<bool>::decode(desc::Ident{"true"}));
  EXPECT_THROW(fw::ValueCodec<bool>::decode(desc::Ident{"yes"}), fw::BadValue);
  EXPECT_EQ(fw::ValueCodec<Layout>::decode(desc::Ident{"blTop"}), Layout::Top);
  EXPECT_EQ(fw::ValueCodec<Layout>::encode(Layout::Left), desc::Value(desc::Ident{"blLeft"}));
  EXPECT_THROW(fw::ValueCodec<Layout>::decode(desc::Ident{"blSideways"}), fw::BadValue);
  EXPECT_EQ(fw::ValueCodec<Styles>::decode(desc::Set{{"fsUnderline", "fsBold"}}).bits, 5u);
  EXPECT_EQ(fw::ValueCodec<Styles>::encode(Styles{5}), desc::Value(desc::Set{{"fsBold", "fsUnderline"}}));
  EXPECT_THROW(fw::ValueCodec<Styles>::decode(desc::Set{{"fsWavy"}}), fw::BadValue);
}
