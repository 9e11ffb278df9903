#include "platform/dir_search.h"

#include <dirent.h>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <string>
#include <vector>

namespace {

struct open_search {
  bool open = false;
  int folder_fd = -1;              // entries are looked up relative to it, so a later chdir
                                   // cannot change what a search yields
  std::vector<std::string> names;  // the matches, sorted
  std::size_t next = 0;
};

// Handles are indices into this table plus one, so no open search is ever 0 or -1.
std::vector<open_search> searches;

unsigned char fold(unsigned char c) {
  return (c >= 'A' && c <= 'Z') ? c + ('a' - 'A') : c;
}

bool is_continuation(unsigned char c) {
  return (c & 0xC0) == 0x80;
}

// The length of the character that starts `text`: a UTF-8 sequence counts as one character for
// "?", so names in other scripts match the way they look.
std::size_t char_length(std::string_view text) {
  std::size_t n = 1;
  while (n < text.size() && is_continuation(static_cast<unsigned char>(text[n]))) {
    ++n;
  }
  return n;
}

bool folded_less(const std::string& a, const std::string& b) {
  auto cmp = [](char x, char y) {
    return fold(static_cast<unsigned char>(x)) < fold(static_cast<unsigned char>(y));
  };
  if (std::lexicographical_compare(a.begin(), a.end(), b.begin(), b.end(), cmp)) {
    return true;
  }
  if (std::lexicographical_compare(b.begin(), b.end(), a.begin(), a.end(), cmp)) {
    return false;
  }
  return a < b;  // names equal but for case still come in one fixed order
}

int64_t seconds(const struct statx_timestamp& t) {
  return t.tv_sec;
}

// Fills `entry` for `name` in the folder; false when the entry vanished or cannot be looked at.
bool describe(int folder_fd, const std::string& name, dir_entry& entry) {
  struct statx sx {};
  const unsigned mask = STATX_BASIC_STATS | STATX_BTIME;
  if (statx(folder_fd, name.c_str(), 0, mask, &sx) != 0 &&
      statx(folder_fd, name.c_str(), AT_SYMLINK_NOFOLLOW, mask, &sx) != 0) {
    return false;  // a dangling link is still listed, with its own times
  }
  entry.is_folder = S_ISDIR(sx.stx_mode);
  entry.read_only = (sx.stx_mode & S_IWUSR) == 0;
  entry.creation_time = (sx.stx_mask & STATX_BTIME) ? seconds(sx.stx_btime) : 0;
  entry.access_time = seconds(sx.stx_atime);
  entry.write_time = seconds(sx.stx_mtime);
  entry.size = sx.stx_size;
  entry.name = name;
  return true;
}

open_search* find(int32_t handle) {
  if (handle <= 0 || static_cast<std::size_t>(handle) > searches.size()) {
    return nullptr;
  }
  open_search& s = searches[handle - 1];
  return s.open ? &s : nullptr;
}

// Yields the search's next match that can still be described; false at the end.
bool advance(open_search& s, dir_entry& entry) {
  while (s.next < s.names.size()) {
    if (describe(s.folder_fd, s.names[s.next++], entry)) {
      return true;
    }
  }
  return false;
}

std::vector<std::string> list_matches(int folder_fd, std::string_view name_pattern) {
  std::vector<std::string> names;
  int fd = dup(folder_fd);
  DIR* dir = fd < 0 ? nullptr : fdopendir(fd);
  if (dir == nullptr) {
    if (fd >= 0) {
      close(fd);
    }
    return names;
  }
  while (const struct dirent* d = readdir(dir)) {
    if (wildcard_match(name_pattern, d->d_name)) {
      names.emplace_back(d->d_name);
    }
  }
  closedir(dir);
  std::sort(names.begin(), names.end(), folded_less);
  return names;
}

int32_t store(open_search s) {
  for (std::size_t i = 0; i < searches.size(); ++i) {
    if (!searches[i].open) {
      searches[i] = std::move(s);
      return static_cast<int32_t>(i + 1);
    }
  }
  searches.push_back(std::move(s));
  return static_cast<int32_t>(searches.size());
}

}  // namespace

bool has_wildcards(std::string_view pattern) {
  return pattern.find_first_of("*?") != std::string_view::npos;
}

bool wildcard_match(std::string_view pattern, std::string_view name) {
  if (pattern == "*.*") {
    pattern = "*";
  }
  // Greedy matching with one backtrack point: linear in practice, never recursive.
  std::size_t p = 0, n = 0, star_p = std::string_view::npos, star_n = 0;
  while (n < name.size()) {
    if (p < pattern.size() && pattern[p] == '*') {
      star_p = p++;
      star_n = n;
    } else if (p < pattern.size() && pattern[p] == '?') {
      ++p;
      n += char_length(name.substr(n));
    } else if (p < pattern.size() && fold(static_cast<unsigned char>(pattern[p])) ==
                                         fold(static_cast<unsigned char>(name[n]))) {
      ++p;
      ++n;
    } else if (star_p != std::string_view::npos) {
      p = star_p + 1;
      n = ++star_n;
    } else {
      return false;
    }
  }
  while (p < pattern.size() && pattern[p] == '*') {
    ++p;
  }
  return p == pattern.size();
}

int32_t dir_search_first(const char* pattern, dir_entry& entry) {
  std::string_view text(pattern);
  const std::size_t slash = text.rfind('/');
  std::string folder =
      slash == std::string_view::npos ? "." : std::string(text.substr(0, slash + 1));
  const std::string_view name_pattern =
      slash == std::string_view::npos ? text : text.substr(slash + 1);
  if (name_pattern.empty()) {
    return -1;
  }
  open_search s;
  s.open = true;
  s.folder_fd = open(folder.c_str(), O_PATH | O_DIRECTORY | O_CLOEXEC);
  if (s.folder_fd < 0) {
    return -1;
  }
  if (!has_wildcards(name_pattern)) {
    // A plain name that exists is found at once, even in a folder that may be entered but not
    // listed; otherwise the listing finds it in another letter case.
    s.names.emplace_back(name_pattern);
    if (advance(s, entry)) {
      return store(std::move(s));
    }
    s.names.clear();
    s.next = 0;
  }
  // O_PATH descriptors cannot be read, so list through one opened for reading.
  const int list_fd = openat(s.folder_fd, ".", O_RDONLY | O_DIRECTORY | O_CLOEXEC);
  if (list_fd >= 0) {
    s.names = list_matches(list_fd, name_pattern);
    close(list_fd);
  }
  if (!advance(s, entry)) {
    close(s.folder_fd);
    return -1;
  }
  return store(std::move(s));
}

bool dir_search_next(int32_t handle, dir_entry& entry) {
  open_search* s = find(handle);
  return s != nullptr && advance(*s, entry);
}

bool dir_search_close(int32_t handle) {
  open_search* s = find(handle);
  if (s == nullptr) {
    return false;
  }
  close(s->folder_fd);
  *s = open_search{};
  return true;
}
