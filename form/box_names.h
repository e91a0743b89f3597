// What a screen reader or an automation tool calls each box of the sale form: the words a
// person would use for it. A box with one label beside it is named after that label and
// tied to it, so the reader can go from one to the other: the label's template entry says
// which box it is for (ControlTemplate::for_box). A box no single label fits (the item
// rows, the two parts of the period field, the total) is named on its own.
#pragma once

#include <string>
#include <vector>

#include "form/dialog_template.h"

struct BoxName {
  int id;                        // the text box or goods picker
  std::string name;              // GBK
  const ControlTemplate* label;  // the template entry of the label tied to it, or null
};

// Every text box and goods picker of the form, each once.
std::vector<BoxName> BoxNames();
