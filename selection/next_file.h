#pragma once

#include <cstddef>
#include <cstdint>

#include "selection/search.h"

/// Size of `path_buffer`: paths hold at most 511 characters.
inline constexpr std::size_t path_buffer_size = 512;

/// The pattern that starts the run, then the path of the current file.
extern char path_buffer[path_buffer_size];

/// Where each found name is written in `path_buffer`; what stands before it is the folder part.
extern std::size_t name_position;

/// The chooser's result: the names chosen in the dialog, walked one by one in list mode.
struct selection_list {
  char* buffer = nullptr;  ///< the names, each zero-terminated, ended by an empty name
  char* cursor = nullptr;  ///< the next unread name
  int32_t list_mode = 0;   ///< 1 once several names were chosen; never cleared
};

/// The run's selection.
extern selection_list selection;

/// Steps from the file of `search` to the next file of the run, leaving it in `current_entry`.
/// Outside list mode the search is continued; in list mode it is closed and the next name of the
/// selection, copied into `path_buffer`, is searched for in the current folder (a name no longer
/// found is skipped). Returns the search of the next file, or 0 when no file is left, having then
/// closed every search and given the selection buffer back.
search_handle next_file(search_handle search);
