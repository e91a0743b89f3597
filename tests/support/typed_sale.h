// A whole sale as a cashier types it, for filling a FakeForm in one step.
#pragma once

#include <string>
#include <vector>

#include "tests/support/fake_form.h"

struct TypedRow {
  int goods;  // index into the goods list, or kNoSelection
  std::string quantity;
  std::string price;
};

// Texts in UTF-8, as the widgets hold them.
struct TypedSale {
  std::string cashier;
  std::string receipt_number;
  std::string date;
  std::string time;
  std::vector<TypedRow> rows;  // rows 1, 2, ...; the rest stay empty
  std::string received;
  std::string period1;
  std::string period2;
};

// Fills the pickers' lists and types `sale` into the form, converting each text to GBK
// as the dialog does when the commands read it.
void TypeSale(FakeForm& form, const TypedSale& sale);
