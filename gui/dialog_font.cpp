#include "gui/dialog_font.h"

#include <wx/fontenum.h>

#include "form/dialog_template.h"
#include "text/gbk.h"

namespace {

// Song-style faces in order of preference, as font libraries name them.
const char* const kFallbackFaces[] = {
    "SimSun",         "NSimSun",     "Noto Serif CJK SC", "Source Han Serif SC",
    "AR PL UMing CN", "AR PL UMing",
};

wxString InstalledFace() {
  wxString preferred = wxString::FromUTF8(GbkToUtf8(kDialogFontFace));
  if (wxFontEnumerator::IsValidFacename(preferred)) return preferred;
  for (const char* face : kFallbackFaces) {
    if (wxFontEnumerator::IsValidFacename(face)) return face;
  }
  return wxEmptyString;
}

}  // namespace

wxFont MakeDialogFont() {
  return wxFont(wxFontInfo(kDialogFontPoints).FaceName(InstalledFace()));
}
