// The floor the till's start-up is measured against: the least a wxWidgets program can
// show, one dialog with one button, started and ended the way the till is (a modal
// dialog run from the application's start-up, no other event loop). Esc presses its
// Cancel button and ends it.
#include <wx/app.h>
#include <wx/button.h>
#include <wx/dialog.h>
#include <wx/init.h>
#include <wx/sizer.h>

namespace {

class BareApp : public wxApp {
 public:
  bool OnInit() override {
    wxDialog dialog(nullptr, wxID_ANY, "Bare");
    auto* page = new wxBoxSizer(wxVERTICAL);
    page->Add(new wxButton(&dialog, wxID_CANCEL), wxSizerFlags().Border(wxALL, 12));
    dialog.SetSizerAndFit(page);
    dialog.ShowModal();
    return false;
  }
};

}  // namespace

wxIMPLEMENT_APP_NO_MAIN(BareApp);

// Start-up returning false ends the toolkit at once, which it reports as a failure; the
// dialog has run by then, so the program succeeded.
int main(int argc, char** argv) {
  wxEntry(argc, argv);
  return 0;
}
