#include "timetaken/exif_guard.h"

#include <cstdint>
#include <cstdio>
#include <memory>
#include <string>

namespace {

constexpr unsigned char marker_start = 0xFF;
constexpr unsigned char start_of_image = 0xD8;
constexpr unsigned char start_of_scan = 0xDA;
constexpr unsigned char end_of_image = 0xD9;
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

struct file_closer {
  void operator()(std::FILE* f) const { std::fclose(f); }
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
  std::unique_ptr<std::FILE, file_closer> file(std::fopen(path, "rb"));
  if (!file || std::fgetc(file.get()) != marker_start || std::fgetc(file.get()) != start_of_image) {
    return true;
  }
  // Walk the segments ahead of the image data; only an EXIF block is looked into.
  for (;;) {
    int c = std::fgetc(file.get());
    if (c != marker_start) {
      return true;
    }
    while (c == marker_start) {
      c = std::fgetc(file.get());
    }
    if (c == EOF || c == start_of_scan || c == end_of_image) {
      return true;
    }
    const int high = std::fgetc(file.get());
    const int low = std::fgetc(file.get());
    if (high == EOF || low == EOF || ((high << 8) | low) < 2) {
      return true;
    }
    const std::size_t length = static_cast<std::size_t>((high << 8) | low) - 2;
    if (c != app1) {
      if (std::fseek(file.get(), static_cast<long>(length), SEEK_CUR) != 0) {
        return true;
      }
      continue;
    }
    std::string block(length, '\0');
    block.resize(std::fread(block.data(), 1, length, file.get()));
    if (!exif_block_is_safe(block)) {
      return false;
    }
  }
}
