// The form's boundary between the till's GBK texts and the widgets' Unicode.
#pragma once

#include <wx/string.h>

#include <string>
#include <string_view>

wxString ToWx(std::string_view gbk);
std::string ToGbk(const wxString& text);
