#include "timetaken/load.h"

#include <tiffio.h>

#include <cstdio>

#include "platform/file_kind.h"
#include "timetaken/exif_guard.h"

FIBITMAP* load_image(const char* path, int flags) {
  if (is_special_file(path)) {
    return nullptr;
  }
  FREE_IMAGE_FORMAT format = FreeImage_GetFileType(path, 0);
  if (format == FIF_UNKNOWN) {
    format = FreeImage_GetFIFFromFilename(path);
    if (format == FIF_UNKNOWN) {
      return nullptr;
    }
  }
  if (!FreeImage_FIFSupportsReading(format)) {
    return nullptr;
  }
  if (format == FIF_JPEG && !exif_is_safe_to_load(path)) {
    // The library would read past its buffer on this photo; say so in its own frame instead.
    report_library_message(format, "Damaged EXIF header, photo not read");
    return nullptr;
  }
  return FreeImage_Load(format, path, flags);
}

void report_library_message(FREE_IMAGE_FORMAT format, const char* message) {
  const char* name = FreeImage_GetFormatFromFIF(format);
  std::fputs("\n*** ", stdout);
  std::fputs(name != nullptr ? name : "Unknown", stdout);
  std::fputs(" Format\n", stdout);
  std::fputs(message != nullptr ? message : "", stdout);
  std::fputs(" ***\n", stdout);
}

void silence_library_chatter() {
  TIFFSetWarningHandler(nullptr);
  TIFFSetErrorHandler(nullptr);
}
