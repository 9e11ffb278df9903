#pragma once

#include <cstdint>

/// Sets the last-access and last-write times of the file at `path` (seconds since 1970 UTC),
/// leaving its contents and creation time alone. The file is opened for reading and writing to do
/// so, so a file the user may not write is refused. Returns false, changing nothing, when the file
/// cannot be opened so, when either time cannot be rendered as local time (-1 above all), or when
/// the setting fails.
bool set_file_times_posix(const char* path, int32_t access_time, int32_t write_time);

/// The setter the tool calls; tests point it elsewhere to make a setting fail.
extern bool (*set_file_times)(const char* path, int32_t access_time, int32_t write_time);
