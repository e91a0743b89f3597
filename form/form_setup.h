// What the sale form holds when the dialog opens: every start shows an empty form with
// the current date and time.
#pragma once

#include <ctime>

#include "form/form_interface.h"

// Appends the six goods, in their order, to one goods picker's list.
void FillGoodsList(FormInterface& form, int picker);

// Fills the pickers of rows 1 to 6 in order (nothing picked), writes the date and time of
// `now` into their boxes, and puts the focus in the cashier box.
void SetUpForm(FormInterface& form, std::time_t now);
