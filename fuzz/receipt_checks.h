// Properties of the receipt's lines, shared by the fuzz targets of the item line, the
// date and time, and the whole receipt. Each check stops the run when a property fails.
#pragma once

#include <string_view>

#include "text/date_time.h"

// Checks an item line against the three texts it was made from: the goods whole at its
// start, spaces up to a goods column of at least 18 bytes, the quantity as the whole
// number it reads as, two spaces, the unit price to the cent, one space unless the
// quantity is over 99, the amount (quantity times price) to the cent when it is finite,
// CR LF. Returns the amount as printed.
double CheckItemLine(std::string_view line, std::string_view goods, std::string_view quantity,
                     std::string_view price);

// Checks that `text` is a "%.2f" rendering (an optional minus, digits, a point, two
// digits) of `value`, to the cent.
void CheckMoney(std::string_view text, double value, const char* property);

// The date and time a receipt must carry for the typed texts: when the two read as one
// valid moment ("YYYY-M-D", "YYYY/M/D" or "YYYY.M.D", then "H:M" or "H:M:S", white space
// around and between), its "%Y-%m-%d" and "%H:%M:%S" renderings, else the typed texts.
DateTimeTexts ExpectedDateTime(std::string_view date, std::string_view time);

// Checks normalised texts against ExpectedDateTime of what was typed.
void CheckDateTime(const DateTimeTexts& normalised, std::string_view date, std::string_view time);
