#pragma once

#include <cstdint>
#include <ctime>

/// Loads the time-zone data: from TZ when it holds a value, else the system's setting.
void init_time_zone();

/// Renders `t` (seconds since 1970 UTC) as local wall-clock time into `out`. Returns false, for a
/// negative time or one the runtime cannot render.
bool local_time(int64_t t, std::tm& out);

/// Converts a local wall-clock time to seconds as mktime does, honouring `tm_isdst` (0 standard
/// time, 1 daylight-saving time) and carrying fields outside their ranges. Returns -1 when the
/// instant lies outside 0..2^31-1, the range of the tool's 32-bit times.
int32_t make_time(std::tm tm);

/// The current time in seconds since 1970 UTC.
int32_t current_time();
