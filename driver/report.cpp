#include "driver/report.h"

#include <cstdio>
#include <cstring>

#include "common/bounded_copy.h"
#include "driver/options.h"
#include "platform/clock.h"
#include "selection/next_file.h"
#include "selection/search.h"
#include "timetaken/load.h"
#include "touch/touch.h"

run_counters counters;
char mod_time_text[time_text_size];

void fix_name_position() {
  const char* slash = std::strrchr(path_buffer, '/');
  name_position = slash != nullptr ? static_cast<std::size_t>(slash - path_buffer) + 1 : 0;
}

void format_mod_time(int32_t write_time) {
  std::tm local{};
  if (write_time < 0 || !local_time(write_time, local)) {
    copy_bounded(mod_time_text, unknown_mod_time);
    return;
  }
  // Room for any int, though local time of a 32-bit time always gives 19 characters.
  char text[80];
  std::snprintf(text, sizeof text, "%04d-%02d-%02d %02d:%02d:%02d", local.tm_year + 1900,
                local.tm_mon + 1, local.tm_mday, local.tm_hour, local.tm_min, local.tm_sec);
  copy_bounded(mod_time_text, text);
}

namespace {

bool compose_path() {
  if (copy_bounded(path_buffer + name_position, path_buffer_size - name_position,
                   current_entry.name)) {
    return true;
  }
  std::printf("Skipped %s: its path would be longer than %zu characters\n", current_entry.name,
              path_buffer_size - 1);
  std::fflush(stdout);
  return false;
}

// The time-taken of `image`, left in `time_taken_text`; the image is released here, before the
// line is printed, so that one image at most is alive.
void take_time_taken(FIBITMAP* image) {
  read_time_taken(image);
  FreeImage_Unload(image);
}

}  // namespace

void report_file() {
  time_taken_found = 0;
  time_taken_text[0] = '\0';
  format_mod_time(current_entry.write_time);
  if (!compose_path()) {
    return;
  }
  // A full decode also reports damaged image data; the header alone is what the report needs.
  FIBITMAP* image = load_image(path_buffer, options.fast != 0 ? FIF_LOAD_NOPIXELS : 0);
  if (image == nullptr) {
    return;
  }
  take_time_taken(image);
  const char* file = options.long_paths ? path_buffer : current_entry.name;
  std::printf("%s\t%s\n", time_taken_text[0] != '\0' ? time_taken_text : mod_time_text, file);
  ++counters.files_reported;
  if (time_taken_found != 0 && time_taken_text[0] != '\0') {
    bool counted = true;
    if (options.touch != 0) {
      counted = touch_file();
      if (!counted) {
        std::printf("Unable to set mod-time of %s\n", file);
      }
    }
    if (counted) {
      ++counters.files_with_time_taken;
    }
  }
  std::fflush(stdout);
}
