// Printing from the real sale form to a printer that takes nothing: a named pipe nobody
// reads (Linux only: under Wine no port ever stalls).
#include <gtest/gtest.h>
#include <unistd.h>
#include <wx/button.h>
#include <wx/dialog.h>
#include <wx/stattext.h>
#include <wx/textctrl.h>
#include <wx/timer.h>

#include <algorithm>
#include <cerrno>
#include <ostream>
#include <string>
#include <vector>

#include "form/control_ids.h"
#include "form/item_row.h"
#include "port/printer_posix.h"
#include "tests/gui/modal_expectations.h"
#include "tests/gui/printing_form.h"
#include "tests/port/port_test_files_posix.h"
#include "tests/port/reporting_file_system_posix.h"

namespace {

// What the printer's port reports, what the progress window then says, and the message
// once "取消" was pressed.
struct ProgressCase {
  const char* name;
  StatusReading status;  // every reading of the port's status lines
  const char* window;
  const char* message;
};

void PrintTo(const ProgressCase& row, std::ostream* out) {
  *out << row.name;
}

class PrintProgressTest : public PrintingFormTest,
                          public testing::WithParamInterface<ProgressCase> {
 protected:
  // The progress window over the form, while one is shown.
  wxWindow* ProgressWindow() const {
    const auto progress = std::find_if(wxTopLevelWindows.begin(), wxTopLevelWindows.end(),
                                       [this](const wxWindow* window) {
                                         return window != dialog_ && window->IsShown() &&
                                                dynamic_cast<const wxDialog*>(window) != nullptr;
                                       });
    return progress != wxTopLevelWindows.end() ? *progress : nullptr;
  }
  // Its "取消" button.
  wxButton* ProgressCancelButton() const {
    const wxWindow* progress = ProgressWindow();
    return progress != nullptr ? dynamic_cast<wxButton*>(progress->FindWindow(wxID_CANCEL))
                               : nullptr;
  }
  // Its text, "" while none is shown.
  wxString ProgressText() const {
    wxWindow* progress = ProgressWindow();
    if (progress == nullptr) return "";
    const wxWindowList& children = progress->GetChildren();
    const auto text = std::find_if(children.begin(), children.end(), [](const wxWindow* child) {
      return dynamic_cast<const wxStaticText*>(child) != nullptr;
    });
    return text != children.end() ? (*text)->GetLabel() : "";
  }

  ReportingFileSystem files_{GetParam().status};
};

// A printer that takes nothing: the progress window appears over the form and says what
// the port reports wrong, the form's own events keep being handled meanwhile, and "取消"
// ends the print with the message.
TEST_P(PrintProgressTest, StalledPrinterShowsProgressAndCancels) {
  ASSERT_TRUE(std::filesystem::create_directory(directory_));
  device_ = directory_ / "fifo";
  ShowForm(std::make_unique<DevicePrinter>(std::vector<std::string>{device_.string()}, &files_));
  const int reader = MakeFifoWithReader(device_.string());  // never reads
  ASSERT_GE(reader, 0);
  const std::string held = FillFifo(device_.string());
  ASSERT_NE(held, "");
  TypeTwoRowSale();

  // Runs while the print waits: once the window is there, posts a call to the form, and
  // presses of 打印, 合计 >> and 关于 as an automation tool would (with a row changed, so
  // that 合计 >> would show); once the form has answered the call and the window says what
  // was reported, clicks "取消". A window that never says it is still closed, so that a
  // print waiting out paper out ends.
  wxString total_before;
  bool form_answered = false;
  bool clicked = false;
  wxString last_text;
  int turns_shown = 0;
  wxTimer watch;
  watch.Bind(wxEVT_TIMER, [&](wxTimerEvent&) {
    wxButton* cancel = ProgressCancelButton();
    if (cancel == nullptr || clicked) return;
    if (!form_answered) {
      dialog_->CallAfter([&form_answered] { form_answered = true; });
      total_before = Find<wxTextCtrl>(IDC_TOTAL)->GetValue();
      Find<wxTextCtrl>(kItemRows[0].quantity)->ChangeValue("5");
      for (const int button : {IDC_PRINT, IDC_TOTAL_BUTTON, IDC_ABOUT}) {
        wxCommandEvent press(wxEVT_BUTTON, button);
        wxPostEvent(Find<wxButton>(button), press);
      }
      return;
    }
    last_text = ProgressText();
    if (last_text != wxString::FromUTF8(GetParam().window) && ++turns_shown < 400) return;
    clicked = true;
    driver_.Click(cancel);
  });
  watch.Start(50);
  std::vector<wxString> shown;
  // Any message or About box besides the print's own fails the test.
  const auto print_until_its_message = [this, &shown] {
    driver_.Click(Find<wxButton>(IDC_PRINT));
    GuiDriver::WaitUntil([&shown] { return !shown.empty(); });
    GuiDriver::Settle();
  };
  wxTEST_DIALOG(print_until_its_message(), ExpectMessage(&shown));
  watch.Stop();

  EXPECT_TRUE(clicked) << "the progress window never appeared or the form never answered";
  EXPECT_EQ(last_text, wxString::FromUTF8(GetParam().window));
  ASSERT_EQ(shown.size(), 1u);
  EXPECT_EQ(shown[0], wxString::FromUTF8(GetParam().message));
  EXPECT_EQ(ProgressCancelButton(), nullptr);
  EXPECT_TRUE(IsEnabled(IDC_PRINT));
  EXPECT_EQ(Find<wxTextCtrl>(IDC_TOTAL)->GetValue(), total_before) << "合计 >> ran";
  // The form was disabled during the wait, which took the keyboard from 打印: it has it back.
  EXPECT_TRUE(
      GuiDriver::WaitUntil([this] { return wxWindow::FindFocus() == Find<wxButton>(IDC_PRINT); }));
  EXPECT_EQ(Find<wxTextCtrl>(IDC_DATE)->GetValue(), "2024/3/5");
  EXPECT_EQ(Find<wxTextCtrl>(IDC_CASHIER)->GetValue(), "Li");
  EXPECT_TRUE(ReadToEnd(reader) == held) << "part of the receipt reached the printer";
  close(reader);
}

INSTANTIATE_TEST_SUITE_P(PortStates, PrintProgressTest,
                         testing::Values(ProgressCase{"NoStatusLines", StatusReading{0, ENOTTY},
                                                      "正在打印…", "打印已取消。"},
                                         // Read once the printer has taken nothing for a second.
                                         ProgressCase{"PaperOut", StatusReading{0x38, 0},
                                                      "正在打印…\n打印机缺纸，请装纸。",
                                                      "打印已取消。\n打印机缺纸，请装纸。"}),
                         [](const testing::TestParamInfo<ProgressCase>& info) {
                           return std::string(info.param.name);
                         });

}  // namespace
