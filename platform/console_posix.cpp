#include "platform/console.h"

#include <cstdio>

bool read_console_line(char* dest, std::size_t capacity) {
  std::size_t length = 0;
  bool any = false;
  int c;
  while ((c = std::getchar()) != EOF && c != '\n') {
    any = true;
    if (length + 1 < capacity) {
      dest[length++] = static_cast<char>(c);
    }
  }
  if (capacity > 0) {
    dest[length] = '\0';
  }
  return any || c == '\n';
}

void wait_for_user() {
  std::fputs("Press Enter to continue . . . ", stdout);
  std::fflush(stdout);
  char ignored[2];
  read_console_line(ignored, sizeof ignored);
  std::fputs("\n", stdout);
}
