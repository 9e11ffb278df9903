#include "platform/file_times.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include "platform/clock.h"

bool (*set_file_times)(const char*, int32_t, int32_t) = set_file_times_posix;

bool set_file_times_posix(const char* path, int32_t access_time, int32_t write_time) {
  std::tm unused{};
  if (!local_time(access_time, unused) || !local_time(write_time, unused)) {
    return false;  // never set a file to 1969-12-31 for a time that failed to convert
  }
  const int fd = open(path, O_RDWR | O_CLOEXEC | O_NOCTTY | O_NONBLOCK);
  if (fd < 0) {
    return false;
  }
  const struct timespec times[2] = {{access_time, 0}, {write_time, 0}};
  const bool ok = futimens(fd, times) == 0;
  close(fd);
  return ok;
}
