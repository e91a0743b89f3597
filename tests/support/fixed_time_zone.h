// Runs a test body in a fixed time zone, restoring the one before. The zone is a TZ value
// both C libraries read alike, such as "UTC" or "UTC-8" (eight hours east).
#pragma once

#include <optional>
#include <string>

class FixedTimeZone {
 public:
  explicit FixedTimeZone(const char* zone);
  ~FixedTimeZone();
  FixedTimeZone(const FixedTimeZone&) = delete;
  FixedTimeZone& operator=(const FixedTimeZone&) = delete;

 private:
  std::optional<std::string> old_;
};

// Sets TZ (unsets it for nothing) and has the C library read it again. Each system has
// its own calls for that.
void SetTimeZoneVariable(const std::optional<std::string>& zone);
