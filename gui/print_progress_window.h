// The "正在打印…" window: the form's watcher of a print the printer is slow to take (the
// print itself runs on a thread of its own, receipt/background_print.h). While the print
// waits the form takes no input and shows it is busy; once the wait has lasted a moment a
// small window over the form says so, and its "取消" (or Esc, or its close box) stops the
// print. Below "正在打印…" it says what the port reports wrong with the printer and what
// to do. It goes away when the print is over.
#pragma once

#include <wx/timer.h>
#include <wx/utils.h>
#include <wx/weakref.h>

#include <functional>
#include <optional>

#include "receipt/background_print.h"

class wxDialog;
class wxStaticText;
class wxWindow;

class PrintProgressWindow : public PrintWatcher, public FormThread {
 public:
  // The window shows over `form`, which must outlive this; "取消" calls `cancel`.
  PrintProgressWindow(wxWindow& form, std::function<void()> cancel);

  void Waiting(std::optional<PrinterProblem> problem) override;
  void ShowProblem(std::optional<PrinterProblem> problem) override;
  void Finished() override;
  // Calls come through the form's event queue, so they go with the form.
  void Post(std::function<void()> call) override;

 private:
  void ShowWindow();
  wxString Text() const;

  wxWindow* form_;
  std::function<void()> cancel_;
  wxTimer show_after_;  // the window appears once the print has waited a moment
  // While the print waits the form takes no input (nothing may start another command or
  // end the form) and shows it is busy. A print the printer takes at once never gets here,
  // so the form is not disabled and enabled again around every receipt.
  std::optional<wxWindowDisabler> form_disabled_;
  // GTK takes the keyboard from a control it disables and does not give it back: the
  // form's control that had it when the wait began has it again once the form is enabled,
  // so the keys and a screen reader are back on it (on 打印) after the print's message.
  wxWeakRef<wxWindow> focus_before_;
  std::optional<wxBusyCursor> busy_;
  wxDialog* window_ = nullptr;    // owned by the form once shown
  wxStaticText* text_ = nullptr;  // the window's text, while shown
  std::optional<PrinterProblem> problem_;
};
