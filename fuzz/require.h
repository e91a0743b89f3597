// How a fuzz target says that a promise of the code was broken: a crash alone would let a
// wrong receipt or a lost character pass unnoticed.
#pragma once

// Stops the run when `holds` is false: names the broken property on the error output,
// then traps, so libFuzzer saves the input that broke it.
void Require(bool holds, const char* property);
