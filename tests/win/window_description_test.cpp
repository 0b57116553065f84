// The window description: the program's own reads into controls and writes
// back unchanged; a faulty one is refused with its line; an exception that
// leaves a handler is shown in the error box and the window stays.
#include <windows.h>

#include <gtest/gtest.h>

#include <atomic>
#include <set>
#include <string>
#include <thread>

#include "app/main_window.h"
#include "framework/ui/application.h"
#include "framework/ui/button.h"
#include "framework/error/error.h"
#include "tests/support/message_pump.h"
#include "tests/support/test_window.h"

namespace {

std::string resourceText(const wchar_t* name) {
  HRSRC res = FindResourceW(nullptr, name, MAKEINTRESOURCEW(10));
  HGLOBAL data = LoadResource(nullptr, res);
  return std::string(static_cast<const char*>(LockResource(data)), SizeofResource(nullptr, res));
}

// The message of the DescriptionError that reading `text` into the main
// window raises, or "" when it reads.
std::wstring refusal(const std::string& text) {
  TFormmorvi::registerClasses();
  TFormmorvi form;
  try {
    form.load(text);
  } catch (const fw::DescriptionError& e) {
    return e.message();
  }
  return L"";
}

std::string replaced(std::string text, const std::string& from, const std::string& to) {
  size_t at = text.find(from);
  EXPECT_NE(at, std::string::npos) << from;
  return text.replace(at, from.size(), to);
}

int lineOf(const std::string& text, const std::string& what) {
  size_t at = text.find(what);
  return 1 + int(std::count(text.begin(), text.begin() + std::ptrdiff_t(at), '\n'));
}

}  // namespace

TEST(WindowDescription, ReadsTheMainWindowAndWritesItBackByteForByte) {
  TFormmorvi::registerClasses();
  const std::string text = resourceText(L"FORMMORVI");
  TFormmorvi form;
  form.load(text);
  EXPECT_EQ(form.caption(), L"Impression de Morvi (règle graduée)");
  EXPECT_EQ(form.RG_Morvi->items().size(), 18u);  // the catalogue's seventeen and " Autre…"
  EXPECT_EQ(form.RG_Morvi->itemIndex(), 5);
  EXPECT_EQ(form.RgOrient->itemIndex(), -1);
  EXPECT_EQ(form.SpinEdit->value(), 0);
  EXPECT_EQ(form.SpinEdit->font().height, -21);
  EXPECT_EQ(form.Label1->font().name, L"Segoe UI");  // the window's font, inherited
  EXPECT_EQ(form.Image1->picture().width(), 128);
  EXPECT_EQ(form.AdvSmoothLabel3->Caption().values().ColorStart, fw::clNavy);
  EXPECT_EQ(form.AdvSmoothLabel3->Caption().values().Text,
            L"\r\n    \r\n\r\n               Découvrez nos autres logiciels");
  EXPECT_EQ(form.AdvSmoothLabel1->Caption().Font().height, -12);
  EXPECT_EQ(desc::write(form.describe()), text);
}

namespace {

}  // namespace

// Each class describes itself under its own name, on its C++ base's
// properties with no name twice, and what it writes reads back the same.
TEST(WindowDescription, EveryRegisteredClassIsWrittenUnderItsNameAndReadBack) {
  TFormmorvi::registerClasses();
  fw::Registry::instance().add(testwindow::TestForm::info());
  for (const fw::ClassInfo* c : fw::Registry::instance().classes()) {
    SCOPED_TRACE(c->name());
    std::set<std::string> names;
    for (const fw::PropertyDef* p : c->allProperties()) EXPECT_TRUE(names.insert(p->schema.name).second) << p->schema.name;
    if (!c->factory()) continue;  // a form, only ever the root: the main window's test reads one
    testwindow::TestForm written;
    written.setName("Holder");
    fw::Control& made = written.add(c->factory()());
    made.setName("Made");
    EXPECT_EQ(&made.classInfo(), c);
    const std::string text = desc::write(written.describe());
    testwindow::TestForm read;
    read.load(text);
    EXPECT_EQ(desc::write(read.describe()), text);
  }
  // A class without a publication of its own is refused, not written as its base.
  struct Unpublished : fw::Label {};
  testwindow::TestForm holder;
  holder.add(std::make_unique<Unpublished>());
  EXPECT_THROW(holder.describe(), fw::Error);
}

TEST(WindowDescription, RefusesFaultsNamingTheirLine) {
  const std::string text = resourceText(L"FORMMORVI");
  const std::string label1 = "Label1: TLabel {";
  const std::string etalonner = "Caption = \"Etalonner\"";
  struct Case {
    std::string text;
    int line;
  } cases[] = {
      {replaced(text, label1, "Label1: TNoSuchControl {"), lineOf(text, label1)},
      {replaced(text, etalonner, "Legend = \"Etalonner\""), lineOf(text, etalonner)},
      {replaced(text, "OnClick = BtAideClick", "OnClick = NoSuchHandler"), lineOf(text, "OnClick = BtAideClick")},
      {replaced(text, "Layout = blGlyphTop", "Layout = blSideways"), lineOf(text, "Layout = blGlyphTop")},
      {replaced(text, "Columns = 6", "Columns = \"six\""), lineOf(text, "Columns = 6")},
      {replaced(text, "ClientWidth = 497", "ClientWidth = 99999999999"), lineOf(text, "ClientWidth = 497")},
  };
  for (const Case& c : cases) {
    std::wstring message = refusal(c.text);
    EXPECT_NE(message.find(L"ligne " + std::to_wstring(c.line) + L" "), std::wstring::npos)
        << "line " << c.line << ": " << fw::toUtf8(message);
  }
  EXPECT_EQ(refusal(text), L"");
}

namespace {

}  // namespace

TEST(ErrorBox, ShowsTheFailureOfAHandlerAndTheWindowStays) {
  fw::Registry::instance().add(testwindow::TestForm::info());
  fw::Registry::instance().add(fw::Button::info());
  testwindow::TestForm form;
  form.also = [](fw::Control&) { throw fw::PrinterError(L"Aucune imprimante par défaut sélectionnée"); };
  form.create(
      "Fail: TTestForm {\n"
      "  ClientWidth = 200\n"
      "  ClientHeight = 100\n"
      "  Go: TButton {\n"
      "    Left = 10\n"
      "    Top = 10\n"
      "    Width = 80\n"
      "    Height = 25\n"
      "    Caption = \"Go\"\n"
      "    OnClick = Handler\n"
      "  }\n"
      "}\n");
  ASSERT_TRUE(form.handle());

  // The box is modal: a second thread reads it and closes it.
  std::wstring caption, text;
  std::atomic<bool> seen = false;
  std::thread watcher([&] {
    for (int i = 0; i < 500 && !seen; ++i) {
      HWND box = FindWindowW(L"#32770", fw::Application::title().c_str());
      if (box) {
        wchar_t buf[256] = {};
        GetWindowTextW(box, buf, 256);
        caption = buf;
        GetDlgItemTextW(box, 0xFFFF, buf, 256);
        text = buf;
        seen = true;
        PostMessageW(box, WM_COMMAND, IDOK, 0);
      }
      Sleep(10);
    }
  });
  HWND button = form.find("Go")->handle();
  SendMessageW(form.handle(), WM_COMMAND, MAKEWPARAM(0, BN_CLICKED), reinterpret_cast<LPARAM>(button));
  // The box opens once the message has returned, from the loop.
  for (int i = 0; i < 500 && !seen; ++i) testpump::pump(10);
  watcher.join();

  ASSERT_TRUE(seen);
  EXPECT_EQ(caption, L"morvi_win_tests");
  EXPECT_EQ(text, L"Aucune imprimante par défaut sélectionnée.");
  EXPECT_TRUE(IsWindow(form.handle()));
}

TEST(WindowDescription, SmoothLabelKeepsItsAlwaysWrittenPropertiesAndDropsDefaults) {
  TFormmorvi::registerClasses();
  fw::Registry::instance().add(fw::Form::info());
  fw::Form form;
  form.load(
      "F: TForm {\n"
      "  L: TAdvSmoothLabel {\n"
      "    AutoShadowCaption = true\n"
      "    Fill.Color = 12632256\n"
      "    Fill.BorderColor = clBlue\n"
      "    Caption.Text = \"a\"\n"
      "    Caption.Location = plCustom\n"
      "    Caption.ColorEnd = 7687936\n"
      "    CaptionShadow.OpacityStart = 255\n"
      "    Version = \"9.9\"\n"
      "    Transparent = false\n"
      "  }\n"
      "}\n");
  EXPECT_EQ(desc::write(form.describe()),
            "F: TForm {\n"
            "  L: TAdvSmoothLabel {\n"
            "    Width = 280\n"
            "    Height = 50\n"
            "    Fill.ColorMirror = clNone\n"
            "    Fill.ColorMirrorTo = clNone\n"
            "    Fill.GradientType = gtVertical\n"
            "    Fill.GradientMirrorType = gtSolid\n"
            "    Fill.BorderColor = clBlue\n"
            "    Fill.Rounding = 0\n"
            "    Fill.ShadowOffset = 0\n"
            "    Fill.Glow = gmNone\n"
            "    Caption.Text = \"a\"\n"
            "    Caption.Location = plCustom\n"
            "    Caption.Font.Name = \"Tahoma\"\n"
            "    Caption.Font.Height = -27\n"
            "    Caption.Font.Color = clWindowText\n"
            "    Caption.Font.Style = []\n"
            "    CaptionShadow.Text = \"a\"\n"
            "    CaptionShadow.Font.Name = \"Tahoma\"\n"
            "    CaptionShadow.Font.Height = -27\n"
            "    CaptionShadow.Font.Color = clWindowText\n"
            "    CaptionShadow.Font.Style = []\n"
            "    Version = \"1.6.0.2\"\n"
            "    Transparent = false\n"
            "  }\n"
            "}\n");
}
