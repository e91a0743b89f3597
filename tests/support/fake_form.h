// A form held in memory, standing in for the dialog's widgets. Besides answering the
// form operations it records, in order, everything the commands did to it.
#pragma once

#include <map>
#include <set>
#include <string>
#include <string_view>
#include <vector>

#include "form/form_interface.h"

class FakeForm : public FormInterface {
 public:
  std::string GetText(int id) const override;
  void SetText(int id, std::string_view text) override;
  int GetSelection(int id) const override;
  void AddItem(int id, std::string_view text) override;
  void Disable(int id) override;
  void SetFocus(int id) override;
  void ShowMessage(std::string_view text) override;

  // Test set-up: fills every picker with the goods list, as the dialog does at start.
  void FillPickers();
  // Picks entry `index` of a picker (or kNoSelection).
  void Pick(int picker, int index);
  // Fills item row `row` (from 1): picks goods `goods` and types the two texts.
  void FillRow(int row, int goods, std::string_view quantity, std::string_view price);

  bool IsDisabled(int id) const { return disabled_.count(id) != 0; }

  // What the boxes hold: every text and every picker's selection, for telling whether a
  // command changed anything the cashier typed or picked.
  struct Boxes {
    std::map<int, std::string> texts;
    std::map<int, int> selections;
    bool operator==(const Boxes&) const = default;
  };
  Boxes Contents() const { return {texts_, selections_}; }
  const std::vector<std::string>& Items(int picker) const;

  std::vector<std::string> messages;  // every message shown, in order
  std::vector<int> focus;             // every focus move, in order
  // Every message, focus move and disabling, in order, as "message:<text>",
  // "focus:<id>" and "disable:<id>".
  std::vector<std::string> events;

 private:
  std::map<int, std::string> texts_;
  std::map<int, std::vector<std::string>> items_;
  std::map<int, int> selections_;
  std::set<int> disabled_;
};
