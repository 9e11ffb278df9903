#pragma once

#include <cstdint>

/// The flags that shape a run; each starts at 0 and is only ever set to 1.
struct run_options {
  int32_t long_paths = 0;  ///< -l: show each file's path as composed from the pattern
  int32_t quiet = 0;       ///< -q: leave out the header and summary lines
  int32_t touch = 0;       ///< -t: set each photo's mod-time to its time-taken
  int32_t fast = 0;        ///< -f: read photo headers only, without decoding the images
};

/// The run's options.
extern run_options options;

/// Exit codes of the tool.
inline constexpr int exit_ok = 0;
inline constexpr int exit_failure = 1;

/// Whether `argument` is an option: it begins with "-" or "/".
bool is_option(const char* argument);

/// Sets the flag that the option letter `letter` (an option's second character) names. Returns
/// false for any other character, the terminator of a lone "-" or "/" included.
bool set_option(char letter);

/// Writes the usage text, naming the program `program`.
void show_usage(const char* program);
