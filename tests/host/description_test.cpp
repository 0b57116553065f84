#include "framework/desc/description.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdint>
#include <string>

#include "tests/host/description_test_schema.h"

namespace {

using desc_test::testSchema;
using namespace std::string_literals;

// Every kind of value, three levels of objects, binary data around the
// 64-digit line length, escapes and text outside ASCII.
constexpr std::string_view kRich = R"desc(Formmorvi: TForm {
  Caption = "Impression de Morvi (règle graduée)"
  Color = clGradientInactiveCaption
  Font.Color = 16111818
  Font.Height = -11
  Font.Name = "Segoe UI"
  Left = 9223372036854775807
  Top = -9223372036854775808
  OnCreate = FormCreate
  GroupBox1: TForm {
    Anchors = [akLeft, akTop]
    Caption = "tab\tquote\" back\\slash\r\nbell\u0007 esc\u001B del\u007F"
    RG_Morvi: TRadioGroup {
      Items = [" 1:20", "", "€ 1:25 — ok"]
      Anchors = []
      Columns = 6
      ItemIndex = 0
      OnClick = RG_MorviClick
    }
    RgOrient: TRadioGroup {
      Items = []
      Zoom = -1.5E-7
    }
  }
  Image0: TImage {
    Picture.Data = <>
  }
  Image31: TImage {
    Picture.Data = <
      1F44698EB3D8FD22476C91B6DB00254A6F94B9DE03284D7297BCE1062B5075
    >
    Stretch = true
  }
  Image32: TImage {
    Picture.Data = <
      20456A8FB4D9FE23486D92B7DC01264B7095BADF04294E7398BDE2072C51769B
    >
  }
  Image33: TImage {
    Picture.Data = <
      21466B90B5DAFF24496E93B8DD02274C7196BBE0052A4F7499BEE3082D52779C
      C1
    >
  }
  Image70: TImage {
    Picture.Data = <
      466B90B5DAFF24496E93B8DD02274C7196BBE0052A4F7499BEE3082D52779CC1
      E60B30557A9FC4E90E33587DA2C7EC11365B80A5CAEF14395E83A8CDF2173C61
      86ABD0F51A3F
    >
  }
}
)desc";

int countLines(std::string_view text) { return int(std::count(text.begin(), text.end(), '\n')) + 1; }

const desc::Value& valueOf(const desc::Object& object, std::string_view name) {
  for (const desc::Property& p : object.properties)
    if (p.name == name) return p.value;
  throw std::logic_error("no property " + std::string(name));
}

// The picture bytes of the rich text: byte i of an n-byte picture is i*37+n.
desc::Bytes pictureBytes(std::size_t n) {
  desc::Bytes bytes;
  for (std::size_t i = 0; i < n; ++i) bytes.push_back(std::uint8_t(i * 37 + n));
  return bytes;
}

void expectSameContent(const desc::Object& a, const desc::Object& b) {
  SCOPED_TRACE(a.name);
  EXPECT_EQ(a.name, b.name);
  EXPECT_EQ(a.className, b.className);
  ASSERT_EQ(a.properties.size(), b.properties.size());
  for (std::size_t i = 0; i < a.properties.size(); ++i) {
    EXPECT_EQ(a.properties[i].name, b.properties[i].name);
    EXPECT_EQ(a.properties[i].value, b.properties[i].value) << a.properties[i].name;
  }
  ASSERT_EQ(a.children.size(), b.children.size());
  for (std::size_t i = 0; i < a.children.size(); ++i) expectSameContent(a.children[i], b.children[i]);
}

desc::Object image(std::string name, desc::Bytes bytes) {
  return {std::move(name), "TImage", {{"Picture.Data", std::move(bytes)}}, {}};
}

TEST(DescriptionRoundTrip, CanonicalTextIsWrittenBackByteForByte) {
  EXPECT_EQ(desc::write(desc::parse(kRich, testSchema())), kRich);
}

TEST(DescriptionRead, GivesEveryKindOfValueWithItsLine) {
  const desc::Object form = desc::parse(kRich, testSchema());
  EXPECT_EQ(form.name, "Formmorvi");
  EXPECT_EQ(form.className, "TForm");
  EXPECT_EQ(form.line, 1);
  EXPECT_EQ(valueOf(form, "Caption"), desc::Value(std::string("Impression de Morvi (r\xC3\xA8gle gradu\xC3\xA9""e)")));
  // A colour property takes a name or a number.
  EXPECT_EQ(valueOf(form, "Color"), desc::Value(desc::Ident{"clGradientInactiveCaption"}));
  EXPECT_EQ(valueOf(form, "Font.Color"), desc::Value(std::int64_t{16111818}));
  EXPECT_EQ(valueOf(form, "Font.Height"), desc::Value(std::int64_t{-11}));
  EXPECT_EQ(valueOf(form, "Left"), desc::Value(INT64_MAX));
  EXPECT_EQ(valueOf(form, "Top"), desc::Value(INT64_MIN));
  EXPECT_EQ(form.properties.back().line, 9);

  ASSERT_EQ(form.children.size(), 6u);
  const desc::Object& group = form.children[0];
  EXPECT_EQ(group.line, 10);
  EXPECT_EQ(valueOf(group, "Anchors"), desc::Value(desc::Set{{"akLeft", "akTop"}}));
  EXPECT_EQ(valueOf(group, "Caption"),
            desc::Value(std::string("tab\tquote\" back\\slash\r\nbell\x07 esc\x1B del\x7F")));

  ASSERT_EQ(group.children.size(), 2u);
  const desc::Object& scales = group.children[0];
  EXPECT_EQ(scales.line, 13);
  EXPECT_EQ(valueOf(scales, "Items"), desc::Value(desc::StringList{" 1:20", "", "\xE2\x82\xAC 1:25 \xE2\x80\x94 ok"}));
  EXPECT_EQ(valueOf(scales, "OnClick"), desc::Value(desc::Ident{"RG_MorviClick"}));
  // `[]` is read as the kind the property has.
  EXPECT_EQ(valueOf(scales, "Anchors"), desc::Value(desc::Set{}));
  EXPECT_EQ(valueOf(group.children[1], "Items"), desc::Value(desc::StringList{}));
  EXPECT_EQ(valueOf(group.children[1], "Zoom"), desc::Value(desc::Number{"-1.5E-7"}));

  const std::size_t sizes[] = {0, 31, 32, 33, 70};
  for (std::size_t i = 0; i < std::size(sizes); ++i)
    EXPECT_EQ(valueOf(form.children[i + 1], "Picture.Data"), desc::Value(pictureBytes(sizes[i])))
        << sizes[i] << " bytes";
  EXPECT_EQ(form.children[2].properties[0].line, 29);
  EXPECT_EQ(form.children[2].properties[1].line, 32);  // after the binary lines
}

TEST(DescriptionWrite, BuildsTheCanonicalTextThatReadsBack) {
  desc::Object form{"Form1", "TForm", {}, {}};
  form.properties = {{"Caption", std::string("Règle \"1:100\"\n")},
                     {"Font.Color", desc::Ident{"clNavy"}},
                     {"Left", std::int64_t{-3}}};
  desc::Object list{"List", "TRadioGroup", {}, {}};
  list.properties = {{"Items", desc::StringList{"Portrait", "Paysage"}},
                     {"Anchors", desc::Set{{"akRight"}}}};
  form.children = {list, image("Logo", pictureBytes(33)), image("None", {})};

  const std::string text = desc::write(form);
  EXPECT_EQ(text,
            "Form1: TForm {\n"
            "  Caption = \"Règle \\\"1:100\\\"\\n\"\n"
            "  Font.Color = clNavy\n"
            "  Left = -3\n"
            "  List: TRadioGroup {\n"
            "    Items = [\"Portrait\", \"Paysage\"]\n"
            "    Anchors = [akRight]\n"
            "  }\n"
            "  Logo: TImage {\n"
            "    Picture.Data = <\n"
            "      21466B90B5DAFF24496E93B8DD02274C7196BBE0052A4F7499BEE3082D52779C\n"
            "      C1\n"
            "    >\n"
            "  }\n"
            "  None: TImage {\n"
            "    Picture.Data = <>\n"
            "  }\n"
            "}\n");
  expectSameContent(desc::parse(text, testSchema()), form);
}

TEST(DescriptionWrite, EveryByteOfAStringAndOfBinaryDataReadsBack) {
  std::string allBytes;
  desc::Bytes binary;
  for (int c = 0; c < 128; ++c) allBytes += char(c);
  for (int b = 0; b < 256; ++b) binary.push_back(std::uint8_t(b));
  desc::Object form{"F", "TForm", {{"Caption", allBytes}}, {}};
  // Binary data of every length around one and two full lines.
  for (std::size_t n : {1, 31, 32, 33, 63, 64, 65, 256})
    form.children.push_back(image("I" + std::to_string(n), desc::Bytes(binary.begin(), binary.begin() + long(n))));

  const std::string text = desc::write(form);
  EXPECT_TRUE(std::none_of(text.begin(), text.end(), [](char c) { return c >= 0 && c < 0x20 && c != '\n'; }))
      << "control characters are written escaped";
  expectSameContent(desc::parse(text, testSchema()), form);
}

TEST(DescriptionWrite, RefusesWhatCouldNotBeReadBack) {
  const desc::Object badObjects[] = {
      {"F", "TForm", {{"Caption", std::string("caf\xE9")}}, {}},  // Windows-1252, not UTF-8
      {"F", "TForm", {{"Items", desc::StringList{"\xC0\x80"}}}, {}},
      {"F.G", "TForm", {}, {}},
      {"", "TForm", {}, {}},
      {"F", "T Form", {}, {}},
      {"F", "TForm", {{"Font..Name", std::int64_t{1}}}, {}},
      {"F", "TForm", {{"OnCreate", desc::Ident{"Form Create"}}}, {}},
      {"F", "TForm", {{"Anchors", desc::Set{{"akLeft", "9"}}}}, {}},
      {"F", "TForm", {{"Zoom", desc::Number{"1,5"}}}, {}},
  };
  for (const desc::Object& object : badObjects)
    EXPECT_THROW(desc::write(object), std::invalid_argument) << testing::PrintToString(object.name);
}

struct Malformed {
  std::string text;
  int line;
  std::string fragment;  // part of the message that says what is wrong
};

// Each text is wrong in one place only; the error must name that line.
const Malformed kMalformed[] = {
    {"", 1, "empty"},
    {"F: TForm {\n}", 2, "line feed at the end"},
    {" F: TForm {\n}\n", 1, "indent"},
    {"F: TForm {\n   Left = 1\n}\n", 2, "bad indent"},
    {"F: TForm {\n Left = 1\n}\n", 2, "bad indent"},
    {"F: TForm {\n    Left = 1\n}\n", 2, "bad indent"},
    {"F: TForm {\n\tLeft = 1\n}\n", 2, "tab"},
    {"F: TForm {\n  Caption = \"a\tb\"\n}\n", 2, "tab"},
    {"F: TForm {\n  Left = 1 \n}\n", 2, "trailing blank"},
    {"F: TForm {\n\n  Left = 1\n}\n", 2, "blank line"},
    {"F: TForm {\n  \n}\n", 2, "blank line"},
    {"F: TForm {\r\n}\r\n", 1, "carriage return"},
    {"F: TForm {\n  Caption = \"\x7F\"\n}\n", 2, "control character"},
    {"F: TForm {\n  Caption = \"\0\"\n}\n"s, 2, "control character"},
    // Names and structure.
    {"F: TButton {\n}\n", 1, "unknown class 'TButton'"},
    {"F: TControl {\n}\n", 1, "unknown class 'TControl'"},
    {"F: TForm {\n  Items = []\n}\n", 2, "unknown property 'Items' of class TForm"},
    {"F: TForm {\n  Font.Size = 8\n}\n", 2, "unknown property 'Font.Size'"},
    {"F: TForm{\n}\n", 1, "expected 'Name: TClass {'"},
    {"F TForm {\n}\n", 1, "expected 'Name: TClass {'"},
    {"F:  TForm {\n}\n", 1, "expected 'Name: TClass {'"},
    {"}\n", 1, "expected 'Name: TClass {'"},
    {"F: TForm {\n  G.H: TForm {\n  }\n}\n", 2, "no dot"},
    {"F: TForm {\n  Left 1\n}\n", 2, "expected 'Name = value'"},
    {"F: TForm {\n  Left=1\n}\n", 2, "expected 'Name = value'"},
    {"F: TForm {\n  Left = 1\n  Top = 2\n  Left = 3\n}\n", 4, "'Left' given twice"},
    {"F: TForm {\n  G: TForm {\n  }\n  Left = 1\n}\n", 4, "property after child objects"},
    {"F: TForm {\n  Left = 1\n", 1, "'F' is never closed"},
    {"F: TForm {\n  G: TForm {\n    Left = 1\n  Top = 2\n}\n", 4, "missing '}' closing 'G' (line 2)"},
    {"F: TForm {\n  Left = 1\n}\n}\n", 4, "after the root"},
    {"F: TForm {\n}\nG: TForm {\n}\n", 3, "after the root"},
    {"F: TForm {\n}\n\n", 3, "blank line"},
    // Values of the wrong kind.
    {"F: TForm {\n  Left = \"1\"\n}\n", 2, "'Left' takes an integer"},
    {"F: TForm {\n  Left = +1\n}\n", 2, "'Left' takes an integer"},
    {"F: TForm {\n  Caption = Morvi\n}\n", 2, "'Caption' takes a string"},
    {"F: TForm {\n  OnCreate = 5\n}\n", 2, "'OnCreate' takes an identifier"},
    {"F: TForm {\n  Color = \"red\"\n}\n", 2, "'Color' takes a colour"},
    {"F: TForm {\n  G: TRadioGroup {\n    Items = [a]\n  }\n}\n", 3, "'Items' takes a list of strings"},
    {"F: TForm {\n  Anchors = [\"akLeft\"]\n}\n", 2, "'Anchors' takes a set"},
    {"F: TForm {\n  G: TImage {\n    Picture.Data = 00\n  }\n}\n", 3, "'Picture.Data' takes binary data"},
    // Integers.
    {"F: TForm {\n  Left = 9223372036854775808\n}\n", 2, "out of range"},
    {"F: TForm {\n  Left = -9223372036854775809\n}\n", 2, "out of range"},
    {"F: TForm {\n  Left = 99999999999999999999999\n}\n", 2, "out of range"},
    {"F: TForm {\n  Left = 007\n}\n", 2, "leading zero"},
    {"F: TForm {\n  Left = -0\n}\n", 2, "-0"},
    {"F: TForm {\n  Left = -\n}\n", 2, "digits after '-'"},
    {"F: TForm {\n  Left = 1.5\n}\n", 2, "unexpected text after the value of 'Left'"},
    {"F: TForm {\n  Color = -\n}\n", 2, "digits after '-'"},
    // Decimal numbers.
    {"F: TForm {\n  G: TRadioGroup {\n    Zoom = 1,5\n  }\n}\n", 3, "'Zoom' takes a decimal number"},
    {"F: TForm {\n  G: TRadioGroup {\n    Zoom = 1e5\n  }\n}\n", 3, "'Zoom' takes a decimal number"},
    {"F: TForm {\n  G: TRadioGroup {\n    Zoom = 1E99999\n  }\n}\n", 3, "'Zoom' takes a decimal number"},
    // Strings.
    {"F: TForm {\n  Caption = \"a\\qb\"\n}\n", 2, "bad escape \\q"},
    {"F: TForm {\n  Caption = \"\\u0041\"\n}\n", 2, "bad escape"},
    {"F: TForm {\n  Caption = \"\\u001b\"\n}\n", 2, "bad escape"},
    {"F: TForm {\n  Caption = \"\\u000A\"\n}\n", 2, "bad escape"},
    {"F: TForm {\n  Caption = \"\\u00\"\n}\n", 2, "bad escape"},
    {"F: TForm {\n  Caption = \"abc\n}\n", 2, "unterminated string"},
    {"F: TForm {\n  Caption = \"abc\\\n}\n", 2, "unterminated string"},
    {"F: TForm {\n  Caption = \"\xC0\x80\"\n}\n", 2, "invalid UTF-8"},
    {"F: TForm {\n  Caption = \"\xED\xA0\x80\"\n}\n", 2, "invalid UTF-8"},
    {"F: TForm {\n  Caption = \"\xE2\x82\"\n}\n", 2, "invalid UTF-8"},
    {"F: TForm {\n  Caption = \"\x80\"\n}\n", 2, "invalid UTF-8"},
    {"F: TForm {\n  Caption = \"x\" y\n}\n", 2, "unexpected text after the value"},
    // Lists and sets.
    {"F: TForm {\n  G: TRadioGroup {\n    Items = [\"a\",\"b\"]\n  }\n}\n", 3, "expected ', ' or ']'"},
    {"F: TForm {\n  G: TRadioGroup {\n    Items = [\"a\"\n  }\n}\n", 3, "expected ', ' or ']'"},
    {"F: TForm {\n  G: TRadioGroup {\n    Items = [ ]\n  }\n}\n", 3, "takes a list of strings"},
    {"F: TForm {\n  Anchors = [akLeft, akLeft]\n}\n", 2, "'akLeft' twice"},
    {"F: TForm {\n  Anchors = [akLeft,]\n}\n", 2, "expected ', ' or ']'"},
    {"F: TForm {\n  Anchors = [akLeft, ]\n}\n", 2, "takes a set"},
    {"F: TForm {\n  Anchors = [akLeft] x\n}\n", 2, "unexpected text"},
    // Binary data.
    {"F: TImage {\n  Picture.Data = <\n    0A1\n  >\n}\n", 3, "odd number of hex digits"},
    {"F: TImage {\n  Picture.Data = <\n    0G\n  >\n}\n", 3, "not a hex digit: 'G'"},
    {"F: TImage {\n  Picture.Data = <\n    0a\n  >\n}\n", 3, "upper-case"},
    {"F: TImage {\n  Picture.Data = <\n    " + std::string(66, 'A') + "\n  >\n}\n", 3, "more than 64"},
    {"F: TImage {\n  Picture.Data = <\n    00\n    00\n  >\n}\n", 3, "fewer than 64"},
    {"F: TImage {\n  Picture.Data = <\n    00\n", 2, "missing '>'"},
    {"F: TImage {\n  Picture.Data = <\n    00\n}\n", 4, "expected hex digits"},
    {"F: TImage {\n  Picture.Data = <\n     00\n  >\n}\n", 3, "expected hex digits"},
    {"F: TImage {\n  Picture.Data = <\n  >\n}\n", 3, "written '<>'"},
    {"F: TImage {\n  Picture.Data = < 00\n}\n", 2, "unexpected text"},
    {"F: TImage {\n  Picture.Data = <>>\n}\n", 2, "unexpected text"},
};

TEST(DescriptionErrors, EachMalformedTextIsRefusedNamingItsLine) {
  for (const Malformed& m : kMalformed) {
    SCOPED_TRACE(testing::Message() << "text: " << testing::PrintToString(m.text));
    try {
      desc::parse(m.text, testSchema());
      ADD_FAILURE() << "accepted";
    } catch (const desc::Error& e) {
      EXPECT_EQ(e.line(), m.line) << e.what();
      EXPECT_NE(std::string(e.what()).find(m.fragment), std::string::npos) << e.what();
      EXPECT_EQ(std::string(e.what()).rfind("line " + std::to_string(m.line) + ": ", 0), 0u) << e.what();
    }
  }
}

std::string nested(int levels) {
  std::string text;
  for (int i = 0; i < levels; ++i) text += std::string(2 * i, ' ') + "F: TForm {\n";
  for (int i = levels - 1; i >= 0; --i) text += std::string(2 * i, ' ') + "}\n";
  return text;
}

TEST(DescriptionErrors, NestingIsBoundedAndSaysWhere) {
  EXPECT_EQ(desc::write(desc::parse(nested(65), testSchema())), nested(65));
  try {
    desc::parse(nested(200), testSchema());
    ADD_FAILURE() << "accepted";
  } catch (const desc::Error& e) {
    EXPECT_EQ(e.line(), 66) << e.what();
  }
}

// Whatever the text, the reader either refuses it with a line of the text or
// takes it, and then it was canonical: written back, it is the same text.
// Says what went wrong, or nothing.
std::string refusedOrCanonical(const std::string& text) {
  try {
    if (desc::write(desc::parse(text, testSchema())) != text) return "taken, but not canonical";
  } catch (const desc::Error& e) {
    if (e.line() < 1 || e.line() > countLines(text)) return std::string("line outside the text: ") + e.what();
  }
  return {};
}

TEST(DescriptionRobustness, EveryCutOfTheTextIsRefused) {
  for (std::size_t n = 0; n < kRich.size(); ++n)
    EXPECT_THROW(desc::parse(kRich.substr(0, n), testSchema()), desc::Error) << "first " << n << " bytes";
}

TEST(DescriptionRobustness, ChangedBytesAreRefusedOrReadBackUnchanged) {
  const char replacements[] = {' ', '\n', '"', '\\', '[', '<', '0', '\xC3'};
  for (std::size_t i = 0; i < kRich.size(); ++i) {
    for (const char c : replacements) {
      std::string text(kRich);
      text[i] = c;
      EXPECT_EQ(refusedOrCanonical(text), "") << "byte " << i << " set to " << int(c);
    }
    EXPECT_EQ(refusedOrCanonical(std::string(kRich).erase(i, 1)), "") << "byte " << i << " removed";
  }
}

}  // namespace
