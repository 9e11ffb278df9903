#include "timetaken/exif_guard.h"

#include <fcntl.h>
#include <unistd.h>

#include <algorithm>
#include <cstdint>
#include <cstdio>
#include <string>

namespace {

constexpr unsigned char marker_start = 0xFF;
constexpr unsigned char start_of_image = 0xD8;
constexpr unsigned char app1 = 0xE1;
constexpr std::string_view exif_signature("Exif\0\0", 6);
constexpr std::size_t tiff_header_size = 8;
constexpr std::size_t entry_size = 12;

uint32_t read_uint(std::string_view bytes, std::size_t at, std::size_t width, bool big_endian) {
  uint32_t value = 0;
  for (std::size_t i = 0; i < width; ++i) {
    const auto byte = static_cast<unsigned char>(bytes[at + (big_endian ? i : width - 1 - i)]);
    value = (value << 8) | byte;
  }
  return value;
}

// How libjpeg, as FreeImage drives it, treats a marker while it reads a header.
enum class marker_kind {
  segment,      // a length follows, and the segment is passed over by it
  no_length,    // nothing follows: restart markers, and markers libjpeg does not know, which
                // FreeImage lets it step over without reading a length
  ends_header,  // the image data, the end, or a marker after which the load fails
};

// Frames and tables, which libjpeg reads by their length; APPn segments are such too.
constexpr std::string_view segment_markers("\xC0\xC1\xC2\xC4\xC9\xCA\xCC\xDB\xDC\xDD\xFE", 11);
// Frame types libjpeg refuses, a second start of image, the image data and the end.
constexpr std::string_view final_markers("\xC3\xC5\xC6\xC7\xC8\xCB\xCD\xCE\xCF\xD8\xD9\xDA", 12);

marker_kind kind_of(int marker) {
  const char code = static_cast<char>(marker);
  if (segment_markers.find(code) != std::string_view::npos || (marker >= 0xE0 && marker <= 0xEF)) {
    return marker_kind::segment;
  }
  if (final_markers.find(code) != std::string_view::npos) {
    return marker_kind::ends_header;
  }
  return marker_kind::no_length;
}

// Reads a file by position through one window, so that walking a header costs a read or two
// rather than one per segment: this check runs once for every photo.
class header_reader {
 public:
  explicit header_reader(const char* path) : fd_(open(path, O_RDONLY | O_CLOEXEC | O_NOCTTY)) {}
  ~header_reader() {
    if (fd_ >= 0) {
      close(fd_);
    }
  }
  header_reader(const header_reader&) = delete;
  header_reader& operator=(const header_reader&) = delete;

  /// The byte at `position`, or EOF past the end or on an error.
  int byte_at(uint64_t position) {
    if (position < start_ || position >= start_ + filled_) {
      if (fd_ < 0) {
        return EOF;
      }
      const ssize_t n = pread(fd_, window_, sizeof window_, static_cast<off_t>(position));
      start_ = position;
      filled_ = n > 0 ? static_cast<std::size_t>(n) : 0;
      if (filled_ == 0) {
        return EOF;
      }
    }
    return static_cast<unsigned char>(window_[position - start_]);
  }

  /// Up to `length` bytes from `position`: fewer at the end of the file.
  std::string bytes_at(uint64_t position, std::size_t length) {
    std::string out;
    for (int c; out.size() < length && (c = byte_at(position + out.size())) != EOF;) {
      const std::size_t offset = position + out.size() - start_;
      const std::size_t take = std::min(length - out.size(), filled_ - offset);
      out.append(window_ + offset, take);
    }
    return out;
  }

 private:
  int fd_;
  char window_[4096];
  uint64_t start_ = 0;
  std::size_t filled_ = 0;
};

}  // namespace

bool exif_block_is_safe(std::string_view block) {
  if (block.substr(0, exif_signature.size()) != exif_signature) {
    return true;
  }
  const std::string_view tiff = block.substr(exif_signature.size());
  if (tiff.size() < tiff_header_size) {
    return true;  // refused by the library before it reads anything
  }
  const std::string_view order = tiff.substr(0, 4);
  const bool big_endian = order == std::string_view("MM\0*", 4);
  if (!big_endian && order != std::string_view("II*\0", 4)) {
    return true;
  }
  const uint64_t first_directory = read_uint(tiff, 4, 4, big_endian);
  if (first_directory > tiff.size()) {
    return true;
  }
  // The count, the entries and the offset of the next directory must all lie inside the block.
  if (first_directory + 2 > tiff.size()) {
    return false;
  }
  const uint64_t entries = read_uint(tiff, first_directory, 2, big_endian);
  return first_directory + 2 + entry_size * entries + 4 <= tiff.size();
}

bool exif_is_safe_to_load(const char* path) {
  header_reader in(path);
  if (in.byte_at(0) != marker_start || in.byte_at(1) != start_of_image) {
    return true;
  }
  // Walk the segments ahead of the image data the way libjpeg finds them: bytes between segments
  // are skipped up to the next 0xFF followed by a marker code (0x00 after 0xFF is no marker),
  // and a marker it does not know is stepped over alone.
  uint64_t at = 2;
  for (;;) {
    int c = in.byte_at(at++);
    for (;;) {
      while (c != EOF && c != marker_start) {
        c = in.byte_at(at++);
      }
      while (c == marker_start) {
        c = in.byte_at(at++);
      }
      if (c != 0x00) {
        break;
      }
      c = in.byte_at(at++);
    }
    if (c == EOF) {
      return true;
    }
    switch (kind_of(c)) {
      case marker_kind::ends_header:
        return true;
      case marker_kind::no_length:
        continue;
      case marker_kind::segment:
        break;
    }
    const int high = in.byte_at(at);
    const int low = in.byte_at(at + 1);
    if (high == EOF || low == EOF || ((high << 8) | low) < 2) {
      return true;
    }
    const std::size_t length = static_cast<std::size_t>((high << 8) | low) - 2;
    at += 2;
    if (c == app1 && !exif_block_is_safe(in.bytes_at(at, length))) {
      return false;
    }
    at += length;
  }
}
