// The About button of the real form under a display server: the component's About box
// appears over the form showing the product, and closing it leaves the form as it was.
#include <gtest/gtest.h>
#include <wx/button.h>
#include <wx/choice.h>
#include <wx/modalhook.h>
#include <wx/statbmp.h>
#include <wx/stattext.h>
#include <wx/textctrl.h>

#include <algorithm>
#include <iterator>
#include <vector>

#include "form/control_ids.h"
#include "form/item_row.h"
#include "gui/receipt_dlg.h"
#include "productinfo/product_record.h"
#include "tavicore/tavicore.h"
#include "tests/gui/gui_driver.h"

namespace {

// What one About box showed while it was on screen.
struct SeenBox {
  wxString caption;
  const wxWindow* owner = nullptr;
  std::vector<wxString> texts;  // its static texts, top to bottom
  bool hasPicture = false;
  bool hasIcons = false;
  bool closedByItsButton = false;
};

// Lets every modal box show for real, then, from inside its modal loop, reads what it
// shows and closes it with its button as a user would.
class AboutBoxWatch : public wxModalDialogHook {
 public:
  explicit AboutBoxWatch(GuiDriver& driver) : driver_(driver) { Register(); }
  ~AboutBoxWatch() override { Unregister(); }
  AboutBoxWatch(const AboutBoxWatch&) = delete;
  AboutBoxWatch& operator=(const AboutBoxWatch&) = delete;

  std::vector<SeenBox> seen;

 protected:
  int Enter(wxDialog* box) override {
    box->CallAfter([this, box] { seen.push_back(ReadAndClose(box)); });
    return wxID_NONE;  // not answered here: the box runs its own modal loop
  }
  void Exit(wxDialog* /*box*/) override {}

 private:
  SeenBox ReadAndClose(wxDialog* box) {
    SeenBox result;
    if (!GuiDriver::WaitUntil([box] { return box->IsShownOnScreen(); })) return result;
    result.caption = box->GetTitle();
    result.owner = box->GetParent();
    result.hasIcons = box->GetIcons().GetIcon(32, wxIconBundle::FALLBACK_NONE).IsOk();
    wxButton* close = nullptr;
    for (wxWindow* child : box->GetChildren()) {
      if (const auto* text = dynamic_cast<const wxStaticText*>(child))
        result.texts.push_back(text->GetLabel());
      result.hasPicture |= dynamic_cast<wxStaticBitmap*>(child) != nullptr;
      if (auto* button = dynamic_cast<wxButton*>(child)) close = button;
    }
    if (close != nullptr) driver_.Click(close);
    // Hidden at once; the toolkit on Windows counts the box modal until its loop has returned.
    result.closedByItsButton = GuiDriver::WaitUntil([box] { return !box->IsShown(); });
    if (!result.closedByItsButton)
      box->EndModal(wxID_CANCEL);  // never leave the test hanging in the box
    return result;
  }

  GuiDriver& driver_;
};

// Everything the form's boxes hold: texts, picks and whether they take input.
std::vector<wxString> FormState(const wxWindow* form) {
  std::vector<wxString> state;
  for (const wxWindow* child : form->GetChildren()) {
    wxString value = child->GetLabel();
    if (const auto* edit = dynamic_cast<const wxTextCtrl*>(child)) value = edit->GetValue();
    if (const auto* picker = dynamic_cast<const wxChoice*>(child))
      value = wxString::Format("%d", picker->GetSelection());
    state.push_back(wxString::Format("%d %d ", child->GetId(), child->IsEnabled()) + value);
  }
  return state;
}

class AboutTest : public testing::Test {
 protected:
  void SetUp() override {
    form_ = new CReceiptDlg;
    ASSERT_TRUE(driver_.ShowAndActivate(form_)) << "the form never became active";
  }
  void TearDown() override {
    form_->Destroy();
    GuiDriver::Settle();
  }

  wxWindow* Find(int id) const { return form_->FindWindow(id); }

  CReceiptDlg* form_ = nullptr;
  GuiDriver driver_;
};

TEST_F(AboutTest, AboutShowsTheProductAndClosingItReturnsToTheFormAsItWas) {
  const ItemRow first = MakeItemRow(1);
  driver_.TypeInto(Find(IDC_CASHIER), "Li");
  ASSERT_TRUE(driver_.Choose(Find(first.goods), wxString::FromUTF8("绿豆")));
  driver_.TypeInto(Find(first.quantity), "2");
  const std::vector<wxString> before = FormState(form_);

  AboutBoxWatch watch(driver_);
  for (int press = 1; press <= 2; ++press) {
    driver_.Click(Find(IDC_ABOUT));
    ASSERT_TRUE(GuiDriver::WaitUntil([&] { return watch.seen.size() == size_t(press); }))
        << "press " << press << " showed no About box";
    const SeenBox& box = watch.seen.back();
    EXPECT_EQ(box.caption, wxString::FromUTF8("关于 Norvessa"));
    EXPECT_EQ(box.texts, (std::vector<wxString>{"Norvessa", "norvessa software",
                                                wxString::FromUTF8("版本 2.0408")}));
    EXPECT_EQ(box.owner, form_) << "the box belongs to the form it was opened from";
    EXPECT_TRUE(box.hasPicture);
    EXPECT_TRUE(box.hasIcons);
    EXPECT_TRUE(box.closedByItsButton);
    EXPECT_TRUE(form_->IsShown());
    EXPECT_EQ(FormState(form_), before);
  }
}

// The component on its own, as any caller would use it.
class ComponentTest : public testing::Test {
 protected:
  tagSoft Record(const ProductTexts& product) {
    tagSoft record{};
    EXPECT_TRUE(WriteProductRecord(record, product));
    return record;
  }

  GuiDriver driver_;
  AboutBoxWatch watch_{driver_};
  CCore core_;
};

TEST_F(ComponentTest, ShowsGbkTextsConvertedForTheScreen) {
  // 销, 绿豆 and 关 in GBK
  tagSoft record = Record({"1.0", "\xCF\xFA", "\xC2\xCC\xB6\xB9", "\xB9\xD8"});
  EXPECT_EQ(core_.uu(tagOprType::About, &record, "unused"), "");
  ASSERT_EQ(watch_.seen.size(), 1u);
  EXPECT_EQ(watch_.seen[0].caption, wxString::FromUTF8("关于 关"));
  EXPECT_EQ(watch_.seen[0].texts,
            (std::vector<wxString>{wxString::FromUTF8("关"), wxString::FromUTF8("销 绿豆"),
                                   wxString::FromUTF8("版本 1.0")}));
}

TEST_F(ComponentTest, ShowsNothingForOtherOperations) {
  tagSoft record = Record(ThisProduct());
  for (int32_t operation : {0, 1, 3, 5, -4})
    EXPECT_EQ(core_.uu(static_cast<tagOprType>(operation), &record, ""), "") << operation;
  GuiDriver::Settle();
  EXPECT_TRUE(watch_.seen.empty());
}

TEST_F(ComponentTest, ShowsNothingWithoutARecordThatDecodes) {
  EXPECT_EQ(core_.uu(tagOprType::About, nullptr, ""), "");
  tagSoft record = Record(ThisProduct());
  record.title[0] = 'x';
  EXPECT_EQ(core_.uu(tagOprType::About, &record, ""), "");
  std::fill(std::begin(record.version), std::end(record.version), '0');  // no terminator
  EXPECT_EQ(core_.uu(tagOprType::About, &record, ""), "");
  GuiDriver::Settle();
  EXPECT_TRUE(watch_.seen.empty());
}

}  // namespace
