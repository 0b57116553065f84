// Printing from the real program and reading what came out: the PDF
// printer's folder, tools/measure_ruler.py on the Unix side, and the user's
// steps in the main window that lead to a printed page.
#pragma once

#include <windows.h>

#include <optional>
#include <set>
#include <string>
#include <string_view>
#include <vector>

#include "morvi_process.h"

namespace e2e {

inline constexpr wchar_t kPrintGroup[] = L"Impression de règles graduées";

std::string narrow(std::wstring_view text);  // for ASCII texts

class PdfFolder {
 public:
  PdfFolder();
  // The next new PDF once Ghostscript has finished it; nullopt when none
  // comes within ten seconds.
  std::optional<std::string> next();
  // New files after a job that was not started would have reached the folder.
  std::vector<std::wstring> arrivedWithin(DWORD ms);

 private:
  std::set<std::wstring> names() const;

  std::string unixDir_;
  std::set<std::wstring> known_;
};

// What the measuring tool read on a sheet.
struct Sheet {
  struct Mark {
    double mm;
    bool labelled;
    std::string label;
  };
  std::string orientation, title;
  std::vector<std::string> texts;  // the lines under the title
  int rotation = -1;
  double paperWidthMm = 0, paperHeightMm = 0;
  std::vector<Mark> marks;
  // A sheet of strips: each one's cut line across, in mm, and its marks.
  struct Strip {
    double cutMm;
    std::vector<Mark> marks;
  };
  std::vector<Strip> strips;
  double barMm = 0;  // a calibration sheet's, first mark to last
  // A ruler page's check bar: its length between its end marks, how far
  // across those run, and its cross marks from its top, all in mm.
  double checkBarMm = 0, checkBarLeftMm = 0, checkBarRightMm = 0;
  std::vector<double> checkMarksMm;
  // The box of all ink in mm from the sheet's top-left corner, as it is seen.
  double inkLeftMm = 0, inkTopMm = 0, inkRightMm = 0, inkBottomMm = 0;
};
Sheet measure(const std::string& pdf);

// The user's steps in the main window.
HWND printGroup(const MorviProcess& m);
void chooseScale(const MorviProcess& m, int index);
void chooseOrientation(const MorviProcess& m, const wchar_t* item);
void calibrate(const MorviProcess& m, int value);
// The scale item after the catalogue's: " Autre…", or " 1:N" once N is given.
HWND otherScaleItem(const MorviProcess& m);
// Clicks it; the dialog "Autre échelle" that opens, null when none does.
HWND openOtherScale(const MorviProcess& m);
// The N that the dialog's field proposes.
std::wstring proposedScale(HWND dialog);
// Gives N in the dialog as a user would: types it over the proposed text,
// presses Enter and waits until the dialog has closed.
void giveOtherScale(const MorviProcess& m, HWND dialog, const std::wstring& n);
// Clicks the print button; the confirmation dialog that opens.
HWND askToPrint(const MorviProcess& m);
// Prints with "Oui" and measures the sheet that comes out.
Sheet printAndMeasure(const MorviProcess& m, PdfFolder& folder);

}  // namespace e2e
