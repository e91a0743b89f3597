#include "gui/app_icon.h"

#include <wx/bitmap.h>
#include <wx/icon.h>
#include <wx/image.h>

#include <cstddef>

extern const unsigned char kIcon16Png[];
extern const size_t kIcon16PngSize;
extern const unsigned char kIcon32Png[];
extern const size_t kIcon32PngSize;
extern const unsigned char kIcon48Png[];
extern const size_t kIcon48PngSize;

namespace {

void AddPng(wxIconBundle& bundle, const unsigned char* data, size_t size) {
  const wxBitmap bitmap = wxBitmap::NewFromPNGData(data, size);
  if (!bitmap.IsOk()) return;
  wxIcon icon;
  icon.CopyFromBitmap(bitmap);
  bundle.AddIcon(icon);
}

}  // namespace

wxIconBundle LoadAppIcons() {
  if (wxImage::FindHandler(wxBITMAP_TYPE_PNG) == nullptr) wxImage::AddHandler(new wxPNGHandler);
  wxIconBundle bundle;
  AddPng(bundle, kIcon16Png, kIcon16PngSize);
  AddPng(bundle, kIcon32Png, kIcon32PngSize);
  AddPng(bundle, kIcon48Png, kIcon48PngSize);
  return bundle;
}
