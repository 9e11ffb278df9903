#pragma once

#include <ctime>

/// Sets the mod-time of the file named in `path_buffer` to `time_taken_text`, read as local time:
/// first as standard time; when the hour then read back from the file differs from the text's, once
/// more as daylight-saving time. Each setting also sets the access time, to `current_entry`'s or
/// now when it has none. Returns true when the setting that stands succeeded, false when the file
/// could not be set (unwritable, or a time outside 1970..2038).
bool touch_file();

/// The wall-clock fields of a time text "YYYY-MM-DD HH:MM:SS", each read at its fixed position the
/// way atoi reads a number (a position past the text's end reads 0), with `tm_isdst` as given.
std::tm parse_time_text(const char* text, int is_dst);
