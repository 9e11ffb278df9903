#pragma once

#include <FreeImage.h>

/// Loads the image at `path` with `flags` handed to FreeImage_Load unchanged. The format comes from
/// the file's content, else from its name. Returns the image, which the caller unloads, or null
/// when the format is unknown or unreadable, the load fails, the path names a folder,
/// FIFO, socket or device, or the photo's EXIF header would make the library read past its
/// buffer (which is then reported through `report_library_message`). Prints nothing itself; the
/// library's messages reach `report_library_message`.
FIBITMAP* load_image(const char* path, int flags);

/// The library's output-message hook: writes "\n*** ", the format's name ("Unknown" when the
/// library has none for `format`), " Format\n", the message and " ***\n" to standard output.
void report_library_message(FREE_IMAGE_FORMAT format, const char* message);

/// Silences what the libraries under FreeImage write to standard error on their own: libtiff
/// prints dozens of "unknown tag" lines while FreeImage reads a TIFF photo's EXIF. The tool writes
/// nothing to standard error; FreeImage still reports a load that fails through its hook.
void silence_library_chatter();
