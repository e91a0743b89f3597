#include "tests/gui/gui_driver.h"

#include <wx/app.h>
#include <wx/choice.h>
#include <wx/toplevel.h>
#include <wx/utils.h>

#include <chrono>
#include <thread>

bool GuiDriver::WaitUntil(const std::function<bool()>& done) {
  const auto deadline = std::chrono::steady_clock::now() + std::chrono::seconds(20);
  while (!done()) {
    if (std::chrono::steady_clock::now() > deadline) return false;
    wxTheApp->Yield(true);
    std::this_thread::sleep_for(std::chrono::milliseconds(10));
  }
  return true;
}

void GuiDriver::Settle() {
  for (int i = 0; i < 20; ++i) {
    wxTheApp->Yield(true);
    std::this_thread::sleep_for(std::chrono::milliseconds(10));
  }
}

bool GuiDriver::ShowAndActivate(wxWindow* window) {
  window->Show();
  window->Raise();
  if (!WaitUntil([window] { return window->IsShownOnScreen(); })) return false;
  // Without a window manager the keyboard follows the pointer: keep it over the window.
  simulator_.MouseMove(window->GetScreenRect().GetPosition() + wxPoint(2, 2));
  auto* top = dynamic_cast<wxTopLevelWindow*>(window);
  return WaitUntil([top] { return top == nullptr || top->IsActive(); });
}

void GuiDriver::Click(wxWindow* control) {
  const wxRect rect = control->GetScreenRect();
  simulator_.MouseMove(rect.GetPosition() + wxPoint(rect.width / 2, rect.height / 2));
  Settle();
  simulator_.MouseClick();
  Settle();
}

void GuiDriver::TypeInto(wxWindow* control, const wxString& text) {
  Click(control);
  WaitUntil([control] { return wxWindow::FindFocus() == control; });
  simulator_.Text(text.utf8_str());
  Settle();
}

void GuiDriver::Press(int key) {
  simulator_.Char(key);
  Settle();
}

bool GuiDriver::Choose(wxWindow* control, const wxString& text) {
  control->SetFocus();
  if (!WaitUntil([control] { return wxWindow::FindFocus() == control; })) return false;
  const bool chosen = simulator_.Select(text);
  Settle();
  return chosen;
}
