// POSIX local time: clock_gettime + localtime_r.
#include <time.h>

#include "core/platform/local_time.h"

namespace ovplatform {

LocalTime GetLocalTime() {
  LocalTime result;
  struct timespec now {};
  clock_gettime(CLOCK_REALTIME, &now);
  struct tm parts {};
  time_t seconds = now.tv_sec;
  if (!localtime_r(&seconds, &parts)) return result;
  result.year = parts.tm_year + 1900;
  result.month = parts.tm_mon + 1;
  result.day = parts.tm_mday;
  result.dayOfWeek = parts.tm_wday;
  result.hour = parts.tm_hour;
  result.minute = parts.tm_min;
  result.second = parts.tm_sec;
  result.millisecond = static_cast<int>(now.tv_nsec / 1000000);
  return result;
}

}  // namespace ovplatform
