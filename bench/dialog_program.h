// The floors the till's start-up is measured against run as the till runs its form: one
// modal dialog shown from the application's start-up, no other event loop, the program
// ending when the dialog closes. This part is shared; each program says what its dialog
// is.
#pragma once

// Defined by each program: builds its dialog, shows it modally and returns once it has
// closed.
void RunDialog();
