#pragma once

#include <cstddef>

/// Writes the user's pictures folder into `dest`, which may take `capacity` bytes, zero-terminated.
/// The folder is the XDG_PICTURES_DIR of $XDG_CONFIG_HOME/user-dirs.dirs (by default
/// ~/.config/user-dirs.dirs), else ~/Pictures when it exists. Returns the number of bytes written
/// without the terminator, or -1, leaving `dest` alone, when there is none or it does not fit.
long find_pictures_folder(char* dest, std::size_t capacity);
