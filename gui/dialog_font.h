#pragma once

#include <wx/font.h>

// The form's font: 宋体 9 pt where installed, else the nearest Song-style (serif) CJK
// face the machine has, else the toolkit's own.
wxFont MakeDialogFont();
