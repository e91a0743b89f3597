#include <stdlib.h>
#include <time.h>

#include "tests/support/fixed_time_zone.h"

void SetTimeZoneVariable(const std::optional<std::string>& zone) {
  if (zone) {
    setenv("TZ", zone->c_str(), 1);
  } else {
    unsetenv("TZ");
  }
  tzset();
}
