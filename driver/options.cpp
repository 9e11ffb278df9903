#include "driver/options.h"

#include <cstdio>

run_options options;

bool is_option(const char* argument) {
  return argument[0] == '-' || argument[0] == '/';
}

bool set_option(char letter) {
  switch (letter) {
    case 'l':
      options.long_paths = 1;
      return true;
    case 'q':
      options.quiet = 1;
      return true;
    case 't':
      options.touch = 1;
      return true;
    case 'f':
      options.fast = 1;
      return true;
    default:
      return false;
  }
}

void show_usage(const char* program) {
  std::printf(
      "\nDisplay time JPG photo(s) taken;\n"
      "and optionally, change mod-time to time-taken.\n\n"
      "Usage: %s {flags} [filename]\n"
      "\twhere {flags} can be any combo of the following:\n"
      "\t      -l -> show long paths for files\n"
      "\t      -q -> quiet: suppresses bgn & end msgs\n"
      "\t      -t -> touch file(s) to make mod-time = time-taken\n"
      "\t      if no -t, just display time-taken for each file\n"
      "\t      -f -> fast: read photo headers only, do not decode the images\n"
      "\t  and [filename] is the JPG file(s) to display/touch\n"
      "\t      [filename] may contain a path and/or wildcards\n"
      "\t      [filename] may be omitted & will be prompted for.\n"
      "\nIf there is no JPG header with time-taken, mod-time is displayed.\n\n",
      program);
}
