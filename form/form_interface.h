// What the till's commands need from the form: the operations of a dialog on its
// controls, each control named by its ID (control_ids.h). The dialog implements this
// over real widgets; tests implement it over a table of texts.
//
// Every text crossing this interface is GBK (see text/gbk.h).
#pragma once

#include <string>
#include <string_view>

// The selection of a goods picker on which nothing is picked.
inline constexpr int kNoSelection = -1;

class FormInterface {
 public:
  virtual ~FormInterface() = default;

  // The control's current text. For a goods picker: the picked goods, or "" when none.
  virtual std::string GetText(int id) const = 0;
  // Replaces the control's text.
  virtual void SetText(int id, std::string_view text) = 0;
  // Zero-based index of a goods picker's selection, or kNoSelection.
  virtual int GetSelection(int id) const = 0;
  // Appends one entry to a goods picker's list.
  virtual void AddItem(int id, std::string_view text) = 0;
  // Greys a control out: it takes no more input.
  virtual void Disable(int id) = 0;
  // Moves the keyboard focus to the control.
  virtual void SetFocus(int id) = 0;
  // Shows a modal message with an empty caption and one OK button, and returns once the
  // user has dismissed it.
  virtual void ShowMessage(std::string_view text) = 0;
};
