#pragma once

#include <cstddef>
#include <cstring>
#include <string_view>

/// Copies `text` and a terminating zero into `dest`, which holds `capacity` bytes. Returns false,
/// leaving `dest` unchanged, when the text and its terminator do not fit: the tool's fixed buffers
/// never hold a silently cut path.
inline bool copy_bounded(char* dest, std::size_t capacity, std::string_view text) {
  if (text.size() >= capacity) {
    return false;
  }
  std::memcpy(dest, text.data(), text.size());
  dest[text.size()] = '\0';
  return true;
}

/// The same for an array, whose capacity is known.
template <std::size_t N>
bool copy_bounded(char (&dest)[N], std::string_view text) {
  return copy_bounded(dest, N, text);
}
