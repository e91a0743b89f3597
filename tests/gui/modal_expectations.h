// Message boxes in the GUI tests: expected ones are answered and their texts recorded,
// and one nobody expected fails the test instead of waiting for a click that never comes.
#pragma once

#include <gtest/gtest.h>
#include <wx/msgdlg.h>

#include <vector>

#define wxTEST_DIALOG_HOOK_CLASS TestModalHook
#include <wx/testing.h>

class TestModalHook : public wxTestingModalHook {
 public:
  TestModalHook(const char* file, int line, const char* function)
      : wxTestingModalHook(file, line, function), file_(file), line_(line) {}

 protected:
  int Enter(wxDialog* dialog) override {
    const int result = wxTestingModalHook::Enter(dialog);
    return result == wxID_NONE ? wxID_OK : result;
  }
  void ReportFailure(const wxString& message) override {
    ADD_FAILURE_AT(file_, line_) << message.utf8_string();
  }

 private:
  const char* file_;
  int line_;
};

// Expects a message box with one OK button; records its text and answers it.
class ExpectMessage : public wxExpectModalBase<wxMessageDialog, ExpectMessage> {
 public:
  explicit ExpectMessage(std::vector<wxString>* shown) : shown_(shown) {}

 protected:
  int OnInvoked(wxMessageDialog* dialog) const override {
    shown_->push_back(dialog->GetMessage());
    const long style = dialog->GetMessageDialogStyle();
    EXPECT_TRUE((style & wxOK) != 0 && (style & (wxCANCEL | wxYES_NO)) == 0) << style;
    return wxID_OK;
  }

 private:
  std::vector<wxString>* shown_;
};
