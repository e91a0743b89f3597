#pragma once

#include <wx/iconbndl.h>

// The application icon at 16, 32 and 48 px, for the window's caption, task bar and
// minimised state.
wxIconBundle LoadAppIcons();
