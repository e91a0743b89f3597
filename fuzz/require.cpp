#include "fuzz/require.h"

#include <cstdio>

void Require(bool holds, const char* property) {
  if (holds) return;
  std::fprintf(stderr, "broken property: %s\n", property);
  __builtin_trap();
}
