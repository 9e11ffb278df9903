#pragma once

#include <cstdint>

#include "timetaken/time_taken.h"

/// How many files a run reported; only ever increased.
struct run_counters {
  int32_t files_reported = 0;         ///< files that loaded and got a line
  int32_t files_with_time_taken = 0;  ///< of those, the ones with a time-taken (and, when
                                      ///< touching, whose mod-time was set)
};

/// The run's counters.
extern run_counters counters;

/// The current file's mod-time, "YYYY-MM-DD HH:MM:SS" or "yyyy-mm-dd ??:??:??"; before the file
/// loop, the answer buffer of `ask_yes_no`.
extern char mod_time_text[time_text_size];

/// Shown when a file has no mod-time that local time can render.
inline constexpr char unknown_mod_time[] = "yyyy-mm-dd ??:??:??";

/// Fixes `name_position` just after the last "/" of `path_buffer`, or at its start.
void fix_name_position();

/// Renders `write_time` into `mod_time_text`, or the unknown form for -1 or a time local time
/// cannot render.
void format_mod_time(int32_t write_time);

/// Reports `current_entry`: composes its path in `path_buffer`, loads it, prints its time-taken
/// (or mod-time) and name, counts it and, when touching, sets its mod-time. A file that does not
/// load gets no line; one whose path would not fit gets a message instead.
void report_file();
