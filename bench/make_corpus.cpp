// Writes a benchmark corpus: COUNT copies of one generated photo of WIDTH x HEIGHT pixels, each
// with its own EXIF dates, named IMG_00000.JPG and on.
#include <FreeImage.h>

#include <cstdio>
#include <cstdlib>
#include <ctime>
#include <string>

#include "fixtures.h"

namespace {

// Smooth shading with a little noise: compresses about as well as a camera photo does.
std::string photo_like_jpeg(int width, int height) {
  FIBITMAP* image = FreeImage_Allocate(width, height, 24);
  unsigned seed = 7;
  for (int y = 0; y < height; ++y) {
    BYTE* line = FreeImage_GetScanLine(image, y);
    for (int x = 0; x < width; ++x) {
      for (int c = 0; c < 3; ++c) {
        seed = seed * 1103515245u + 12345u;
        const int shade = (x * (c + 1) / 16 + y * (3 - c) / 12) % 256;
        line[3 * x + c] = static_cast<BYTE>(shade + static_cast<int>((seed >> 16) % 24));
      }
    }
  }
  std::string bytes = encode(image, FIF_JPEG, JPEG_QUALITYGOOD);
  FreeImage_Unload(image);
  return bytes;
}

std::string date_text(int index) {
  // One photo every 7 hours and 13 minutes from 2019 on: every season, every hour.
  const long long seconds = utc(2019, 1, 1) + static_cast<long long>(index) * (7 * 3600 + 13 * 60);
  const time_t t = static_cast<time_t>(seconds);
  std::tm tm{};
  gmtime_r(&t, &tm);
  char text[32];
  std::strftime(text, sizeof text, "%Y:%m:%d %H:%M:%S", &tm);
  return text;
}

}  // namespace

int main(int argc, char** argv) {
  if (argc != 5) {
    std::printf("usage: make_corpus FOLDER COUNT WIDTH HEIGHT\n");
    return 2;
  }
  const std::string folder = argv[1];
  const int count = std::atoi(argv[2]);
  const std::string jpeg = photo_like_jpeg(std::atoi(argv[3]), std::atoi(argv[4]));
  for (int i = 0; i < count; ++i) {
    char name[32];
    std::snprintf(name, sizeof name, "/IMG_%05d.JPG", i);
    const std::string date = date_text(i);
    write_file(folder + name,
               with_exif(jpeg, {date_time(date_text(i + 100)), date_time_original(date),
                                date_time_digitized(date)}));
  }
  return 0;
}
