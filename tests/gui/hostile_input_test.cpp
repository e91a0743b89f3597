// Hostile input through the real form: huge texts, characters GBK cannot hold, printf
// sequences and numbers at the edges of the readings. The form stays up, Total and Print
// read the numbers by the rules, no box changes, and the printer receives exactly the
// receipt the layout rules give for what the boxes hold, written out here without the
// code that composes receipts.
//
// Short ASCII texts are typed with the simulated keyboard; long ones are put into the
// boxes directly, and so are characters the simulated keyboard cannot type.
#include <gtest/gtest.h>
#include <wx/button.h>
#include <wx/choice.h>
#include <wx/textctrl.h>

#include <algorithm>
#include <fstream>
#include <iterator>
#include <string>
#include <vector>

#include "form/control_ids.h"
#include "form/item_row.h"
#include "tests/gui/modal_expectations.h"
#include "tests/gui/printing_form.h"
#include "tests/support/expected_receipt.h"
#include "tests/support/golden_receipt.h"

namespace {

// Goods, GBK.
const std::string kMungBeansGoods(kMungBeans);
const std::string kSoybeansGoods(kSoybeans);

// The boxes a cashier types into, the total box aside.
std::vector<int> TypingBoxes() {
  std::vector<int> boxes = {IDC_CASHIER,  IDC_RECEIPTNO, IDC_DATE,    IDC_TIME,
                            IDC_RECEIVED, IDC_PERIOD1,   IDC_PERIOD2, IDC_PASSPHRASE};
  for (const ItemRow& row : kItemRows) {
    boxes.push_back(row.quantity);
    boxes.push_back(row.price);
  }
  return boxes;
}

// `unit` repeated up to `bytes` UTF-8 bytes.
wxString Filled(const char* unit, size_t bytes) {
  std::string text;
  while (text.size() < bytes) text += unit;
  return wxString::FromUTF8(text);
}

// `count` times the GBK `unit`.
std::string Times(const std::string& unit, size_t count) {
  std::string text;
  for (size_t i = 0; i < count; ++i) text += unit;
  return text;
}

class HostileInputTest : public PrintingFormTest {
 protected:
  void OpenWithPrinter() {
    Open("printer.prn");
    std::ofstream create(device_);
  }

  // Puts `text` into a box directly, as pasting does.
  void Set(int id, const wxString& text) { Find<wxTextCtrl>(id)->ChangeValue(text); }
  wxString Value(int id) const { return Find<wxTextCtrl>(id)->GetValue(); }
  // The box's text as the receipt carries it; for texts of ASCII only.
  std::string Ascii(int id) const { return Value(id).ToStdString(); }

  void Pick(int row, const char* goods) {
    ASSERT_TRUE(driver_.Choose(Find<wxChoice>(MakeItemRow(row).goods), wxString::FromUTF8(goods)));
  }

  // What every box holds and every picker has picked.
  std::vector<wxString> Boxes() const {
    std::vector<wxString> boxes;
    std::ranges::transform(TypingBoxes(), std::back_inserter(boxes),
                           [this](int id) { return Value(id); });
    std::ranges::transform(kItemRows, std::back_inserter(boxes), [this](const ItemRow& row) {
      return wxString::Format("%d", Find<wxChoice>(row.goods)->GetSelection());
    });
    return boxes;
  }

  // Presses Total and says what the total box shows then.
  wxString PressTotal() {
    driver_.Click(Find<wxButton>(IDC_TOTAL_BUTTON));
    return Value(IDC_TOTAL);
  }

  // Presses Print, expecting no message; returns the bytes this print added.
  std::string PressPrint() {
    const std::vector<wxString> before = Boxes();
    const size_t printed = Printed().size();
    TestModalHook no_messages(__FILE__, __LINE__, "PressPrint");
    driver_.Click(Find<wxButton>(IDC_PRINT));
    GuiDriver::WaitUntil([&] { return Printed().size() > printed; });
    no_messages.CheckUnmetExpectations();
    EXPECT_EQ(Boxes(), before) << "a box changed";
    EXPECT_TRUE(dialog_->IsShown());
    return Printed().substr(printed);
  }

  // Presses Print, expecting a message; returns the messages shown.
  std::vector<wxString> PressPrintRefused() {
    const std::vector<wxString> before = Boxes();
    std::vector<wxString> shown;
    wxTEST_DIALOG(driver_.Click(Find<wxButton>(IDC_PRINT)), ExpectMessage(&shown));
    EXPECT_EQ(Boxes(), before) << "a box changed";
    EXPECT_TRUE(dialog_->IsShown());
    return shown;
  }
};

// Compares receipts by size and first difference: a megabyte of hex helps nobody.
void ExpectSameReceipt(const std::string& printed, const std::string& expected) {
  EXPECT_EQ(printed.size(), expected.size());
  size_t at = 0;
  while (at < printed.size() && at < expected.size() && printed[at] == expected[at]) ++at;
  EXPECT_EQ(at, std::max(printed.size(), expected.size()))
      << "first difference at byte " << at << ": printed \""
      << Hex(printed.substr(at > 16 ? at - 16 : 0, 48)) << "\", expected \""
      << Hex(expected.substr(at > 16 ? at - 16 : 0, 48)) << "\"";
}

TEST_F(HostileInputTest, AMegabyteCashierAndHugeBoxesPrintWhatTheBoxesHold) {
  OpenWithPrinter();
  const size_t kMegabyte = 1 << 20;
  const size_t k100Kb = size_t{100} * 1024;
  const wxString cashier = Filled("张", kMegabyte);
  std::vector<std::pair<int, wxString>> typed = {
      {IDC_CASHIER, cashier},
      {IDC_RECEIPTNO, Filled("No.12345-", k100Kb)},
      {IDC_DATE, Filled("2024-03-05", k100Kb)},
      {IDC_TIME, Filled("09:07:02 ", k100Kb)},
      {IDC_RECEIVED, "5000" + Filled("x", k100Kb)},
      {IDC_PERIOD1, Filled("期", k100Kb)},
      {IDC_PERIOD2, Filled("%s", k100Kb)},
      {IDC_PASSPHRASE, Filled("secret", k100Kb)},
  };
  const ItemRow first = MakeItemRow(1);
  const ItemRow second = MakeItemRow(2);
  typed.push_back({first.quantity, Filled("9", k100Kb)});         // beyond 32 bits
  typed.push_back({first.price, "0.5" + Filled("0", k100Kb)});    // 0.5
  typed.push_back({second.quantity, "3" + Filled(" ", k100Kb)});  // 3
  typed.push_back({second.price, "1.25" + Filled("x", k100Kb)});  // 1.25
  for (int row = 3; row <= kItemRowCount; ++row) {  // nothing picked: rows 3 to 6 do not count
    typed.push_back({MakeItemRow(row).quantity, Filled("7", k100Kb)});
    typed.push_back({MakeItemRow(row).price, Filled("8", k100Kb)});
  }
  for (const auto& [id, text] : typed) {
    Set(id, text);
    // A GTK box holds 64 KB at most and keeps the start of a longer text.
    EXPECT_TRUE(!Value(id).empty() && text.StartsWith(Value(id))) << id;
  }
  Pick(1, "绿豆");
  Pick(2, "大豆");

  EXPECT_EQ(PressTotal(), "1073741827.25");  // 2147483647 × 0.5 + 3 × 1.25
  const std::string printed = PressPrint();
  const ExpectedSale sale{Times("\xD5\xC5", Value(IDC_CASHIER).length()),  // 张
                          Ascii(IDC_RECEIPTNO),
                          Ascii(IDC_DATE),  // not a date: printed as typed
                          Ascii(IDC_TIME),
                          {{kMungBeansGoods, 2147483647, 0.5}, {kSoybeansGoods, 3, 1.25}},
                          5000,
                          Times("\xC6\xDA", Value(IDC_PERIOD1).length()),  // 期
                          Ascii(IDC_PERIOD2)};
  ExpectSameReceipt(printed, ExpectedReceipt(sale));
  EXPECT_EQ(PressTotal(), "1073741827.25");  // the form still answers
}

TEST_F(HostileInputTest, CharactersGbkCannotHoldPrintAsQuestionMarks) {
  OpenWithPrinter();
  Set(IDC_CASHIER, wxString::FromUTF8("Li😀"));
  Set(IDC_RECEIPTNO, wxString::FromUTF8("№7한"));
  Set(IDC_DATE, wxString::FromUTF8("2024/3/5😀"));
  Type(IDC_TIME, "9:07:02");
  Pick(1, "绿豆");
  Set(MakeItemRow(1).quantity, wxString::FromUTF8("2😀"));
  Set(MakeItemRow(1).price, wxString::FromUTF8("3.5ä"));
  Pick(2, "大豆");
  Set(MakeItemRow(2).quantity, wxString::FromUTF8("２"));  // a full-width digit reads as 0
  Type(MakeItemRow(2).price, "1");
  // The flag of Scotland: a black flag and six tag characters.
  Set(IDC_RECEIVED,
      wxString::FromUTF8("20🏴\U000E0067\U000E0062\U000E0073\U000E0063\U000E0074\U000E007F"));
  Set(IDC_PERIOD1,
      wxString::FromUTF8("🏴\U000E0067\U000E0062\U000E0073\U000E0063\U000E0074\U000E007F"));
  Set(IDC_PERIOD2, wxString::FromUTF8("éä"));

  EXPECT_EQ(PressTotal(), "7.00");
  const ExpectedSale sale{"Li?",
                          "\xA1\xED"  // №
                          "7?",
                          "2024/3/5?",  // not a date any more: printed as typed
                          "9:07:02",
                          {{kMungBeansGoods, 2, 3.5}},
                          20,
                          "???????",
                          "\xA8\xA6?"};  // é
  ExpectSameReceipt(PressPrint(), ExpectedReceipt(sale));
}

TEST_F(HostileInputTest, PrintfSequencesAreTextAndReadAsNoNumber) {
  OpenWithPrinter();
  const char* kSequence = "%s%n%x";
  for (int id : {IDC_CASHIER, IDC_RECEIPTNO, IDC_DATE, IDC_TIME, IDC_RECEIVED, IDC_PERIOD1,
                 IDC_PERIOD2, IDC_PASSPHRASE, MakeItemRow(1).quantity, MakeItemRow(1).price}) {
    Type(id, kSequence);
  }
  for (int row = 2; row <= kItemRowCount; ++row) {
    Set(MakeItemRow(row).quantity, kSequence);
    Set(MakeItemRow(row).price, kSequence);
  }
  for (int id : TypingBoxes()) EXPECT_EQ(Value(id), kSequence) << id;
  Pick(1, "绿豆");

  EXPECT_EQ(PressTotal(), "0.00");
  EXPECT_EQ(PressPrintRefused(), std::vector<wxString>{wxString::FromUTF8("请输入列表项目！")});
  EXPECT_EQ(Printed(), "");

  Type(MakeItemRow(1).quantity, "2%s%n%x");
  Type(MakeItemRow(1).price, "3.5%n");
  EXPECT_EQ(PressTotal(), "7.00");
  const ExpectedSale sale{kSequence, kSequence, kSequence, kSequence, {{kMungBeansGoods, 2, 3.5}},
                          0,         kSequence, kSequence};
  ExpectSameReceipt(PressPrint(), ExpectedReceipt(sale));
}

TEST_F(HostileInputTest, QuantitiesAtTheEdgesReadAsWholeNumbers) {
  OpenWithPrinter();
  Set(IDC_CASHIER, "Li");
  Set(IDC_DATE, "2024-03-05");
  Set(IDC_TIME, "09:07:02");
  Set(IDC_RECEIVED, "1");
  const struct {
    const char* goods;
    const char* quantity;
    const char* price;
  } rows[] = {
      {"绿豆", "2147483648", "1"},  // beyond 32 bits: held at 2147483647
      {"大豆", "1e400", "2.5"},     // a whole number stops at the "e": 1
      {"玉米", "-0", "3"},          // 0: the row does not count and ends the run
      {"挂面", "1", "1"},
  };
  int row = 1;
  for (const auto& each : rows) TypeRow(row++, each.goods, each.quantity, each.price);

  EXPECT_EQ(PressTotal(), "2147483649.50");
  const ExpectedSale sale{"Li",
                          "",
                          "2024-03-05",
                          "09:07:02",
                          {{kMungBeansGoods, 2147483647, 1}, {kSoybeansGoods, 1, 2.5}},
                          1,
                          "",
                          ""};
  ExpectSameReceipt(PressPrint(), ExpectedReceipt(sale));
}

TEST_F(HostileInputTest, PricesThatAreNoPlainDecimalEndTheRun) {
  OpenWithPrinter();
  Set(IDC_CASHIER, "Li");
  Set(IDC_DATE, "2024-03-05");
  Set(IDC_TIME, "09:07:02");
  Set(IDC_RECEIVED, "10");
  Pick(1, "绿豆");
  Set(MakeItemRow(1).quantity, "1");
  Set(MakeItemRow(1).price, "2");
  Pick(2, "大豆");
  Set(MakeItemRow(2).quantity, "1");
  const ExpectedSale sale{"Li", "", "2024-03-05", "09:07:02", {{kMungBeansGoods, 1, 2}}, 10,
                          "",   ""};
  for (const char* price : {"nan", "inf", "0x10"}) {
    Type(MakeItemRow(2).price, price);
    EXPECT_EQ(PressTotal(), "2.00") << price;
    ExpectSameReceipt(PressPrint(), ExpectedReceipt(sale));
  }
}

}  // namespace
