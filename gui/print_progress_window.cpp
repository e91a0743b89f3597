#include "gui/print_progress_window.h"

#include <wx/button.h>
#include <wx/dialog.h>
#include <wx/evtloop.h>
#include <wx/sizer.h>
#include <wx/stattext.h>

#include <string_view>

#include "gui/wx_text.h"
#include "text/till_texts.h"

namespace {

// A printer that takes the receipt within this never shows the window.
constexpr std::chrono::milliseconds kShowAfter{500};

// A screen reader asks in series, each question sent once the last is answered; the
// events keep running while the next one comes within this, so a whole series is answered
// at one question from the port, not one answer per wait on the printer (up to 50 ms).
constexpr unsigned long kQuietAfterMs = 5;
// ... but no longer than this, so the print goes on and a press of "取消" takes effect.
constexpr std::chrono::milliseconds kLongestTurn{50};

// Runs whatever the toolkit has pending: input, timers, calls posted to the windows, the
// accessibility layer's questions; then whatever comes on their heels. Also from inside
// another yield, where the application's own Yield would do nothing.
void RunPendingEvents() {
  wxEventLoopBase* loop = wxEventLoopBase::GetActive();
  if (loop == nullptr) return;
  const auto end = std::chrono::steady_clock::now() + kLongestTurn;
  do {
    loop->YieldFor(wxEVT_CATEGORY_ALL);
  } while (std::chrono::steady_clock::now() < end && loop->DispatchTimeout(kQuietAfterMs) > 0);
}

}  // namespace

bool PrintProgressWindow::KeepWaiting() {
  const auto now = std::chrono::steady_clock::now();
  if (!waiting_since_) {
    waiting_since_ = now;
    wxWindow* focus = wxWindow::FindFocus();
    if (focus != nullptr && wxGetTopLevelParent(focus) == &form_) focus_before_ = focus;
    form_disabled_.emplace();
    busy_.emplace();
  }
  if (window_ == nullptr && now - *waiting_since_ >= kShowAfter) ShowWindow();
  RunPendingEvents();
  return !cancelled_;
}

void PrintProgressWindow::ShowProblem(std::string_view text) {
  problem_ = text;
  if (window_ == nullptr) return;
  text_->SetLabel(Text());
  window_->Fit();
}

void PrintProgressWindow::Finished() {
  if (window_ != nullptr) window_->Destroy();
  window_ = nullptr;
  text_ = nullptr;
  problem_.clear();
  busy_.reset();
  form_disabled_.reset();
  if (focus_before_) focus_before_->SetFocus();
  focus_before_ = nullptr;
  waiting_since_.reset();
  cancelled_ = false;
}

// The form is disabled meanwhile, so this is the one window that takes input. Its button has the
// cancel ID, which Esc and the close box press too.
void PrintProgressWindow::ShowWindow() {
  // Titled as it begins, so a screen reader names the window when it opens.
  window_ = new wxDialog(&form_, wxID_ANY, ToWx(kPrintingText), wxDefaultPosition, wxDefaultSize,
                         wxCAPTION | wxCLOSE_BOX);
  window_->SetFont(form_.GetFont());
  auto* column = new wxBoxSizer(wxVERTICAL);
  text_ = new wxStaticText(window_, wxID_ANY, Text());
  column->Add(text_, wxSizerFlags().Border(wxALL, 12));
  auto* cancel = new wxButton(window_, wxID_CANCEL, ToWx(kCancelText));
  column->Add(cancel, wxSizerFlags().Centre().Border(wxLEFT | wxRIGHT | wxBOTTOM, 12));
  window_->SetSizerAndFit(column);
  window_->Bind(
      wxEVT_BUTTON, [this](wxCommandEvent&) { cancelled_ = true; }, wxID_CANCEL);
  window_->CentreOnParent();
  window_->Show();
  cancel->SetFocus();
}

// "正在打印…", and on a line of its own what is wrong with the printer.
wxString PrintProgressWindow::Text() const {
  std::string text(kPrintingText);
  if (!problem_.empty()) text += "\n" + problem_;
  return ToWx(text);
}
