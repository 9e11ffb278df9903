#pragma once

#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

#include "fixtures.h"

/// The user that tests run as when they must not be allowed to write a file: root may write
/// anything, so a root test drops to nobody.
inline constexpr uid_t nobody_id = 65534;

/// Runs `attempt` as a user who may read but not write the files of `dir` (which are made
/// read-only) and returns its result. As root it runs in a child process as nobody.
template <typename F>
bool run_unprivileged(const temp_dir& dir, F attempt) {
  chmod(dir.path().c_str(), 0755);
  if (geteuid() != 0) {
    return attempt();
  }
  const pid_t pid = fork();
  if (pid == 0) {
    if (setgid(nobody_id) != 0 || setuid(nobody_id) != 0) {
      _exit(2);
    }
    _exit(attempt() ? 1 : 0);
  }
  int status = 0;
  waitpid(pid, &status, 0);
  return WIFEXITED(status) && WEXITSTATUS(status) == 1;
}
