#include "tests/support/fixed_time_zone.h"

#include <cstdlib>

FixedTimeZone::FixedTimeZone(const char* zone) {
  if (const char* old = std::getenv("TZ")) old_ = old;
  SetTimeZoneVariable(zone);
}

FixedTimeZone::~FixedTimeZone() {
  SetTimeZoneVariable(old_);
}
