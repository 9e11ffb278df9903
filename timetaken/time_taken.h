#pragma once

#include <FreeImage.h>

#include <cstddef>
#include <cstdint>

/// Size of the time texts: at most 31 characters and the terminator.
inline constexpr std::size_t time_text_size = 32;

/// The current photo's time-taken, "YYYY-MM-DD HH:MM:SS"; empty when none was found.
extern char time_taken_text[time_text_size];

/// 1 once a time-taken was stored for the current photo.
extern int32_t time_taken_found;

/// Finds the earliest accepted date-time among the photo's EXIF main and EXIF advanced tags and
/// leaves it in `time_taken_text`. Expects both results cleared.
void read_time_taken(FIBITMAP* image);

/// Offers every tag of `model` in `image` to `offer_time_taken`, keeping the earliest.
void scan_time_taken(FIBITMAP* image, FREE_IMAGE_MDMODEL model);

/// Whether a tag may hold the time-taken: its key starts with "DateTime" (any letter case), and its
/// value has at least 8 characters, starts above '0' and below 0x80, and holds no digit at
/// positions 4 and 7 (where a date has its separators).
bool is_time_taken_tag(const char* key, const char* value);

/// Normalises an accepted `value` (positions 4 and 7 become '-', anything past 31 characters is
/// cut) and stores it in `time_taken_text` when that is empty or compares greater byte by byte.
void offer_time_taken(const char* value);
