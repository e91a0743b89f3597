#include <fstream>

#include "port/lpt1.h"
#include "tests/gui/printing_form.h"
#include "tests/support/wine_lpt1_windows.h"

// The program's own printer, LPT1, which the test run maps to a file under Wine or leaves
// unmapped; `device` names the Linux build's stand-in and has no meaning here.
void PrintingFormTest::Open(const char* /*device*/) {
  ASSERT_TRUE(std::filesystem::create_directory(directory_));
  const std::optional<std::string> file = WineLpt1File();
  ASSERT_TRUE(file.has_value()) << "run this through ctest, which maps or unmaps LPT1 under Wine";
  device_ = *file;
  if (!device_.empty())
    std::ofstream(device_, std::ios::binary | std::ios::trunc);  // no receipt yet
  ShowForm(MakeLpt1Connector());
}

// Wine's text for ERROR_FILE_NOT_FOUND in Simplified Chinese (Windows' own reads
// 系统找不到指定的文件。).
wxString PrintingFormTest::MissingPrinterReason() const {
  return wxString::FromUTF8("LPT1: 找不到文件。");
}
