#pragma once

#include <cstddef>

#include "platform/dialog.h"
#include "selection/search.h"

/// Size of the selection buffer that each attempt obtains for the dialog's choice.
inline constexpr std::size_t selection_buffer_size = 65536;

/// Size of the pictures-folder and custom-filter buffers; the platform may write one byte less.
inline constexpr std::size_t folder_buffer_size = 280;

/// The dialog's parameters, set up once and handed to the dialog at every attempt; whatever the
/// dialog writes back stays for the next attempt.
extern file_dialog dialog_params;

/// The filter table: three pairs of display text and patterns, ended by an empty text.
extern const char dialog_filters[];

/// A filter the user typed in the dialog.
extern char custom_filter[folder_buffer_size];

/// The user's pictures folder, where the dialog opens once it is known.
extern char pictures_folder[folder_buffer_size];

/// Lets the user choose the run's files in the file dialog, attempt after attempt, until a choice
/// yields a file; when `started_bare` (no arguments at all), then asks whether to touch them.
/// Returns the search of the first file with `current_entry`, `path_buffer` and `selection` set
/// up for `next_file`; or 0 after printing the fatal message (without a line feed) when the user
/// cancelled, no selection buffer could be had, or the chosen folder cannot be entered.
search_handle choose_files(bool started_bare);

/// Puts the chooser's records back to their state at start; for tests.
void reset_chooser_state();
