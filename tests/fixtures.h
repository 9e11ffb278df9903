#pragma once

#include <libexif/exif-data.h>

#include <sys/types.h>

#include <cstdint>
#include <memory>
#include <string>
#include <vector>

/// A fresh folder under the system's temp folder, removed with everything in it at the end.
class temp_dir {
 public:
  temp_dir();
  ~temp_dir();
  temp_dir(const temp_dir&) = delete;
  temp_dir& operator=(const temp_dir&) = delete;

  const std::string& path() const { return path_; }
  /// `name` inside the folder.
  std::string operator/(const std::string& name) const { return path_ + "/" + name; }

 private:
  std::string path_;
};

/// One ASCII EXIF tag of a fixture photo.
struct exif_tag {
  ExifIfd ifd;
  ExifTag tag;
  std::string value;
};

/// The tags a camera writes for the moment of the shot.
exif_tag date_time(const std::string& value);           ///< DateTime, EXIF main information
exif_tag date_time_original(const std::string& value);  ///< DateTimeOriginal, EXIF advanced
exif_tag date_time_digitized(const std::string& value);

struct FIBITMAP;

/// The bytes of `image` saved in FreeImage's `format` with `flags`.
std::string encode(FIBITMAP* image, int format, int flags);

/// A small, valid JPEG without metadata.
std::string plain_jpeg(int width = 16, int height = 16);

/// A JPEG of random pixels, whose image data is most of the file, as in a camera photo.
std::string noisy_jpeg(int width, int height);

/// `jpeg` with an EXIF block holding exactly `tags`, values as given (not checked against the
/// EXIF standard).
std::string with_exif(const std::string& jpeg, const std::vector<exif_tag>& tags);

/// A small image of another format, `format` being FreeImage's code.
std::string image_in_format(int format);

/// A small TIFF image whose main EXIF information holds a DateTime of `value`.
std::string tiff_with_date_time(const std::string& value);

/// A photo with `tags` written to `path`, its mod-time set to `mod_time` when that is not 0.
void write_photo(const std::string& path, const std::vector<exif_tag>& tags, int64_t mod_time = 0);

void write_file(const std::string& path, const std::string& bytes);
std::string read_file(const std::string& path);

/// Seconds since 1970 of a UTC date and time.
int64_t utc(int year, int month, int day, int hour = 0, int minute = 0, int second = 0);

/// Sets a file's access and modification times to exact seconds.
void set_times(const std::string& path, int64_t access_time, int64_t write_time);
int64_t mod_time_of(const std::string& path);
int64_t access_time_of(const std::string& path);

/// Sets TZ (and the runtime's zone data) for the life of the object.
class scoped_tz {
 public:
  explicit scoped_tz(const char* zone);
  ~scoped_tz();

 private:
  std::string old_;
  bool had_old_;
};

/// What a run of the built binary gave.
struct run_result {
  std::string out;
  std::string err;
  int exit_code = -1;
};

/// How to run the binary: its folder, its zone, what it reads, extra environment.
struct run_setup {
  std::string cwd = ".";
  std::string tz = "UTC";
  std::string input;
  std::vector<std::string> env;  ///< "NAME=value" pairs added to a small clean environment
  bool unprivileged = false;     ///< run as nobody when the tests run as root
};

/// Runs the built shottime with `args` and returns its output and exit code.
run_result run_tool(const std::vector<std::string>& args, const run_setup& setup = {});

/// A run of shottime still going on, for tests that act on it meanwhile.
struct running_tool {
  pid_t pid = -1;
  std::unique_ptr<temp_dir> io;  ///< its standard input, output and error
};

/// Starts shottime with `args` and returns at once.
running_tool start_tool(const std::vector<std::string>& args, const run_setup& setup = {});

/// Waits for `tool` to end, killing it after `timeout_seconds`, and returns what it gave.
run_result finish_tool(running_tool& tool, int timeout_seconds = 60);
