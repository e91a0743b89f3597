#include "gui/print_progress_window.h"

#include <wx/button.h>
#include <wx/dialog.h>
#include <wx/sizer.h>
#include <wx/stattext.h>

#include <string>
#include <utility>

#include "gui/wx_text.h"
#include "receipt/print_messages.h"
#include "text/till_texts.h"

namespace {

// A printer that takes the receipt within this never shows the window.
constexpr int kShowAfterMs = 500;

}  // namespace

PrintProgressWindow::PrintProgressWindow(wxWindow& form, std::function<void()> cancel)
    : form_(&form), cancel_(std::move(cancel)) {
  show_after_.Bind(wxEVT_TIMER, [this](wxTimerEvent&) { ShowWindow(); });
}

void PrintProgressWindow::Waiting(std::optional<PrinterProblem> problem) {
  problem_ = problem;
  wxWindow* focus = wxWindow::FindFocus();
  if (focus != nullptr && wxGetTopLevelParent(focus) == form_) focus_before_ = focus;
  form_disabled_.emplace();
  busy_.emplace();
  show_after_.StartOnce(kShowAfterMs);
}

void PrintProgressWindow::ShowProblem(std::optional<PrinterProblem> problem) {
  problem_ = problem;
  if (window_ == nullptr) return;
  text_->SetLabel(Text());
  window_->Fit();
}

void PrintProgressWindow::Finished() {
  show_after_.Stop();
  if (window_ != nullptr) window_->Destroy();
  window_ = nullptr;
  text_ = nullptr;
  problem_.reset();
  busy_.reset();
  form_disabled_.reset();
  if (focus_before_) focus_before_->SetFocus();
  focus_before_ = nullptr;
}

void PrintProgressWindow::Post(std::function<void()> call) {
  form_->CallAfter(call);
}

// The form is disabled meanwhile, so this is the one window that takes input. Its button has the
// cancel ID, which Esc and the close box press too.
void PrintProgressWindow::ShowWindow() {
  // Titled as it begins, so a screen reader names the window when it opens.
  window_ = new wxDialog(form_, wxID_ANY, ToWx(kPrintingText), wxDefaultPosition, wxDefaultSize,
                         wxCAPTION | wxCLOSE_BOX);
  window_->SetFont(form_->GetFont());
  auto* column = new wxBoxSizer(wxVERTICAL);
  text_ = new wxStaticText(window_, wxID_ANY, Text());
  column->Add(text_, wxSizerFlags().Border(wxALL, 12));
  auto* cancel = new wxButton(window_, wxID_CANCEL, ToWx(kCancelText));
  column->Add(cancel, wxSizerFlags().Centre().Border(wxLEFT | wxRIGHT | wxBOTTOM, 12));
  window_->SetSizerAndFit(column);
  window_->Bind(
      wxEVT_BUTTON, [this](wxCommandEvent&) { cancel_(); }, wxID_CANCEL);
  window_->CentreOnParent();
  window_->Show();
  cancel->SetFocus();
}

// "正在打印…", and on a line of its own what is wrong with the printer.
wxString PrintProgressWindow::Text() const {
  std::string text(kPrintingText);
  if (problem_) text.append("\n").append(ProblemText(*problem_));
  return ToWx(text);
}
