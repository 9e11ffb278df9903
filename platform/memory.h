#pragma once

#include <cstddef>

/// Obtains `size` writable bytes for the chooser's selection, or null when none are available.
/// Tests point it elsewhere to make the allocation fail.
extern void* (*allocate_region)(std::size_t size);

/// Gives back a region from `allocate_region`; null is ignored.
void release_region(void* region);
