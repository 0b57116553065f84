// What the real program printed: the PDF printer's folder, and the sheet as
// tools/measure_ruler.py reads it on the Unix side.
#pragma once

#include <windows.h>

#include <optional>
#include <set>
#include <string>
#include <vector>


namespace e2e {

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
  std::vector<std::pair<double, double>> textSpansMm;  // where each begins and ends across
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

  std::vector<double> labelledMm() const;  // where the labelled marks are
};
// `acrossMm`: where the printer's printable area begins, from the paper's left edge.
Sheet measure(const std::string& pdf, double acrossMm = 0);

// At least `atLeast` labelled marks, every `stepMm` from the first and
// labelled "0m", then on in steps of `metres` ("1m", "2,5m"...); answers how
// far the last lies from the first.
double expectLabelledEvery(const std::vector<Sheet::Mark>& marks, double stepMm, double metres, std::size_t atLeast);

}  // namespace e2e
