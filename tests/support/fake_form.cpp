#include "tests/support/fake_form.h"

#include "form/form_setup.h"
#include "form/item_row.h"

std::string FakeForm::GetText(int id) const {
  if (items_.count(id) != 0) {
    const int selection = GetSelection(id);
    return selection == kNoSelection ? std::string() : items_.at(id).at(selection);
  }
  const auto text = texts_.find(id);
  return text == texts_.end() ? std::string() : text->second;
}

void FakeForm::SetText(int id, std::string_view text) {
  texts_[id] = std::string(text);
}

int FakeForm::GetSelection(int id) const {
  const auto selection = selections_.find(id);
  return selection == selections_.end() ? kNoSelection : selection->second;
}

void FakeForm::AddItem(int id, std::string_view text) {
  items_[id].emplace_back(text);
}

void FakeForm::Disable(int id) {
  disabled_.insert(id);
  events.push_back("disable:" + std::to_string(id));
}

void FakeForm::SetFocus(int id) {
  focus.push_back(id);
  events.push_back("focus:" + std::to_string(id));
}

void FakeForm::ShowMessage(std::string_view text) {
  messages.emplace_back(text);
  events.push_back("message:" + std::string(text));
}

void FakeForm::FillPickers() {
  for (const ItemRow& row : kItemRows) FillGoodsList(*this, row.goods);
}

void FakeForm::Pick(int picker, int index) {
  selections_[picker] = index;
}

void FakeForm::FillRow(int row, int goods, std::string_view quantity, std::string_view price) {
  const ItemRow ids = MakeItemRow(row);
  Pick(ids.goods, goods);
  SetText(ids.quantity, quantity);
  SetText(ids.price, price);
}

const std::vector<std::string>& FakeForm::Items(int picker) const {
  static const std::vector<std::string> kNone;
  const auto items = items_.find(picker);
  return items == items_.end() ? kNone : items->second;
}
