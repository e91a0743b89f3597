// The boxes' names and roles as a Windows screen reader reads them: through MSAA, from each
// box's window.
#include <windows.h>  // before the other system headers, which build on it

#include <gtest/gtest.h>
#include <oleacc.h>

#include <string>
#include <vector>

#include "form/control_ids.h"
#include "form/item_row.h"
#include "gui/receipt_dlg.h"
#include "tests/gui/gui_driver.h"

namespace {

struct ExpectedBox {
  int id;
  std::wstring name;
  long role;
};

std::vector<ExpectedBox> ExpectedBoxes() {
  std::vector<ExpectedBox> boxes = {
      {IDC_CASHIER, L"收银员", ROLE_SYSTEM_TEXT},   {IDC_RECEIPTNO, L"编号", ROLE_SYSTEM_TEXT},
      {IDC_DATE, L"日期", ROLE_SYSTEM_TEXT},        {IDC_TIME, L"时间", ROLE_SYSTEM_TEXT},
      {IDC_TOTAL, L"合计", ROLE_SYSTEM_TEXT},       {IDC_RECEIVED, L"实收", ROLE_SYSTEM_TEXT},
      {IDC_PERIOD1, L"场期次 1", ROLE_SYSTEM_TEXT}, {IDC_PERIOD2, L"场期次 2", ROLE_SYSTEM_TEXT},
      {IDC_PASSPHRASE, L"口令", ROLE_SYSTEM_TEXT},
  };
  for (int row = 1; row <= kItemRowCount; ++row) {
    const std::wstring number = std::to_wstring(row);
    const ItemRow boxes_of_row = MakeItemRow(row);
    boxes.push_back({boxes_of_row.goods, L"商品 " + number, ROLE_SYSTEM_COMBOBOX});
    boxes.push_back({boxes_of_row.quantity, L"数量 " + number, ROLE_SYSTEM_TEXT});
    boxes.push_back({boxes_of_row.price, L"单价 " + number, ROLE_SYSTEM_TEXT});
  }
  return boxes;
}

// What MSAA says of one box: its name (empty when it has none) and its role (0 when unknown).
struct MsaaReading {
  std::wstring name;
  long role = 0;
};

MsaaReading ReadThroughMsaa(HWND box) {
  MsaaReading reading;
  IAccessible* accessible = nullptr;
  if (FAILED(AccessibleObjectFromWindow(box, static_cast<DWORD>(OBJID_CLIENT), IID_IAccessible,
                                        reinterpret_cast<void**>(&accessible)))) {
    return reading;
  }
  VARIANT self;
  VariantInit(&self);
  self.vt = VT_I4;
  self.lVal = CHILDID_SELF;
  BSTR name = nullptr;
  if (accessible->get_accName(self, &name) == S_OK && name != nullptr) {
    reading.name.assign(name, SysStringLen(name));
    SysFreeString(name);
  }
  VARIANT role;
  VariantInit(&role);
  if (accessible->get_accRole(self, &role) == S_OK && role.vt == VT_I4) reading.role = role.lVal;
  VariantClear(&role);
  accessible->Release();
  return reading;
}

TEST(AccessibleNamesWindowsTest, EveryBoxHasItsNameAndRole) {
  auto* dialog = new CReceiptDlg;
  GuiDriver driver;
  ASSERT_TRUE(driver.ShowAndActivate(dialog)) << "the form never became active";
  const HRESULT com = CoInitialize(nullptr);
  for (const ExpectedBox& box : ExpectedBoxes()) {
    const wxWindow* window = dialog->FindWindow(box.id);
    ASSERT_NE(window, nullptr) << box.id;
    const MsaaReading reading = ReadThroughMsaa(window->GetHWND());
    EXPECT_EQ(reading.name, box.name) << box.id;
    EXPECT_EQ(reading.role, box.role) << box.id;
  }
  if (SUCCEEDED(com)) CoUninitialize();
  dialog->Destroy();
  GuiDriver::Settle();
}

}  // namespace
