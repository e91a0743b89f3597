// The floor the till's start-up is measured against: the least a wxWidgets program can
// show, one dialog with one button. Esc presses its Cancel button and ends it.
#include <wx/button.h>
#include <wx/dialog.h>
#include <wx/sizer.h>

#include "bench/dialog_program.h"

void RunDialog() {
  wxDialog dialog(nullptr, wxID_ANY, "Bare");
  auto* page = new wxBoxSizer(wxVERTICAL);
  page->Add(new wxButton(&dialog, wxID_CANCEL), wxSizerFlags().Border(wxALL, 12));
  dialog.SetSizerAndFit(page);
  dialog.ShowModal();
}
