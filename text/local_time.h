// The calendar time of a moment in the machine's time zone, read safely from any thread;
// each system has its own call for that.
#pragma once

#include <ctime>
#include <optional>

// Nothing when the system cannot express `moment` as a calendar time.
std::optional<std::tm> LocalTime(std::time_t moment);
