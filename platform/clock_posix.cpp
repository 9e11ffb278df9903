#include "platform/clock.h"

#include <cstdint>
#include <limits>

void init_time_zone() {
  tzset();
}

bool local_time(int64_t t, std::tm& out) {
  if (t < 0) {
    return false;
  }
  const std::time_t tt = static_cast<std::time_t>(t);
  return localtime_r(&tt, &out) != nullptr;
}

int32_t make_time(std::tm tm) {
  const std::time_t t = std::mktime(&tm);
  if (t < 0 || t > std::numeric_limits<int32_t>::max()) {
    return -1;
  }
  return static_cast<int32_t>(t);
}

int32_t current_time() {
  return static_cast<int32_t>(std::time(nullptr));
}
