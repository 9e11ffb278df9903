#pragma once

#include <cstddef>

/// Reads one line from standard input, up to and without its line feed, of any length. Keeps its
/// first `capacity - 1` bytes in `dest`, zero-terminated, and drops the rest. Returns false, with
/// `dest` empty, at end of input before any character.
bool read_console_line(char* dest, std::size_t capacity);

/// Waits until the user has read the output: prints "Press Enter to continue . . . " and reads one
/// line. End of input returns at once, so a run with no input never hangs.
void wait_for_user();
