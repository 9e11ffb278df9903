#include "touch/touch.h"

#include <algorithm>
#include <cstring>

#include "platform/clock.h"
#include "platform/file_times.h"
#include "selection/next_file.h"
#include "selection/search.h"
#include "timetaken/time_taken.h"

namespace {

bool is_space(char c) {
  return c == ' ' || (c >= '\t' && c <= '\r');
}

// Far beyond any year mktime accepts, and far from int's limits once 1900 is taken off.
constexpr long long largest_number = 1'000'000'000;

// atoi's reading of the number at `position`, bounded so that no digit run can overflow.
int read_number(const char* text, std::size_t position) {
  if (position >= std::strlen(text)) {
    return 0;
  }
  const char* p = text + position;
  while (is_space(*p)) {
    ++p;
  }
  const bool negative = *p == '-';
  if (*p == '-' || *p == '+') {
    ++p;
  }
  long long value = 0;
  for (; *p >= '0' && *p <= '9'; ++p) {
    if (value < largest_number) {
      value = value * 10 + (*p - '0');
    }
  }
  value = std::min(value, largest_number);
  return static_cast<int>(negative ? -value : value);
}

int32_t access_time_to_set() {
  return current_entry.access_time == -1 ? current_time() : current_entry.access_time;
}

bool set_from_text(int is_dst) {
  const int32_t write_time = make_time(parse_time_text(time_taken_text, is_dst));
  return set_file_times(path_buffer, access_time_to_set(), write_time);
}

// The file's write time as the directory search now reports it, -1 when it is not found. The
// name is matched exactly, since a name may itself hold "*" or "?".
int32_t read_back_write_time() {
  const char* slash = std::strrchr(path_buffer, '/');
  const char* name = slash != nullptr ? slash + 1 : path_buffer;
  file_entry back;
  const search_handle search = start_search(path_buffer, back);
  if (search == -1) {
    return -1;
  }
  bool found = std::strcmp(back.name, name) == 0;
  while (!found && continue_search(search, back)) {
    found = std::strcmp(back.name, name) == 0;
  }
  end_search(search);
  return found ? back.write_time : -1;
}

}  // namespace

std::tm parse_time_text(const char* text, int is_dst) {
  std::tm tm{};
  tm.tm_year = read_number(text, 0) - 1900;
  tm.tm_mon = read_number(text, 5) - 1;
  tm.tm_mday = read_number(text, 8);
  tm.tm_hour = read_number(text, 11);
  tm.tm_min = read_number(text, 14);
  tm.tm_sec = read_number(text, 17);
  tm.tm_isdst = is_dst;
  return tm;
}

bool touch_file() {
  const bool first = set_from_text(0);
  std::tm shown{};
  if (!local_time(read_back_write_time(), shown) ||
      shown.tm_hour == read_number(time_taken_text, 11)) {
    return first;
  }
  return set_from_text(1);
}
