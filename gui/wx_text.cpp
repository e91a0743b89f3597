#include "gui/wx_text.h"

#include "text/gbk.h"

wxString ToWx(std::string_view gbk) {
  return wxString::FromUTF8(GbkToUtf8(gbk));
}

std::string ToGbk(const wxString& text) {
  const wxScopedCharBuffer utf8 = text.utf8_str();
  return Utf8ToGbk(std::string_view(utf8.data(), utf8.length()));
}
