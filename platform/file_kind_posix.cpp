#include "platform/file_kind.h"

#include <sys/stat.h>

bool is_special_file(const char* path) {
  struct stat st {};
  if (stat(path, &st) != 0) {
    return false;
  }
  return !S_ISREG(st.st_mode);
}
