#pragma once

#include <cstdint>
#include <string>

/// Behaviour flags of the file dialog. Only `dialog_allow_multi_select` changes what the dialogs
/// here do; the others state what the chooser expects (chosen files exist, and so on).
inline constexpr uint32_t dialog_hide_read_only = 0x00000004;
inline constexpr uint32_t dialog_allow_multi_select = 0x00000200;
inline constexpr uint32_t dialog_path_must_exist = 0x00000800;
inline constexpr uint32_t dialog_file_must_exist = 0x00001000;
inline constexpr uint32_t dialog_explorer = 0x00080000;
inline constexpr uint32_t dialog_enable_sizing = 0x00800000;

/// What the chooser hands the file-open dialog, and what the dialog writes back.
struct file_dialog {
  const char* filters = nullptr;  ///< pairs of display text and patterns ("*.jpg *.jpe"), each
                                  ///< zero-terminated, the table ended by an empty text
  char* custom_filter = nullptr;  ///< room for a filter the user typed; may be written back
  uint32_t max_custom_filter = 0;
  uint32_t filter_index = 1;          ///< the filter shown first, counted from 1
  const char* file = nullptr;         ///< the initial file name, such as "*.jp*"
  uint32_t max_file = 0;              ///< the room the chooser gave for the choice
  const char* initial_dir = nullptr;  ///< the folder the dialog opens in; null for its default
  const char* title = nullptr;
  uint32_t flags = 0;
  const char* default_ext = nullptr;
  uint16_t file_offset = 0;  ///< written on success: where the first name starts in the choice
};

/// Shows a file-open dialog. Returns false when the user cancelled or no dialog could be shown.
/// Otherwise `choice` holds one of two forms, with `file_offset` at its first name: the full path
/// of the one chosen file, zero-terminated (the byte before the name is a "/"); or the folder,
/// zero-terminated, then each chosen name, zero-terminated, then an empty text (the byte before
/// the first name is the folder's terminator). A graphical dialog (zenity, else kdialog) is used
/// when a display is available, else the console: the title and a prompt for a file name or
/// pattern, counted from the current folder.
bool open_file_dialog_posix(file_dialog& dialog, std::string& choice);

/// The dialog the chooser shows; tests point it at a scripted one.
extern bool (*open_file_dialog)(file_dialog& dialog, std::string& choice);

/// The console's form of the dialog, used where no graphical one can be shown.
bool console_file_dialog(file_dialog& dialog, std::string& choice);
