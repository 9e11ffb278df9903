#include "driver/run.h"

#include <cstdio>

#include "common/bounded_copy.h"
#include "driver/dialogue.h"
#include "driver/options.h"
#include "driver/report.h"
#include "platform/clock.h"
#include "platform/memory.h"
#include "selection/chooser.h"
#include "selection/next_file.h"
#include "selection/search.h"
#include "timetaken/load.h"
#include "timetaken/time_taken.h"

namespace {

// Where option parsing ends up: the pattern, or the way the run ends right away.
enum class parse_result { pattern, no_pattern, usage };

parse_result parse_arguments(int argc, char** argv, const char*& pattern) {
  for (int i = 1; i < argc; ++i) {
    if (!is_option(argv[i])) {
      pattern = argv[i];  // later arguments, options included, are ignored
      return parse_result::pattern;
    }
    if (!set_option(argv[i][1])) {
      return parse_result::usage;
    }
  }
  return parse_result::no_pattern;
}

// The first file of the pattern, or -1 after the message that ends the run.
search_handle search_pattern(const char* pattern) {
  if (!copy_bounded(path_buffer, pattern)) {
    // A cut pattern would search for something the user never typed.
    std::printf("Pattern longer than %zu characters: %s\n", path_buffer_size - 1, pattern);
    return -1;
  }
  const search_handle search = start_search(path_buffer, current_entry);
  if (search == -1) {
    std::printf("No %s files found\n", path_buffer);
  }
  return search;
}

void print_header() {
  const char* what = selection.list_mode != 0 ? "files..." : path_buffer;
  std::printf(options.touch != 0 ? "Changing mod-times to time-taken for %s\n\n"
                                 : "Displaying time-taken for %s\n\n",
              what);
}

void print_summary() {
  std::printf(options.touch != 0 ? "\n%d files, mod-time set to time-taken for %d files\n"
                                 : "\n%d files, time-taken available for %d files\n",
              counters.files_reported, counters.files_with_time_taken);
}

}  // namespace

void reset_run_state() {
  options = run_options{};
  counters = run_counters{};
  current_entry = file_entry{};
  path_buffer[0] = '\0';
  name_position = 0;
  release_region(selection.buffer);
  selection = selection_list{};
  reset_chooser_state();
  time_taken_text[0] = '\0';
  time_taken_found = 0;
  mod_time_text[0] = '\0';
}

int run(int argc, char** argv) {
  FreeImage_SetOutputMessage(report_library_message);
  silence_library_chatter();
  init_time_zone();
  const char* program = argc > 0 && argv[0] != nullptr ? argv[0] : "shottime";
  const bool started_bare = argc == 1;

  const char* pattern = nullptr;
  search_handle search = -1;
  switch (parse_arguments(argc, argv, pattern)) {
    case parse_result::usage:
      show_usage(program);
      return exit_ok;
    case parse_result::pattern:
      search = search_pattern(pattern);
      break;
    case parse_result::no_pattern:
      search = choose_files(started_bare);
      break;
  }
  if (search == -1 || search == 0) {
    std::fflush(stdout);  // no pause: the message is the last word of the run
    return exit_failure;
  }

  if (options.quiet == 0) {
    print_header();
  }
  fix_name_position();
  counters = run_counters{};
  do {
    report_file();
    search = next_file(search);
  } while (search != 0);
  if (options.quiet == 0) {
    print_summary();
  }
  std::fflush(stdout);
  if (started_bare) {
    pause_console();
  }
  return exit_ok;
}
