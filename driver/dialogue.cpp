#include "driver/dialogue.h"

#include <cstdio>

#include "driver/report.h"
#include "platform/console.h"

bool ask_yes_no(const char* prompt) {
  std::fputs(prompt, stdout);
  std::fflush(stdout);
  // The answer shares its storage with the mod-time text, which every file rewrites later.
  const bool got_line = read_console_line(mod_time_text, sizeof mod_time_text);
  const bool yes = got_line && (mod_time_text[0] == 'y' || mod_time_text[0] == 'Y');
  std::fputs("\n", stdout);
  return yes;
}

void pause_console() {
  wait_for_user();
}
