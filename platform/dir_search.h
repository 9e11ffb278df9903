#pragma once

#include <cstdint>
#include <string_view>

/// One directory entry as the platform's directory search reports it.
struct dir_entry {
  bool is_folder = false;
  bool read_only = false;     ///< the owner may not write it
  int64_t creation_time = 0;  ///< seconds since 1970 UTC; 0 when the file system keeps none
  int64_t access_time = 0;
  int64_t write_time = 0;
  uint64_t size = 0;
  std::string_view name;  ///< the entry's own name; valid until the search moves on or closes
};

/// Opens a search over the folder part of `pattern` (up to its last "/", the current folder when
/// it has none) for the names that match its last component. Returns a handle greater than 0 with
/// the first match in `entry`, or -1, leaving `entry` alone, when nothing matches or the folder
/// cannot be read. Matches come in case-folded byte order of their names, so runs are repeatable.
int32_t dir_search_first(const char* pattern, dir_entry& entry);

/// Moves `handle` to its next match. Returns false at the end of the matches or on any error,
/// leaving `entry` alone.
bool dir_search_next(int32_t handle, dir_entry& entry);

/// Closes `handle`. Returns false for -1, 0, or a handle that is not open.
bool dir_search_close(int32_t handle);

/// Whether `name` matches the wildcard `pattern`: "*" matches any run of characters (a leading "."
/// included), "?" exactly one character, ASCII letters match regardless of case, every other byte
/// only itself; "*.*" matches every name.
bool wildcard_match(std::string_view pattern, std::string_view name);

/// Whether `pattern` holds a wildcard.
bool has_wildcards(std::string_view pattern);
