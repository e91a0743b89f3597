// The "正在打印…" window: the form's watcher of a print the printer is slow to take.
// While the port waits it lets the toolkit's events run, so the program keeps answering;
// once the wait has lasted a moment it shows a small window over the form whose "取消"
// (or Esc, or its close box) stops the print. Below "正在打印…" it says what the port
// reports wrong with the printer and what to do. It goes away when the print is over.
#pragma once

#include <wx/utils.h>
#include <wx/weakref.h>

#include <chrono>
#include <optional>
#include <string>

#include "port/print_progress.h"

class wxDialog;
class wxStaticText;
class wxWindow;

class PrintProgressWindow : public PrintProgress {
 public:
  // The window shows over `form`, which must outlive this.
  explicit PrintProgressWindow(wxWindow& form) : form_(form) {}

  bool KeepWaiting() override;
  void ShowProblem(std::string_view text) override;
  void Finished() override;

 private:
  void ShowWindow();
  wxString Text() const;

  wxWindow& form_;
  std::optional<std::chrono::steady_clock::time_point> waiting_since_;
  // From the first wait to the end of the print, when the toolkit's events run: the form
  // takes no input (nothing may start another print or end the form) and shows it is busy.
  // The checks before a print run with the form enabled, so their focus moves hold.
  std::optional<wxWindowDisabler> form_disabled_;
  // GTK takes the keyboard from a control it disables and does not give it back: the
  // form's control that had it when the wait began has it again once the form is enabled,
  // so the keys and a screen reader are back on it (on 打印) after the print's message.
  wxWeakRef<wxWindow> focus_before_;
  std::optional<wxBusyCursor> busy_;
  wxDialog* window_ = nullptr;    // owned by the form once shown
  wxStaticText* text_ = nullptr;  // the window's text, while shown
  std::string problem_;           // GBK, empty while nothing is reported wrong
  bool cancelled_ = false;
};
