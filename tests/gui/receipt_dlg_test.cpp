// The real sale form under a display server, driven by simulated input.
#include "gui/receipt_dlg.h"

#include <gtest/gtest.h>
#include <wx/button.h>
#include <wx/choice.h>
#include <wx/textctrl.h>
#include <wx/timer.h>

#include <regex>
#include <string>

#include "form/control_ids.h"
#include "form/dialog_template.h"
#include "form/item_row.h"
#include "tests/gui/gui_driver.h"
#include "tests/gui/modal_expectations.h"
#include "text/gbk.h"

namespace {

class ReceiptDlgTest : public testing::Test {
 protected:
  void SetUp() override {
    dialog_ = new CReceiptDlg;
    ASSERT_TRUE(driver_.ShowAndActivate(dialog_)) << "the form never became active";
  }
  void TearDown() override {
    if (dialog_ != nullptr) dialog_->Destroy();
    GuiDriver::Settle();
  }

  template <class Control>
  Control* Find(int id) const {
    return dynamic_cast<Control*>(dialog_->FindWindow(id));
  }

  wxString Value(int id) const { return Find<wxTextCtrl>(id)->GetValue(); }

  CReceiptDlg* dialog_ = nullptr;
  GuiDriver driver_;
};

TEST_F(ReceiptDlgTest, OpensWithEmptyPickersOfTheSixGoods) {
  for (const ItemRow& row : kItemRows) {
    const wxChoice* picker = Find<wxChoice>(row.goods);
    ASSERT_NE(picker, nullptr) << row.goods;
    ASSERT_EQ(picker->GetCount(), 6u);
    EXPECT_EQ(picker->GetString(0), wxString::FromUTF8("绿豆"));
    EXPECT_EQ(picker->GetString(5), wxString::FromUTF8("挂面"));
    EXPECT_EQ(picker->GetSelection(), wxNOT_FOUND);
  }
}

TEST_F(ReceiptDlgTest, OpensWithDateTimeFocusAndAnOpenPassphraseBox) {
  // The Windows toolkit is built without its regular expressions: the standard library's.
  const std::string date = Value(IDC_DATE).utf8_string();
  const std::string time = Value(IDC_TIME).utf8_string();
  EXPECT_TRUE(std::regex_match(date, std::regex("[0-9]{4}-[0-9]{2}-[0-9]{2}"))) << date;
  EXPECT_TRUE(std::regex_match(time, std::regex("[0-9]{2}:[0-9]{2}:[0-9]{2}"))) << time;
  EXPECT_EQ(Value(IDC_TOTAL), "");
  EXPECT_EQ(wxWindow::FindFocus(), dialog_->FindWindow(IDC_CASHIER));
  const wxTextCtrl* passphrase = Find<wxTextCtrl>(IDC_PASSPHRASE);
  EXPECT_TRUE(passphrase->IsEnabled());
  EXPECT_TRUE(passphrase->HasFlag(wxTE_PASSWORD));
  EXPECT_TRUE(dialog_->FindWindow(IDC_PASSPHRASE_LABEL)->IsEnabled());
  EXPECT_FALSE(Find<wxTextCtrl>(IDC_TOTAL)->IsEditable());
}

TEST_F(ReceiptDlgTest, IsAFixedSizeWindowThatCanBeMinimised) {
  EXPECT_EQ(dialog_->GetTitle(), "Norvessa");
  EXPECT_TRUE(dialog_->HasFlag(wxMINIMIZE_BOX));
  EXPECT_FALSE(dialog_->HasFlag(wxMAXIMIZE_BOX));
  EXPECT_FALSE(dialog_->HasFlag(wxRESIZE_BORDER));
  EXPECT_EQ(dialog_->GetClientSize(), wxDLG_UNIT(dialog_, wxSize(kDialogWidth, kDialogHeight)));
  for (int size : {16, 32, 48}) {
    EXPECT_TRUE(dialog_->GetIcons().GetIcon(size, wxIconBundle::FALLBACK_NONE).IsOk()) << size;
  }
}

bool HasText(ControlKind kind) {
  return kind == ControlKind::kButton || kind == ControlKind::kFlatButton ||
         kind == ControlKind::kLabel || kind == ControlKind::kGroupBox;
}

TEST_F(ReceiptDlgTest, ControlsFollowTheTemplateInTabOrder) {
  const wxWindowList& children = dialog_->GetChildren();
  ASSERT_EQ(children.size(), DialogControls().size());
  auto child = children.begin();
  for (const ControlTemplate& control : DialogControls()) {
    const wxWindow* window = *child++;
    if (control.id != IDC_STATIC) {
      EXPECT_EQ(window->GetId(), control.id);
    }
    EXPECT_EQ(window->GetPosition(), wxDLG_UNIT(dialog_, wxPoint(control.rect.x, control.rect.y)))
        << "control " << control.id << " " << window->GetLabel();
    const wxSize size = wxDLG_UNIT(dialog_, wxSize(control.rect.width, control.rect.height));
    // A goods picker takes its natural height: the template's includes the open list.
    if (control.kind == ControlKind::kGoodsPicker) {
      EXPECT_EQ(window->GetSize().x, size.x) << "control " << control.id;
    } else {
      EXPECT_EQ(window->GetSize(), size) << "control " << control.id << " " << window->GetLabel();
    }
    if (HasText(control.kind)) {
      EXPECT_EQ(window->GetLabel(), wxString::FromUTF8(GbkToUtf8(control.text)))
          << "control " << control.id;
    }
  }
}

TEST_F(ReceiptDlgTest, TotalButtonAddsUpTheTypedRows) {
  const ItemRow first = MakeItemRow(1);
  const ItemRow second = MakeItemRow(2);
  ASSERT_TRUE(driver_.Choose(Find<wxChoice>(first.goods), wxString::FromUTF8("绿豆")));
  driver_.TypeInto(Find<wxTextCtrl>(first.quantity), "2");
  driver_.TypeInto(Find<wxTextCtrl>(first.price), "3.5");
  ASSERT_TRUE(driver_.Choose(Find<wxChoice>(second.goods), wxString::FromUTF8("挂面")));
  driver_.TypeInto(Find<wxTextCtrl>(second.quantity), "3");
  driver_.TypeInto(Find<wxTextCtrl>(second.price), "1.25");
  driver_.Click(Find<wxButton>(IDC_TOTAL_BUTTON));
  EXPECT_TRUE(GuiDriver::WaitUntil([this] { return Value(IDC_TOTAL) == "10.75"; }))
      << Value(IDC_TOTAL);
  EXPECT_EQ(Value(first.quantity), "2");
}

TEST_F(ReceiptDlgTest, EnterInABoxMovesOnAndKeepsTheFormOpen) {
  const ItemRow first = MakeItemRow(1);
  driver_.TypeInto(Find<wxTextCtrl>(first.quantity), "2");
  driver_.Press(WXK_RETURN);
  EXPECT_TRUE(dialog_->IsShown());
  EXPECT_EQ(wxWindow::FindFocus(), dialog_->FindWindow(first.price));
  EXPECT_EQ(Value(first.quantity), "2");
}

// The form operations take any control: a label is read and written through its label,
// a box through its value (the sanitize build checks every cast on the way).
TEST_F(ReceiptDlgTest, FormOperationsReachLabelsAndBoxesAlike) {
  EXPECT_EQ(dialog_->GetText(IDC_PASSPHRASE_LABEL), kPassphraseFieldLabel);
  dialog_->SetText(IDC_PASSPHRASE_LABEL, Utf8ToGbk("口令"));
  EXPECT_EQ(dialog_->FindWindow(IDC_PASSPHRASE_LABEL)->GetLabel(), wxString::FromUTF8("口令"));
  dialog_->SetText(IDC_CASHIER, "Li");
  EXPECT_EQ(dialog_->GetText(IDC_CASHIER), "Li");
  EXPECT_EQ(dialog_->GetText(IDC_TOTAL_BUTTON), kTotalButtonCaption);
}

// Enter on a button presses it, as the toolkit does; the focus stays on the button.
TEST_F(ReceiptDlgTest, EnterOnAButtonPressesIt) {
  wxWindow* total = dialog_->FindWindow(IDC_TOTAL_BUTTON);
  total->SetFocus();
  ASSERT_TRUE(GuiDriver::WaitUntil([total] { return wxWindow::FindFocus() == total; }));
  driver_.Press(WXK_RETURN);
  EXPECT_TRUE(GuiDriver::WaitUntil([this] { return Value(IDC_TOTAL) == "0.00"; }))
      << Value(IDC_TOTAL);
  EXPECT_TRUE(dialog_->IsShown());
  EXPECT_EQ(wxWindow::FindFocus(), total);
}

// A sale that 打印 refuses: row 1 (绿豆 when it has a quantity), the cashier, the amount
// received; the message and the box the cashier is sent to.
struct RefusalFocusCase {
  const char* name;
  const char* quantity;
  const char* price;
  const char* cashier;
  const char* received;
  const char* message;
  int focus;
};

class RefusalFocusTest : public ReceiptDlgTest,
                         public testing::WithParamInterface<RefusalFocusCase> {};

// After the message the keyboard is in the box to correct: what is typed next lands there.
TEST_P(RefusalFocusTest, SendsTheKeyboardToTheBoxToCorrect) {
  const RefusalFocusCase& refusal = GetParam();
  const ItemRow& row = kItemRows[0];
  if (*refusal.quantity != '\0') Find<wxChoice>(row.goods)->SetSelection(0);
  dialog_->SetText(row.quantity, refusal.quantity);
  dialog_->SetText(row.price, refusal.price);
  dialog_->SetText(IDC_CASHIER, refusal.cashier);
  dialog_->SetText(IDC_RECEIVED, refusal.received);
  std::vector<wxString> shown;
  wxTEST_DIALOG(driver_.Click(Find<wxButton>(IDC_PRINT)), ExpectMessage(&shown));
  EXPECT_EQ(shown, std::vector<wxString>{wxString::FromUTF8(refusal.message)});
  wxWindow* box = dialog_->FindWindow(refusal.focus);
  EXPECT_TRUE(GuiDriver::WaitUntil([box] { return wxWindow::FindFocus() == box; }));
  // The key lands in the box: in place of its text on GTK, which selects a box's text as it
  // takes the focus; before it on Windows.
  if (auto* edit = dynamic_cast<wxTextCtrl*>(box)) {
    const wxString before = edit->GetValue();
    driver_.Press('7');
    EXPECT_NE(edit->GetValue(), before);
  }
}

INSTANTIATE_TEST_SUITE_P(
    EachRefusal, RefusalFocusTest,
    testing::Values(
        RefusalFocusCase{"NoItems", "", "", "", "", "请输入列表项目！", IDC_GOODS1},
        RefusalFocusCase{"NoCashier", "2", "3.5", "", "", "请输入收银员信息！", IDC_CASHIER},
        RefusalFocusCase{"NoReceived", "2", "3.5", "Li", "", "请输入实收金额信息！", IDC_RECEIVED},
        RefusalFocusCase{"LineOutOfRange", "10", "1e308", "Li", "10", "金额超出范围，无法打印！",
                         IDC_QTY1},
        RefusalFocusCase{"ChangeOutOfRange", "-1", "1.7e308", "Li", "1.7e308",
                         "金额超出范围，无法打印！", IDC_RECEIVED}),
    [](const testing::TestParamInfo<RefusalFocusCase>& info) {
      return std::string(info.param.name);
    });

// The modal form as the program runs it: Esc ends it.
TEST(ReceiptDlgModalTest, EscEndsTheForm) {
  CReceiptDlg dialog;
  GuiDriver driver;
  // Ends the modal loop should Esc fail, so the test fails instead of hanging.
  wxTimer guard;
  guard.Bind(wxEVT_TIMER, [&dialog](wxTimerEvent&) { dialog.EndModal(-1); });
  guard.StartOnce(20000);
  dialog.CallAfter([&] {
    driver.ShowAndActivate(&dialog);
    driver.Press(WXK_ESCAPE);
  });
  EXPECT_EQ(dialog.ShowModal(), wxID_CANCEL);
}

TEST(ReceiptDlgModalTest, CloseBoxEndsTheForm) {
  CReceiptDlg dialog;
  dialog.CallAfter([&] { dialog.Close(); });
  EXPECT_EQ(dialog.ShowModal(), wxID_CANCEL);
}

}  // namespace
