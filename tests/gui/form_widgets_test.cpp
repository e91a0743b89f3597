// The real form as the display's scale makes it: every control inside the window, none on
// another, every label's text within its control, and the window within the screen.
#include "gui/form_widgets.h"

#include <gtest/gtest.h>
#include <wx/dialog.h>
#include <wx/statbox.h>

#include <cstdlib>
#include <iostream>
#include <map>
#include <string>
#include <vector>

#include "form/dialog_template.h"
#include "gui/receipt_dlg.h"
#include "tests/gui/gui_driver.h"

namespace {

// The smallest screen a till is used on at each display scale (dots per inch; between
// two, the larger scale's), less its taskbar: 48 px at 100 % (Windows 11's; Windows 7 and
// 10 take 40), scaled with the rest.
wxSize Workspace(int dpi) {
  const std::map<int, wxSize> screens = {
      {96, {1024, 768}},    // an old 4:3 monitor at 100 %
      {120, {1366, 768}},   // a laptop at 125 %
      {144, {1366, 768}},   // the same laptop at 150 %
      {192, {2560, 1440}},  // a QHD laptop at 200 %
  };
  auto screen = screens.lower_bound(dpi);
  if (screen == screens.end()) --screen;
  return screen->second - wxSize(0, 48 * dpi / 96);
}

// The display's scale the run was started at, where it was chosen (scripts/wine-run).
int ChosenDpi() {
  const char* dpi = std::getenv("RECEIPT_WINE_DPI");
  return dpi == nullptr ? 0 : std::atoi(dpi);
}

bool HasText(const wxWindow& control) {
  return !control.GetLabel().empty() && dynamic_cast<const wxStaticBox*>(&control) == nullptr;
}

// Checks what a cashier sees of the form's layout, at whatever scale it is.
void ExpectReadableLayout(const wxDialog& dialog) {
  const wxRect client(dialog.GetClientSize());
  std::vector<const wxWindow*> placed;  // all but the group box, which frames others
  for (const wxWindow* control : dialog.GetChildren()) {
    const wxRect rect = control->GetRect();
    EXPECT_TRUE(client.Contains(rect)) << control->GetLabel() << " at " << rect.x << "," << rect.y
                                       << " " << rect.width << "x" << rect.height;
    if (HasText(*control)) {
      const wxSize text = control->GetTextExtent(control->GetLabel());
      EXPECT_LE(text.x, rect.width) << control->GetLabel();
      EXPECT_LE(text.y, rect.height) << control->GetLabel();
    }
    if (dynamic_cast<const wxStaticBox*>(control) == nullptr) placed.push_back(control);
  }
  for (auto first = placed.begin(); first != placed.end(); ++first) {
    for (auto second = first + 1; second != placed.end(); ++second) {
      EXPECT_FALSE((*first)->GetRect().Intersects((*second)->GetRect()))
          << (*first)->GetId() << " " << (*first)->GetLabel() << " overlaps " << (*second)->GetId()
          << " " << (*second)->GetLabel();
    }
  }
}

class FormWidgetsTest : public testing::Test {
 protected:
  void SetUp() override {
    dialog_ = new CReceiptDlg;
    ASSERT_TRUE(driver_.ShowAndActivate(dialog_)) << "the form never became active";
  }
  void TearDown() override {
    dialog_->Destroy();
    GuiDriver::Settle();
  }

  CReceiptDlg* dialog_ = nullptr;
  GuiDriver driver_;
};

// The form at the display's scale: grown with the font, as its dialog units are, and
// still fitting the smallest screen used at that scale.
TEST_F(FormWidgetsTest, FitsTheScreenAtTheDisplaysScale) {
  const int dpi = dialog_->GetDPI().y;
  if (ChosenDpi() != 0) {
    ASSERT_EQ(dpi, ChosenDpi()) << "the program does not draw at the display's scale";
  }
  std::cout << "form at " << dpi << " DPI: client area " << dialog_->GetClientSize().x << "x"
            << dialog_->GetClientSize().y << ", window " << dialog_->GetSize().x << "x"
            << dialog_->GetSize().y << ", font " << dialog_->GetFont().GetFaceName().utf8_string()
            << "\n";
  // 8 dialog units are a line of the font, which is at least its 9 pt.
  EXPECT_GE(dialog_->ConvertDialogToPixels(wxSize(0, 8)).y, kDialogFontPoints * dpi / 72);
  ExpectReadableLayout(*dialog_);
  const wxSize workspace = Workspace(dpi);
  EXPECT_LE(dialog_->GetSize().x, workspace.x) << "at " << dpi << " DPI";
  EXPECT_LE(dialog_->GetSize().y, workspace.y) << "at " << dpi << " DPI";
}

// Moved to a monitor at 150 % of this one's scale: the toolkit gives every control its
// font at the new scale, then tells the form.
TEST_F(FormWidgetsTest, LaysItselfOutAgainOnAMonitorOfAnotherScale) {
  const wxSize before = dialog_->GetClientSize();
  const wxSize dpi = dialog_->GetDPI();
  dialog_->SetFont(dialog_->GetFont().Scaled(1.5F));
  for (wxWindow* control : dialog_->GetChildren()) {
    control->SetFont(control->GetFont().Scaled(1.5F));
  }
  wxDPIChangedEvent moved(dpi, dpi * 3 / 2);
  moved.SetEventObject(dialog_);
  dialog_->ProcessWindowEvent(moved);

  EXPECT_EQ(dialog_->GetClientSize(),
            dialog_->ConvertDialogToPixels(wxSize(kDialogWidth, kDialogHeight)));
  EXPECT_GT(dialog_->GetClientSize().y, before.y * 5 / 4);
  ExpectReadableLayout(*dialog_);
}

}  // namespace
