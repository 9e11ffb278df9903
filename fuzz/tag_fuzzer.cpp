// Feeds arbitrary key and value bytes through the tag tests, the normalisation and the reading of
// the stored text that touching does.
#include <cstdint>
#include <cstring>
#include <string>

#include "driver/run.h"
#include "platform/clock.h"
#include "timetaken/time_taken.h"
#include "touch/touch.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  // The first byte says where the key ends; the rest is the value. Both are zero-terminated
  // copies, as the library hands them over.
  if (size == 0) {
    return 0;
  }
  const std::size_t key_length = data[0] % (size);
  const std::string key(reinterpret_cast<const char*>(data + 1), key_length);
  const std::string value(reinterpret_cast<const char*>(data + 1 + key_length),
                          size - 1 - key_length);
  reset_run_state();
  // Two offers, as a photo with two dates makes: the second meets a stored text.
  for (int round = 0; round < 2; ++round) {
    if (is_time_taken_tag(key.c_str(), value.c_str())) {
      offer_time_taken(value.c_str());
    }
  }
  if (time_taken_found != 0) {
    if (std::strlen(time_taken_text) >= time_text_size) {
      __builtin_trap();
    }
    make_time(parse_time_text(time_taken_text, 0));
    make_time(parse_time_text(time_taken_text, 1));
  }
  return 0;
}
