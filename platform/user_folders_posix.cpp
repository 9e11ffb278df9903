#include "platform/user_folders.h"

#include <sys/stat.h>

#include <cstdlib>
#include <fstream>
#include <string>

#include "common/bounded_copy.h"

namespace {

std::string environment(const char* name) {
  const char* value = std::getenv(name);
  return value != nullptr ? value : "";
}

// The value of XDG_PICTURES_DIR: "$HOME/..." or an absolute path, in double quotes, with
// backslash escapes; empty when the file or the line is missing or malformed.
std::string xdg_pictures_dir(const std::string& home) {
  std::string config = environment("XDG_CONFIG_HOME");
  if (config.empty() || config[0] != '/') {
    config = home + "/.config";
  }
  std::ifstream in(config + "/user-dirs.dirs");
  std::string line;
  static const std::string key = "XDG_PICTURES_DIR=\"";
  while (std::getline(in, line)) {
    if (line.compare(0, key.size(), key) != 0) {
      continue;
    }
    std::string value;
    for (std::size_t i = key.size(); i < line.size() && line[i] != '"'; ++i) {
      if (line[i] == '\\' && i + 1 < line.size()) {
        ++i;
      }
      value += line[i];
    }
    if (value.compare(0, 5, "$HOME") == 0) {
      return home + value.substr(5);
    }
    return value.size() > 0 && value[0] == '/' ? value : "";
  }
  return "";
}

bool is_directory(const std::string& path) {
  struct stat st {};
  return stat(path.c_str(), &st) == 0 && S_ISDIR(st.st_mode);
}

}  // namespace

long find_pictures_folder(char* dest, std::size_t capacity) {
  const std::string home = environment("HOME");
  std::string folder = xdg_pictures_dir(home);
  if (folder.empty() && !home.empty() && is_directory(home + "/Pictures")) {
    folder = home + "/Pictures";
  }
  if (folder.empty() || !copy_bounded(dest, capacity, folder)) {
    return -1;
  }
  return static_cast<long>(folder.size());
}
