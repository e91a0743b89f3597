// Printing from the real sale form to a printer that takes nothing: a named pipe nobody
// reads (Linux only: under Wine no port ever stalls).
#include <gtest/gtest.h>
#include <unistd.h>
#include <wx/button.h>
#include <wx/dialog.h>
#include <wx/textctrl.h>
#include <wx/timer.h>

#include <algorithm>
#include <string>
#include <vector>

#include "form/control_ids.h"
#include "tests/gui/modal_expectations.h"
#include "tests/gui/printing_form.h"
#include "tests/port/port_test_files_posix.h"

namespace {

class PrintProgressTest : public PrintingFormTest {
 protected:
  // The "取消" button of the progress window over the form, while one is shown.
  wxButton* ProgressCancelButton() const {
    const auto progress = std::find_if(wxTopLevelWindows.begin(), wxTopLevelWindows.end(),
                                       [this](const wxWindow* window) {
                                         return window != dialog_ && window->IsShown() &&
                                                dynamic_cast<const wxDialog*>(window) != nullptr;
                                       });
    if (progress == wxTopLevelWindows.end()) return nullptr;
    return dynamic_cast<wxButton*>((*progress)->FindWindow(wxID_CANCEL));
  }
};

// A printer that takes nothing: the progress window appears over the form, the form's own
// events keep being handled meanwhile, and "取消" ends the print with the message.
TEST_F(PrintProgressTest, StalledPrinterShowsProgressAndCancels) {
  Open("fifo");
  const int reader = MakeFifoWithReader(device_.string());  // never reads
  ASSERT_GE(reader, 0);
  const std::string held = FillFifo(device_.string());
  ASSERT_NE(held, "");
  TypeTwoRowSale();

  // Runs inside the print: once the window is there, posts a call to the form; once the
  // form has answered it, clicks "取消".
  bool form_answered = false;
  bool clicked = false;
  wxTimer watch;
  watch.Bind(wxEVT_TIMER, [&](wxTimerEvent&) {
    wxButton* cancel = ProgressCancelButton();
    if (cancel == nullptr || clicked) return;
    if (!form_answered) {
      dialog_->CallAfter([&form_answered] { form_answered = true; });
      return;
    }
    clicked = true;
    driver_.Click(cancel);
  });
  watch.Start(50);
  std::vector<wxString> shown;
  wxTEST_DIALOG(driver_.Click(Find<wxButton>(IDC_PRINT)), ExpectMessage(&shown));
  watch.Stop();

  EXPECT_TRUE(clicked) << "the progress window never appeared or the form never answered";
  ASSERT_EQ(shown.size(), 1u);
  EXPECT_EQ(shown[0], wxString::FromUTF8("打印机写入失败，小票可能不完整！\n打印已取消。"));
  EXPECT_EQ(ProgressCancelButton(), nullptr);
  EXPECT_TRUE(IsEnabled(IDC_PRINT));
  EXPECT_EQ(Find<wxTextCtrl>(IDC_DATE)->GetValue(), "2024/3/5");
  EXPECT_EQ(Find<wxTextCtrl>(IDC_CASHIER)->GetValue(), "Li");
  EXPECT_TRUE(ReadToEnd(reader) == held) << "part of the receipt reached the printer";
  close(reader);
}

}  // namespace
