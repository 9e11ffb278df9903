#include "selection/next_file.h"

#include <cstring>

#include "common/bounded_copy.h"
#include "platform/memory.h"

char path_buffer[path_buffer_size];
std::size_t name_position = 0;
selection_list selection;

namespace {

search_handle next_listed_file() {
  while (*selection.cursor != '\0') {
    const char* name = selection.cursor;
    selection.cursor += std::strlen(name) + 1;
    // A name that was deleted after the dialog closed, or that cannot be a path here, is passed
    // over: reporting the previous file again would be wrong.
    if (copy_bounded(path_buffer, name)) {
      const search_handle search = start_search(path_buffer, current_entry);
      if (search != -1) {
        return search;
      }
    }
  }
  release_region(selection.buffer);
  selection.buffer = nullptr;
  selection.cursor = nullptr;
  return 0;
}

}  // namespace

search_handle next_file(search_handle search) {
  if (selection.list_mode == 0) {
    if (continue_search(search, current_entry)) {
      return search;
    }
    end_search(search);
    return 0;
  }
  end_search(search);
  if (selection.cursor == nullptr) {
    return 0;
  }
  return next_listed_file();
}
