#include "text/local_time.h"

std::optional<std::tm> LocalTime(std::time_t moment) {
  std::tm local{};
  if (localtime_s(&local, &moment) != 0) return std::nullopt;
  return local;
}
