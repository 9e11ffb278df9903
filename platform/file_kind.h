#pragma once

/// Whether `path` names a folder, FIFO, socket or device rather than a file. Opening a FIFO or
/// device may block for ever, and a folder opens here as an empty file (the library would call it
/// an empty photo), so none of them is handed to the image library. False when `path` cannot be
/// looked at: the library then reports what it finds.
bool is_special_file(const char* path);
