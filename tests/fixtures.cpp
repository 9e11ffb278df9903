#include "fixtures.h"

#include <FreeImage.h>
#include <fcntl.h>
#include <gtest/gtest.h>
#include <spawn.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <tiffio.h>
#include <unistd.h>
#include <csignal>

#include <cstdlib>
#include <cstring>
#include <ctime>
#include <filesystem>
#include <fstream>
#include <sstream>

extern char** environ;

temp_dir::temp_dir() {
  const char* base = std::getenv("TMPDIR");
  std::string templ =
      std::string(base != nullptr && *base != '\0' ? base : "/tmp") + "/shottime-test-XXXXXX";
  char* made = mkdtemp(templ.data());
  if (made == nullptr) {
    throw std::runtime_error("mkdtemp failed");
  }
  path_ = made;
}

temp_dir::~temp_dir() {
  std::error_code ignored;
  std::filesystem::permissions(path_, std::filesystem::perms::owner_all,
                               std::filesystem::perm_options::add, ignored);
  std::filesystem::remove_all(path_, ignored);
}

namespace {

exif_tag ascii_tag(ExifIfd ifd, ExifTag tag, const std::string& value) {
  return {ifd, tag, value};
}

FIBITMAP* gradient(int width, int height) {
  FIBITMAP* image = FreeImage_Allocate(width, height, 24);
  for (int y = 0; y < height; ++y) {
    BYTE* line = FreeImage_GetScanLine(image, y);
    for (int x = 0; x < width; ++x) {
      line[3 * x] = static_cast<BYTE>(x * 16);
      line[3 * x + 1] = static_cast<BYTE>(y * 16);
      line[3 * x + 2] = 128;
    }
  }
  return image;
}

}  // namespace

std::string encode(FIBITMAP* image, int format, int flags) {
  FIMEMORY* memory = FreeImage_OpenMemory();
  FreeImage_SaveToMemory(static_cast<FREE_IMAGE_FORMAT>(format), image, memory, flags);
  BYTE* data = nullptr;
  DWORD size = 0;
  FreeImage_AcquireMemory(memory, &data, &size);
  std::string bytes(reinterpret_cast<const char*>(data), size);
  FreeImage_CloseMemory(memory);
  return bytes;
}

exif_tag date_time(const std::string& value) {
  return ascii_tag(EXIF_IFD_0, EXIF_TAG_DATE_TIME, value);
}
exif_tag date_time_original(const std::string& value) {
  return ascii_tag(EXIF_IFD_EXIF, EXIF_TAG_DATE_TIME_ORIGINAL, value);
}
exif_tag date_time_digitized(const std::string& value) {
  return ascii_tag(EXIF_IFD_EXIF, EXIF_TAG_DATE_TIME_DIGITIZED, value);
}

std::string plain_jpeg(int width, int height) {
  FIBITMAP* image = gradient(width, height);
  std::string bytes = encode(image, FIF_JPEG, JPEG_QUALITYNORMAL);
  FreeImage_Unload(image);
  return bytes;
}

std::string noisy_jpeg(int width, int height) {
  FIBITMAP* image = FreeImage_Allocate(width, height, 24);
  unsigned seed = 1;
  for (int y = 0; y < height; ++y) {
    BYTE* line = FreeImage_GetScanLine(image, y);
    for (int x = 0; x < 3 * width; ++x) {
      seed = seed * 1103515245u + 12345u;
      line[x] = static_cast<BYTE>(seed >> 16);
    }
  }
  std::string bytes = encode(image, FIF_JPEG, JPEG_QUALITYNORMAL);
  FreeImage_Unload(image);
  return bytes;
}

std::string image_in_format(int format) {
  FIBITMAP* image = gradient(16, 16);
  std::string bytes = encode(image, static_cast<FREE_IMAGE_FORMAT>(format), 0);
  FreeImage_Unload(image);
  return bytes;
}

std::string tiff_with_date_time(const std::string& value) {
  // Written with libtiff: FreeImage's TIFF writer leaves the date out.
  temp_dir dir;
  const std::string path = dir / "image.tif";
  TIFF* tiff = TIFFOpen(path.c_str(), "w");
  const uint32_t size = 16;
  TIFFSetField(tiff, TIFFTAG_IMAGEWIDTH, size);
  TIFFSetField(tiff, TIFFTAG_IMAGELENGTH, size);
  TIFFSetField(tiff, TIFFTAG_BITSPERSAMPLE, 8);
  TIFFSetField(tiff, TIFFTAG_SAMPLESPERPIXEL, 1);
  TIFFSetField(tiff, TIFFTAG_PHOTOMETRIC, PHOTOMETRIC_MINISBLACK);
  TIFFSetField(tiff, TIFFTAG_PLANARCONFIG, PLANARCONFIG_CONTIG);
  TIFFSetField(tiff, TIFFTAG_ROWSPERSTRIP, size);
  TIFFSetField(tiff, TIFFTAG_DATETIME, value.c_str());
  unsigned char row[size];
  for (uint32_t y = 0; y < size; ++y) {
    std::memset(row, static_cast<int>(y * 16), sizeof row);
    TIFFWriteScanline(tiff, row, y, 0);
  }
  TIFFClose(tiff);
  return read_file(path);
}

std::string with_exif(const std::string& jpeg, const std::vector<exif_tag>& tags) {
  ExifMem* mem = exif_mem_new_default();
  ExifData* data = exif_data_new_mem(mem);
  exif_data_set_byte_order(data, EXIF_BYTE_ORDER_INTEL);
  // Keep the values exactly as the test gives them.
  exif_data_unset_option(data, EXIF_DATA_OPTION_FOLLOW_SPECIFICATION);
  for (const exif_tag& t : tags) {
    ExifEntry* entry = exif_entry_new_mem(mem);
    entry->tag = t.tag;
    entry->format = EXIF_FORMAT_ASCII;
    entry->components = t.value.size() + 1;
    entry->size = static_cast<unsigned>(t.value.size() + 1);
    entry->data = static_cast<unsigned char*>(exif_mem_alloc(mem, entry->size));
    std::memcpy(entry->data, t.value.c_str(), entry->size);
    exif_content_add_entry(data->ifd[t.ifd], entry);
    exif_entry_unref(entry);
  }
  unsigned char* block = nullptr;
  unsigned int block_size = 0;
  exif_data_save_data(data, &block, &block_size);
  exif_data_unref(data);
  exif_mem_unref(mem);

  // An APP1 segment right after the start-of-image marker, as cameras write it.
  const unsigned length = block_size + 2;
  std::string out = jpeg.substr(0, 2);
  out += '\xFF';
  out += '\xE1';
  out += static_cast<char>(length >> 8);
  out += static_cast<char>(length & 0xFF);
  out.append(reinterpret_cast<const char*>(block), block_size);
  out += jpeg.substr(2);
  std::free(block);
  return out;
}

void write_photo(const std::string& path, const std::vector<exif_tag>& tags, int64_t mod_time) {
  write_file(path, tags.empty() ? plain_jpeg() : with_exif(plain_jpeg(), tags));
  if (mod_time != 0) {
    set_times(path, mod_time, mod_time);
  }
}

void write_file(const std::string& path, const std::string& bytes) {
  std::ofstream out(path, std::ios::binary | std::ios::trunc);
  out << bytes;
  if (!out) {
    throw std::runtime_error("cannot write " + path);
  }
}

std::string read_file(const std::string& path) {
  std::ifstream in(path, std::ios::binary);
  std::ostringstream s;
  s << in.rdbuf();
  return s.str();
}

int64_t utc(int year, int month, int day, int hour, int minute, int second) {
  std::tm tm{};
  tm.tm_year = year - 1900;
  tm.tm_mon = month - 1;
  tm.tm_mday = day;
  tm.tm_hour = hour;
  tm.tm_min = minute;
  tm.tm_sec = second;
  return timegm(&tm);
}

void set_times(const std::string& path, int64_t access_time, int64_t write_time) {
  const struct timespec times[2] = {{access_time, 0}, {write_time, 0}};
  if (utimensat(AT_FDCWD, path.c_str(), times, 0) != 0) {
    throw std::runtime_error("cannot set times of " + path);
  }
}

int64_t mod_time_of(const std::string& path) {
  struct stat st {};
  return stat(path.c_str(), &st) == 0 ? st.st_mtim.tv_sec : -1;
}

int64_t access_time_of(const std::string& path) {
  struct stat st {};
  return stat(path.c_str(), &st) == 0 ? st.st_atim.tv_sec : -1;
}

scoped_tz::scoped_tz(const char* zone) {
  const char* old = std::getenv("TZ");
  had_old_ = old != nullptr;
  old_ = had_old_ ? old : "";
  setenv("TZ", zone, 1);
  tzset();
}

scoped_tz::~scoped_tz() {
  if (had_old_) {
    setenv("TZ", old_.c_str(), 1);
  } else {
    unsetenv("TZ");
  }
  tzset();
}

running_tool start_tool(const std::vector<std::string>& args, const run_setup& setup) {
  running_tool tool;
  tool.io = std::make_unique<temp_dir>();
  const temp_dir& io = *tool.io;
  write_file(io / "in", setup.input);
  std::vector<std::string> argv_text = {SHOTTIME_BINARY};
  argv_text.insert(argv_text.end(), args.begin(), args.end());
  std::vector<char*> argv;
  for (std::string& a : argv_text) {
    argv.push_back(a.data());
  }
  argv.push_back(nullptr);

  // The setup's own variables come first: where a name repeats, the first one counts.
  std::vector<std::string> env_text = setup.env;
  for (const char* fixed : {"PATH=/usr/bin:/bin", "LC_ALL=C"}) {
    env_text.emplace_back(fixed);
  }
  env_text.push_back("TZ=" + setup.tz);
  if (const char* home = std::getenv("HOME")) {
    env_text.push_back(std::string("HOME=") + home);
  }
  std::vector<char*> envp;
  for (std::string& e : env_text) {
    envp.push_back(e.data());
  }
  envp.push_back(nullptr);

  const pid_t pid = fork();
  if (pid == 0) {
    const int in = open((io / "in").c_str(), O_RDONLY);
    const int out = open((io / "out").c_str(), O_WRONLY | O_CREAT | O_TRUNC, 0600);
    const int err = open((io / "err").c_str(), O_WRONLY | O_CREAT | O_TRUNC, 0600);
    if (in < 0 || out < 0 || err < 0 || dup2(in, 0) < 0 || dup2(out, 1) < 0 || dup2(err, 2) < 0 ||
        chdir(setup.cwd.c_str()) != 0) {
      _exit(127);
    }
    if (setup.unprivileged && geteuid() == 0 && (setgid(65534) != 0 || setuid(65534) != 0)) {
      _exit(127);
    }
    execve(argv[0], argv.data(), envp.data());
    _exit(127);
  }
  tool.pid = pid;
  return tool;
}

run_result finish_tool(running_tool& tool, int timeout_seconds) {
  int status = 0;
  for (int waited = 0; waitpid(tool.pid, &status, WNOHANG) == 0; ++waited) {
    if (waited == timeout_seconds * 10) {
      kill(tool.pid, SIGKILL);
      waitpid(tool.pid, &status, 0);
      break;
    }
    usleep(100000);
  }
  run_result result;
  result.out = read_file(*tool.io / "out");
  result.err = read_file(*tool.io / "err");
  result.exit_code = WIFEXITED(status) ? WEXITSTATUS(status) : 128 + WTERMSIG(status);
  return result;
}

run_result run_tool(const std::vector<std::string>& args, const run_setup& setup) {
  running_tool tool = start_tool(args, setup);
  return finish_tool(tool);
}
