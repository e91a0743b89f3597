// The boundary between the till's GBK texts and the toolkit's Unicode strings, for every
// window the program draws: the sale form and the product-information component's box.
#pragma once

#include <wx/string.h>

#include <string>
#include <string_view>

wxString ToWx(std::string_view gbk);
std::string ToGbk(const wxString& text);
