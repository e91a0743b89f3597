// The component's About box: the product's icon, title, name and kind, and version,
// with one button that closes it.
#pragma once

#include <wx/dialog.h>

#include "productinfo/product_record.h"

class AboutBox : public wxDialog {
 public:
  // `product` holds GBK texts; they are converted for the widgets here. The box is
  // centred over `owner`, the window the user was working in, when there is one.
  AboutBox(wxWindow* owner, const ProductTexts& product);

 private:
  wxSizer* CreateTexts(const ProductTexts& product);
};
