// The wall-clock time in the host's local time zone, broken down into calendar fields.
#pragma once

namespace ovplatform {

struct LocalTime {
  int year = 0;         // e.g. 2024
  int month = 0;        // 1..12
  int day = 0;          // 1..31
  int dayOfWeek = 0;    // 0 = Sunday
  int hour = 0;         // 0..23
  int minute = 0;       // 0..59
  int second = 0;       // 0..59 (60 on a leap second)
  int millisecond = 0;  // 0..999
};

LocalTime GetLocalTime();

}  // namespace ovplatform
