#include "text/local_time.h"

std::optional<std::tm> LocalTime(std::time_t moment) {
  std::tm local{};
  if (localtime_r(&moment, &local) == nullptr) return std::nullopt;
  return local;
}
