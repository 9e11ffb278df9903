#pragma once

#include <cstddef>
#include <cstdint>

/// Size of a found name, its terminator included.
inline constexpr std::size_t entry_name_size = 260;

/// Attribute bits of a `file_entry`.
inline constexpr uint32_t attribute_read_only = 0x01;
inline constexpr uint32_t attribute_folder = 0x10;

/// One found directory entry. Times are entry times: seconds since 1970 UTC, -1 for none.
struct file_entry {
  uint32_t attributes = 0;  ///< 0x10 for a folder, 0x01 added when the owner may not write it
  int32_t creation_time = -1;
  int32_t access_time = -1;
  int32_t write_time = -1;          ///< the mod-time
  uint32_t size = 0;                ///< the low 32 bits of the size
  char name[entry_name_size] = {};  ///< the entry's own name, without any folder part
};

/// Names one open search; -1 for a search that found nothing. No open search is 0.
using search_handle = int32_t;

/// The current file of the run.
extern file_entry current_entry;

/// Opens a search over `pattern` (an optional folder part, then a name that may hold "*" and "?")
/// and fills `entry` with its first match. Returns the search, or -1, leaving `entry` alone, when
/// nothing matches or the folder cannot be searched.
search_handle start_search(const char* pattern, file_entry& entry);

/// Fills `entry` with the next match of `search`. Returns false at the end or on any error,
/// leaving `entry` alone.
bool continue_search(search_handle search, file_entry& entry);

/// Closes `search`. Returns false for -1 or a search that is not open; callers ignore it.
bool end_search(search_handle search);

/// Whether `entry` counts as a folder: the folder bit set and none of the four low bits
/// (read-only, hidden, system, 0x08).
bool is_folder(const file_entry& entry);

/// Turns a file-system time into an entry time: -1 for zero, for a time outside 0..2^31-1, or for
/// one whose local year lies before 1970 or after 2038.
int32_t entry_time(int64_t seconds);
