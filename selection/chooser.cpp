#include "selection/chooser.h"

#include <unistd.h>

#include <cstdio>
#include <cstring>
#include <string>

#include "common/bounded_copy.h"
#include "driver/dialogue.h"
#include "driver/options.h"
#include "platform/memory.h"
#include "platform/user_folders.h"
#include "selection/next_file.h"

const char dialog_filters[] =
    "JPEG Files  (*.jpg *.jpeg *.jpe)\0*.jpg *.jpeg *.jpe\0"
    "JPG Files  (*.jpg)\0*.jpg\0"
    "All Files  (*.*)\0*.*\0";
char custom_filter[folder_buffer_size];
char pictures_folder[folder_buffer_size];
file_dialog dialog_params;

namespace {

constexpr char initial_file_name[] = "*.jp*";
constexpr char folder_pattern[] = "/*.jpg";

// How an attempt ended: with a file, on to the next attempt, or with a fatal message.
enum class attempt_end { file, retry, fatal };

void set_up_dialog() {
  dialog_params = file_dialog{};
  dialog_params.filters = dialog_filters;
  dialog_params.custom_filter = custom_filter;
  dialog_params.max_custom_filter = folder_buffer_size - 1;
  dialog_params.filter_index = 1;
  dialog_params.max_file = selection_buffer_size - 1;
  dialog_params.title = "Choose photos(s); use Ctrl+Click and/or Shift+Click for Multi-Select";
  dialog_params.flags = dialog_hide_read_only | dialog_allow_multi_select | dialog_path_must_exist |
                        dialog_file_must_exist | dialog_explorer | dialog_enable_sizing;
  dialog_params.default_ext = "jpg";
}

void fatal(const std::string& message) {
  std::fputs(message.c_str(), stdout);
  std::fflush(stdout);
}

// A fresh selection buffer of `size` bytes, or null after the fatal message.
char* obtain_buffer(std::size_t size) {
  char* buffer = static_cast<char*>(allocate_region(size));
  if (buffer == nullptr) {
    fatal("Fatal error: Unable to allocate " + std::to_string(size) + " bytes");
  }
  return buffer;
}

void release_selection() {
  release_region(selection.buffer);
  selection.buffer = nullptr;
  selection.cursor = nullptr;
}

// Looked up anew at every attempt, silently: without it the dialog opens where it likes.
void look_up_pictures_folder() {
  const long length = find_pictures_folder(pictures_folder, folder_buffer_size - 1);
  if (length >= 0) {
    pictures_folder[length] = '\0';
    dialog_params.initial_dir = pictures_folder;
  }
}

// Moves the dialog's choice into the selection buffer; a choice larger than the buffer gets a
// buffer of its size, since the user did not cancel.
bool store_choice(const std::string& choice) {
  if (choice.size() > selection_buffer_size) {
    release_selection();
    selection.buffer = obtain_buffer(choice.size());
    if (selection.buffer == nullptr) {
      return false;
    }
  }
  std::memcpy(selection.buffer, choice.data(), choice.size());
  selection.cursor = selection.buffer;
  return true;
}

void report_no_files() {
  std::printf("No %s files found\n", path_buffer);
}

void pause_before_retry() {
  std::fflush(stdout);
  pause_console();
}

// Copies `path` into `path_buffer`; one that does not fit is refused, not cut.
attempt_end take_path(const char* path) {
  if (copy_bounded(path_buffer, path)) {
    return attempt_end::file;
  }
  std::printf("Path longer than %zu characters: %s\n", path_buffer_size - 1, path);
  pause_before_retry();
  return attempt_end::retry;
}

// Puts the first chosen path into `path_buffer`, by the form of the choice. Returns fatal when
// the chosen folder cannot be entered, retry when the path does not fit.
attempt_end take_first_path() {
  const char* path = selection.cursor;
  if (selection.buffer[dialog_params.file_offset - 1] != '\0') {
    const std::string chosen = path;
    *selection.cursor = '\0';  // the list of further names is empty
    return take_path(chosen.c_str());
  }
  selection.list_mode = 1;
  if (chdir(path) != 0) {
    fatal(std::string("Fatal Error: Unable to change to folder ") + path);
    return attempt_end::fatal;
  }
  selection.cursor += std::strlen(path) + 1;
  const char* first_name = selection.cursor;
  selection.cursor += std::strlen(first_name) + 1;
  return take_path(first_name);
}

// The search of the folder the user chose, as "folder/*.jpg" when that is what the user meant;
// -1 to go on with the next attempt.
search_handle search_chosen_folder(search_handle folder_search) {
  std::printf("%s in a folder, not a file\n", current_entry.name);
  end_search(folder_search);
  const std::string question =
      std::string("Did you mean ") + path_buffer + folder_pattern + "? (y/n): ";
  if (!ask_yes_no(question.c_str())) {
    return -1;
  }
  const std::size_t length = std::strlen(path_buffer);
  search_handle search = -1;
  if (copy_bounded(path_buffer + length, path_buffer_size - length, folder_pattern)) {
    search = start_search(path_buffer, current_entry);
  }
  if (search == -1) {
    report_no_files();
  } else if (is_folder(current_entry)) {
    std::printf("%s in a folder, not a file\n", path_buffer);
    end_search(search);
    search = -1;
  }
  if (search == -1) {
    pause_before_retry();
  }
  return search;
}

attempt_end attempt(search_handle& search) {
  std::fputs("Use the dialog box to choose file(s)\n", stdout);
  std::fputs("You can use Ctrl+Click & Shift+Click to select multiple files\n", stdout);
  std::fflush(stdout);
  selection.buffer = obtain_buffer(selection_buffer_size);
  if (selection.buffer == nullptr) {
    return attempt_end::fatal;
  }
  selection.cursor = selection.buffer;
  copy_bounded(selection.buffer, selection_buffer_size, initial_file_name);
  dialog_params.file = selection.buffer;
  look_up_pictures_folder();

  std::string choice;
  if (!open_file_dialog(dialog_params, choice) || dialog_params.file_offset == 0 ||
      dialog_params.file_offset >= choice.size()) {
    fatal("Canceled");
    return attempt_end::fatal;
  }
  if (!store_choice(choice)) {
    return attempt_end::fatal;
  }
  const attempt_end first = take_first_path();
  if (first != attempt_end::file) {
    return first;
  }

  std::fputs("Processing...\n\n", stdout);
  search = start_search(path_buffer, current_entry);
  if (search == -1) {
    report_no_files();
    pause_before_retry();
    return attempt_end::retry;
  }
  if (is_folder(current_entry)) {
    search = search_chosen_folder(search);
  }
  return search == -1 ? attempt_end::retry : attempt_end::file;
}

}  // namespace

void reset_chooser_state() {
  set_up_dialog();
  custom_filter[0] = '\0';
  pictures_folder[0] = '\0';
}

search_handle choose_files(bool started_bare) {
  if (dialog_params.title == nullptr) {
    set_up_dialog();
  }
  for (;;) {
    search_handle search = -1;
    switch (attempt(search)) {
      case attempt_end::fatal:
        release_selection();
        return 0;
      case attempt_end::retry:
        // Nothing of an abandoned attempt is used again.
        release_selection();
        continue;
      case attempt_end::file:
        break;
    }
    if (started_bare && ask_yes_no("Change the mod-time(s) to the time-taken? (y/n): ")) {
      options.touch = 1;
    }
    return search;
  }
}
