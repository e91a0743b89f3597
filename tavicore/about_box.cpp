#include "tavicore/about_box.h"

#include <wx/button.h>
#include <wx/sizer.h>
#include <wx/statbmp.h>
#include <wx/stattext.h>

#include <string_view>

#include "gui/app_icon.h"
#include "gui/wx_text.h"
#include "text/till_texts.h"

namespace {

constexpr int kIconSize = 48;
constexpr int kGap = 12;

}  // namespace

AboutBox::AboutBox(wxWindow* owner, const ProductTexts& product)
    : wxDialog(owner, wxID_ANY, ToWx(std::string(kCaptionPrefix) + product.title)) {
  const wxIconBundle icons = LoadAppIcons();
  SetIcons(icons);
  auto* body = new wxBoxSizer(wxHORIZONTAL);
  const wxIcon icon = icons.GetIcon(kIconSize);
  if (icon.IsOk())
    body->Add(new wxStaticBitmap(this, wxID_ANY, icon), wxSizerFlags().Top().Border(wxRIGHT, kGap));
  body->Add(CreateTexts(product), wxSizerFlags(1).Expand());

  auto* buttons = new wxStdDialogButtonSizer;
  buttons->AddButton(new wxButton(this, wxID_OK, ToWx(kCloseLabel)));
  buttons->Realize();

  auto* page = new wxBoxSizer(wxVERTICAL);
  page->Add(body, wxSizerFlags(1).Expand().Border(wxALL, kGap));
  page->Add(buttons, wxSizerFlags().Expand().Border(wxLEFT | wxRIGHT | wxBOTTOM, kGap));
  SetSizerAndFit(page);
  CentreOnParent();
}

wxSizer* AboutBox::CreateTexts(const ProductTexts& product) {
  auto* texts = new wxBoxSizer(wxVERTICAL);
  auto* title = new wxStaticText(this, wxID_ANY, ToWx(product.title));
  title->SetFont(title->GetFont().Bold().Scaled(1.5f));
  texts->Add(title, wxSizerFlags().Border(wxBOTTOM, kGap / 2));
  texts->Add(new wxStaticText(this, wxID_ANY, ToWx(product.name + " " + product.kind)));
  texts->Add(new wxStaticText(this, wxID_ANY, ToWx(std::string(kVersionPrefix) + product.version)));
  return texts;
}
