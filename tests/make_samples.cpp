// Writes the photos of samples/: run as `make_samples samples` from the repository's top folder.
// With --fuzz-seeds it writes, besides, images of other formats and EXIF variants that seed the
// fuzzers.
#include <FreeImage.h>

#include <cstdio>
#include <string>

#include "fixtures.h"

int main(int argc, char** argv) {
  const bool seeds = argc == 3 && std::string(argv[2]) == "--fuzz-seeds";
  if (argc != 2 && !seeds) {
    std::printf("usage: make_samples FOLDER [--fuzz-seeds]\n");
    return 2;
  }
  const std::string folder = argv[1];
  const std::string jpeg = plain_jpeg(64, 48);
  // A camera photo edited later: the moment of the shot is the earliest of its dates.
  write_file(
      folder + "/IMG_0001.JPG",
      with_exif(jpeg, {date_time("2024:07:20 09:12:44"), date_time_original("2024:07:14 16:42:08"),
                       date_time_digitized("2024:07:14 16:42:08")}));
  // A winter photo whose software wrote only the main date.
  write_file(folder + "/IMG_0002.jpg", with_exif(jpeg, {date_time("2023:12:24 18:05:31")}));
  // A scan: no EXIF at all, so its mod-time is shown.
  write_file(folder + "/scan.jpg", jpeg);
  // A camera that was never set: an all-zero date is no date.
  write_file(folder + "/unset_clock.jpg",
             with_exif(jpeg, {date_time_original("0000:00:00 00:00:00")}));
  // A photo whose header was cut off: it cannot be read at all.
  const std::string photo = with_exif(jpeg, {date_time_original("2022:05:01 12:00:00")});
  write_file(folder + "/damaged.jpg", photo.substr(0, photo.size() / 2));
  // A photo cut off in its image data: its header, and so its time-taken, is intact.
  const std::string large =
      with_exif(noisy_jpeg(320, 240), {date_time_original("2022:05:01 12:00:00")});
  write_file(folder + "/truncated.jpg", large.substr(0, large.size() * 3 / 4));
  write_file(folder + "/notes.txt", "Not a photo: the tool passes over it.\n");
  if (seeds) {
    write_file(folder + "/seed.png", image_in_format(FIF_PNG));
    write_file(folder + "/seed.bmp", image_in_format(FIF_BMP));
    write_file(folder + "/seed.tif", tiff_with_date_time("2011:07:04 10:00:00"));
    write_file(folder + "/seed-odd-dates.jpg",
               with_exif(jpeg, {date_time("2011/07/04 10:00:00"), date_time_original("Sunday"),
                                date_time_digitized("2011:07:04 10:00:00.123456789012345678")}));
  }
  return 0;
}
