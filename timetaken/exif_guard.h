#pragma once

#include <cstddef>
#include <string_view>

/// Whether the EXIF block of a JPEG file can be handed to FreeImage safely. FreeImage 3.18 reads
/// the entry count of the block's first directory and then the offset that follows the entries
/// without checking that they lie inside the block: a damaged or crafted photo makes it read
/// past its buffer and crash. Returns false for a JPEG whose EXIF block has that fault; true for
/// every other file, sound or damaged in any other way, which the library is left to judge.
bool exif_is_safe_to_load(const char* path);

/// The same test over the bytes of one EXIF block (the APP1 segment's data after its length).
bool exif_block_is_safe(std::string_view block);
