// Feeds arbitrary bytes, as a file named like a photo, through the loading and EXIF scan that
// the tool runs on every file it is given.
#include <unistd.h>

#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <string>

#include "driver/run.h"
#include "timetaken/load.h"
#include "timetaken/time_taken.h"

namespace {

std::string input_path;

}  // namespace

extern "C" int LLVMFuzzerInitialize(int*, char***) {
  // The library's framed messages would drown the fuzzer's own report.
  if (std::freopen("/dev/null", "w", stdout) == nullptr) {
    std::abort();
  }
  FreeImage_SetOutputMessage(report_library_message);
  silence_library_chatter();
  char folder[] = "/tmp/shottime-fuzz-XXXXXX";
  if (mkdtemp(folder) == nullptr) {
    std::abort();
  }
  input_path = std::string(folder) + "/input.jpg";
  return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  FILE* file = std::fopen(input_path.c_str(), "wb");
  if (file == nullptr || std::fwrite(data, 1, size, file) != size || std::fclose(file) != 0) {
    std::abort();
  }
  for (int flags : {0, FIF_LOAD_NOPIXELS}) {
    reset_run_state();
    if (FIBITMAP* image = load_image(input_path.c_str(), flags)) {
      read_time_taken(image);
      FreeImage_Unload(image);
    }
  }
  return 0;
}
