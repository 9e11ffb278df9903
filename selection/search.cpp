#include "selection/search.h"

#include <limits>

#include "common/bounded_copy.h"
#include "platform/clock.h"
#include "platform/dir_search.h"

file_entry current_entry;

namespace {

// False when the name does not fit, which no Linux file system allows (names end at 255 bytes).
bool fill_entry(const dir_entry& found, file_entry& entry) {
  file_entry filled;
  filled.attributes =
      (found.is_folder ? attribute_folder : 0) | (found.read_only ? attribute_read_only : 0);
  filled.creation_time = entry_time(found.creation_time);
  filled.access_time = entry_time(found.access_time);
  filled.write_time = entry_time(found.write_time);
  filled.size = static_cast<uint32_t>(found.size);
  if (!copy_bounded(filled.name, found.name)) {
    return false;
  }
  entry = filled;
  return true;
}

}  // namespace

int32_t entry_time(int64_t seconds) {
  std::tm local{};
  if (seconds <= 0 || seconds > std::numeric_limits<int32_t>::max() ||
      !local_time(seconds, local)) {
    return -1;
  }
  const int year = local.tm_year + 1900;
  return (year < 1970 || year > 2038) ? -1 : static_cast<int32_t>(seconds);
}

search_handle start_search(const char* pattern, file_entry& entry) {
  dir_entry found;
  const int32_t search = dir_search_first(pattern, found);
  if (search == -1) {
    return -1;
  }
  if (!fill_entry(found, entry) && !continue_search(search, entry)) {
    dir_search_close(search);
    return -1;
  }
  return search;
}

bool continue_search(search_handle search, file_entry& entry) {
  dir_entry found;
  while (dir_search_next(search, found)) {
    if (fill_entry(found, entry)) {
      return true;
    }
  }
  return false;
}

bool end_search(search_handle search) {
  return dir_search_close(search);
}

bool is_folder(const file_entry& entry) {
  return (entry.attributes & 0x1F) == attribute_folder;
}
