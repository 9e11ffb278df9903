#include "timetaken/exif_guard.h"

#include <gtest/gtest.h>

#include <string>

#include "fixtures.h"

namespace {

// An EXIF block: signature, little-endian TIFF header, first directory at `first`, then `rest`.
std::string block(uint32_t first, const std::string& rest) {
  std::string b("Exif\0\0II*\0", 10);
  for (int i = 0; i < 4; ++i) {
    b += static_cast<char>((first >> (8 * i)) & 0xFF);
  }
  return b + rest;
}

std::string le16(unsigned v) {
  return {static_cast<char>(v & 0xFF), static_cast<char>(v >> 8)};
}

TEST(exif_block_is_safe, refuses_a_directory_that_runs_past_the_block) {
  const std::string entry(12, '\0');
  const std::string next_offset(4, '\0');
  struct block_case {
    std::string bytes;
    bool safe;
  };
  const block_case cases[] = {
      {block(8, le16(1) + entry + next_offset), true},
      {block(8, le16(0) + next_offset), true},
      {block(8, le16(1) + entry + "\0\0\0"), false},  // the next offset is cut off
      {block(8, le16(0x6423) + entry), false},        // the fuzzer's photo
      {block(8, le16(0xFFFF)), false},
      {block(8, "\x01"), false},    // not even the count fits
      {block(400, le16(1)), true},  // the library refuses a first directory past the end
      {block(8, ""), false},
      {std::string("Exif\0\0MM\0*\0\0\0\x08\0\x01", 16) + entry + next_offset, true},
      {std::string("Exif\0\0MM\0*\0\0\0\x08\x01\0", 16) + entry, false},
      {std::string("Exif\0\0XX\0*\0\0\0\x08\xFF\xFF", 16), true},  // no TIFF header
      {std::string("Exif\0\0II", 8), true},                        // too short to be read
      {"http://ns.adobe.com/xap/1.0/", true},                      // XMP, not EXIF
  };
  for (const block_case& c : cases) {
    EXPECT_EQ(exif_block_is_safe(c.bytes), c.safe) << testing::PrintToString(c.bytes);
  }
}

TEST(exif_is_safe_to_load, finds_the_exif_block_among_the_segments) {
  temp_dir dir;
  write_photo(dir / "sound.jpg", {date_time("2011:07:04 10:00:00")});
  EXPECT_TRUE(exif_is_safe_to_load((dir / "sound.jpg").c_str()));
  const std::string jpeg = plain_jpeg();  // starts with its JFIF segment
  const std::string bad = block(8, le16(0x6423));
  const std::string segment = std::string("\xFF\xE1", 2) +
                              static_cast<char>((bad.size() + 2) >> 8) +
                              static_cast<char>((bad.size() + 2) & 0xFF) + bad;
  const std::size_t after_jfif = 2 + 2 + 16;
  write_file(dir / "crafted.jpg", jpeg.substr(0, after_jfif) + segment + jpeg.substr(after_jfif));
  EXPECT_FALSE(exif_is_safe_to_load((dir / "crafted.jpg").c_str()));
  // Bytes that libjpeg skips before a marker do not hide the block from the library either.
  const std::string garbled =
      jpeg.substr(0, 2) + std::string("\xFF\x00junk\xFF\xFF", 8) + segment + jpeg.substr(2);
  write_file(dir / "garbled.jpg", garbled);
  EXPECT_FALSE(exif_is_safe_to_load((dir / "garbled.jpg").c_str()));
  write_file(dir / "text.jpg", "not a photo");
  EXPECT_TRUE(exif_is_safe_to_load((dir / "text.jpg").c_str()));
  EXPECT_TRUE(exif_is_safe_to_load((dir / "missing.jpg").c_str()));
}

}  // namespace
