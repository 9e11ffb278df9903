#include "platform/dialog.h"

#include <fcntl.h>
#include <spawn.h>
#include <sys/wait.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string_view>
#include <vector>

#include "platform/console.h"

extern char** environ;

bool (*open_file_dialog)(file_dialog&, std::string&) = open_file_dialog_posix;

namespace {

// Between the paths a graphical dialog prints: a byte that no sane file name holds (unlike "|",
// zenity's default).
constexpr char path_separator = '\x1e';

// A longer answer at the console is no path (PATH_MAX); the rest of its line is dropped.
constexpr std::size_t longest_console_answer = 4096;

enum class outcome { chosen, canceled, unavailable };

// The non-empty parts of `text` between `separator`s.
std::vector<std::string> split(std::string_view text, char separator) {
  std::vector<std::string> parts;
  while (!text.empty()) {
    const std::size_t end = text.find(separator);
    if (end != 0) {
      parts.emplace_back(text.substr(0, end));
    }
    text = end == std::string_view::npos ? "" : text.substr(end + 1);
  }
  return parts;
}

struct filter_pair {
  std::string display;
  std::vector<std::string> patterns;
};

std::vector<filter_pair> read_filters(const char* table) {
  std::vector<filter_pair> pairs;
  while (table != nullptr && *table != '\0') {
    filter_pair pair;
    pair.display = table;
    table += pair.display.size() + 1;
    const std::string_view patterns(table);
    table += patterns.size() + 1;
    pair.patterns = split(patterns, ' ');
    pairs.push_back(pair);
  }
  return pairs;
}

// GTK and Qt match patterns with case, and "*.*" only names with a dot; cameras write
// IMG_0001.JPG and "All Files" means all of them.
std::vector<std::string> unix_patterns(const std::vector<std::string>& patterns) {
  std::vector<std::string> out;
  for (const std::string& p : patterns) {
    if (p == "*.*") {
      out.emplace_back("*");
      continue;
    }
    out.push_back(p);
    std::string upper = p;
    for (char& c : upper) {
      if (c >= 'a' && c <= 'z') {
        c = static_cast<char>(c - 'a' + 'A');
      }
    }
    if (upper != p) {
      out.push_back(upper);
    }
  }
  return out;
}

std::string joined(const std::vector<std::string>& parts, const char* glue) {
  std::string text;
  for (const std::string& part : parts) {
    text += (text.empty() ? "" : glue) + part;
  }
  return text;
}

// Runs `args` without a shell, its input empty and its standard error discarded: our own
// standard error stays silent. Returns its exit code with its output in `out`, or -1 when it
// could not be run.
int run_program(const std::vector<std::string>& args, std::string& out) {
  int pipe_fds[2];
  if (pipe2(pipe_fds, O_CLOEXEC) != 0) {
    return -1;
  }
  posix_spawn_file_actions_t actions;
  posix_spawn_file_actions_init(&actions);
  posix_spawn_file_actions_addopen(&actions, 0, "/dev/null", O_RDONLY, 0);
  posix_spawn_file_actions_adddup2(&actions, pipe_fds[1], 1);
  posix_spawn_file_actions_addopen(&actions, 2, "/dev/null", O_WRONLY, 0);
  std::vector<char*> argv;
  for (const std::string& a : args) {
    argv.push_back(const_cast<char*>(a.c_str()));
  }
  argv.push_back(nullptr);
  pid_t pid = 0;
  const int spawned = posix_spawnp(&pid, argv[0], &actions, nullptr, argv.data(), environ);
  posix_spawn_file_actions_destroy(&actions);
  close(pipe_fds[1]);
  if (spawned != 0) {
    close(pipe_fds[0]);
    return -1;
  }
  char block[4096];
  ssize_t n;
  while ((n = read(pipe_fds[0], block, sizeof block)) > 0 || (n < 0 && errno == EINTR)) {
    out.append(block, n > 0 ? static_cast<std::size_t>(n) : 0);
  }
  close(pipe_fds[0]);
  int status = 0;
  while (waitpid(pid, &status, 0) < 0 && errno == EINTR) {
  }
  return WIFEXITED(status) ? WEXITSTATUS(status) : -1;
}

std::string parent_of(const std::string& path) {
  const std::size_t slash = path.rfind('/');
  return slash == 0 || slash == std::string::npos ? "/" : path.substr(0, slash);
}

// Lays out absolute `paths` in the dialog's two forms.
bool lay_out(const std::vector<std::string>& paths, file_dialog& dialog, std::string& choice) {
  // Every path must be absolute: the search for a common folder ends at "/".
  if (paths.empty() || std::any_of(paths.begin(), paths.end(),
                                   [](const std::string& p) { return p.empty() || p[0] != '/'; })) {
    return false;
  }
  if (paths.size() == 1) {
    choice = paths[0] + '\0';
    dialog.file_offset = static_cast<uint16_t>(paths[0].rfind('/') + 1);
    return true;
  }
  // Names chosen together share a folder; should they not, their closest common folder is taken.
  std::string folder = parent_of(paths[0]);
  auto prefix = [&] { return folder == "/" ? folder : folder + "/"; };
  for (const std::string& p : paths) {
    while (p.compare(0, prefix().size(), prefix()) != 0) {
      folder = parent_of(folder);
    }
  }
  choice = folder + '\0';
  for (const std::string& p : paths) {
    choice += p.substr(prefix().size()) + '\0';
  }
  choice += '\0';
  dialog.file_offset = static_cast<uint16_t>(folder.size() + 1);
  return true;
}

outcome finish(int code, const std::string& out, char separator, file_dialog& dialog,
               std::string& choice) {
  if (code == 1) {
    return outcome::canceled;
  }
  if (code != 0) {
    return outcome::unavailable;
  }
  // The dialog ends its output with a line feed.
  std::string_view paths(out);
  if (!paths.empty() && paths.back() == '\n') {
    paths.remove_suffix(1);
  }
  return lay_out(split(paths, separator), dialog, choice) ? outcome::chosen : outcome::canceled;
}

outcome zenity_dialog(file_dialog& dialog, std::string& choice) {
  std::vector<std::string> args = {"zenity", "--file-selection",
                                   std::string("--title=") + (dialog.title ? dialog.title : ""),
                                   std::string("--separator=") + path_separator};
  if (dialog.flags & dialog_allow_multi_select) {
    args.emplace_back("--multiple");
  }
  if (dialog.initial_dir != nullptr) {
    args.push_back(std::string("--filename=") + dialog.initial_dir + "/" +
                   (dialog.file ? dialog.file : ""));
  }
  for (const filter_pair& f : read_filters(dialog.filters)) {
    args.push_back("--file-filter=" + f.display + " | " + joined(unix_patterns(f.patterns), " "));
  }
  std::string out;
  return finish(run_program(args, out), out, path_separator, dialog, choice);
}

outcome kdialog_dialog(file_dialog& dialog, std::string& choice) {
  std::vector<std::string> filter_lines;
  for (const filter_pair& f : read_filters(dialog.filters)) {
    filter_lines.push_back(joined(unix_patterns(f.patterns), " ") + "|" + f.display);
  }
  std::vector<std::string> args = {"kdialog",
                                   "--title",
                                   dialog.title ? dialog.title : "",
                                   "--getopenfilename",
                                   dialog.initial_dir ? dialog.initial_dir : ".",
                                   joined(filter_lines, "\n")};
  if (dialog.flags & dialog_allow_multi_select) {
    args.emplace_back("--multiple");
    args.emplace_back("--separate-output");
  }
  std::string out;
  return finish(run_program(args, out), out, '\n', dialog, choice);
}

bool has_display() {
  const char* x = std::getenv("DISPLAY");
  const char* wayland = std::getenv("WAYLAND_DISPLAY");
  return (x != nullptr && *x != '\0') || (wayland != nullptr && *wayland != '\0');
}

}  // namespace

bool console_file_dialog(file_dialog& dialog, std::string& choice) {
  std::printf("%s\nFile name or pattern (empty line cancels): ", dialog.title ? dialog.title : "");
  std::fflush(stdout);
  char answer[longest_console_answer + 1];
  read_console_line(answer, sizeof answer);  // end of input leaves it empty: a cancel
  std::fputs("\n", stdout);
  std::string line = answer;
  if (line.empty()) {
    return false;
  }
  if (line[0] != '/') {
    char* cwd = getcwd(nullptr, 0);
    if (cwd == nullptr) {
      return false;
    }
    line = std::string(cwd) + (std::strcmp(cwd, "/") == 0 ? "" : "/") + line;
    std::free(cwd);
  }
  return lay_out({line}, dialog, choice);
}

bool open_file_dialog_posix(file_dialog& dialog, std::string& choice) {
  if (has_display()) {
    for (auto graphical : {zenity_dialog, kdialog_dialog}) {
      switch (graphical(dialog, choice)) {
        case outcome::chosen:
          return true;
        case outcome::canceled:
          return false;
        case outcome::unavailable:
          break;
      }
    }
  }
  return console_file_dialog(dialog, choice);
}
