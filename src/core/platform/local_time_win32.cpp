// Win32 local time: GetLocalTime.
#include <windows.h>

#include "core/platform/local_time.h"

namespace ovplatform {

LocalTime GetLocalTime() {
  SYSTEMTIME now;
  ::GetLocalTime(&now);
  LocalTime result;
  result.year = now.wYear;
  result.month = now.wMonth;
  result.day = now.wDay;
  result.dayOfWeek = now.wDayOfWeek;
  result.hour = now.wHour;
  result.minute = now.wMinute;
  result.second = now.wSecond;
  result.millisecond = now.wMilliseconds;
  return result;
}

}  // namespace ovplatform
