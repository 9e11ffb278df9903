#include "timetaken/time_taken.h"

#include <cstring>

char time_taken_text[time_text_size];
int32_t time_taken_found = 0;

namespace {

// The normalisation writes positions 4 and 7, so a shorter value cannot be a date.
constexpr std::size_t shortest_value = 8;

bool is_digit(char c) {
  return c >= '0' && c <= '9';
}

char fold(char c) {
  return (c >= 'A' && c <= 'Z') ? static_cast<char>(c + ('a' - 'A')) : c;
}

bool starts_with_datetime(const char* key) {
  static constexpr char prefix[] = "datetime";
  for (std::size_t i = 0; i + 1 < sizeof prefix; ++i) {
    if (key[i] == '\0' || fold(key[i]) != prefix[i]) {
      return false;
    }
  }
  return true;
}

}  // namespace

bool is_time_taken_tag(const char* key, const char* value) {
  if (key == nullptr || value == nullptr || !starts_with_datetime(key)) {
    return false;
  }
  if (static_cast<signed char>(value[0]) <= '0' || std::strlen(value) < shortest_value) {
    return false;
  }
  return !is_digit(value[4]) && !is_digit(value[7]);
}

void offer_time_taken(const char* value) {
  char candidate[time_text_size];
  const std::size_t length = strnlen(value, time_text_size - 1);
  std::memcpy(candidate, value, length);  // longer values are cut to what the buffer holds
  candidate[length] = '\0';
  candidate[4] = '-';
  candidate[7] = '-';
  if (time_taken_text[0] == '\0' || std::strcmp(time_taken_text, candidate) > 0) {
    std::memcpy(time_taken_text, candidate, length + 1);
    time_taken_found = 1;
  }
}

void scan_time_taken(FIBITMAP* image, FREE_IMAGE_MDMODEL model) {
  FITAG* tag = nullptr;
  FIMETADATA* search = FreeImage_FindFirstMetadata(model, image, &tag);
  if (search != nullptr) {
    do {
      const char* value = FreeImage_TagToString(model, tag, nullptr);
      const char* key = FreeImage_GetTagKey(tag);
      if (is_time_taken_tag(key, value)) {
        offer_time_taken(value);
      }
    } while (FreeImage_FindNextMetadata(search, &tag));
  }
  FreeImage_FindCloseMetadata(search);
}

void read_time_taken(FIBITMAP* image) {
  if (FreeImage_GetMetadataCount(FIMD_EXIF_MAIN, image) != 0) {
    scan_time_taken(image, FIMD_EXIF_MAIN);
  }
  if (FreeImage_GetMetadataCount(FIMD_EXIF_EXIF, image) != 0) {
    scan_time_taken(image, FIMD_EXIF_EXIF);
  }
}
