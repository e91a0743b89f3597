#include <stdlib.h>
#include <time.h>

#include "tests/support/fixed_time_zone.h"

void SetTimeZoneVariable(const std::optional<std::string>& zone) {
  // An empty value removes the variable.
  _putenv_s("TZ", zone ? zone->c_str() : "");
  _tzset();
}
