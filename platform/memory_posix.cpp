#include "platform/memory.h"

#include <cstdlib>

namespace {

void* allocate_zeroed(std::size_t size) {
  return std::calloc(size, 1);
}

}  // namespace

void* (*allocate_region)(std::size_t) = allocate_zeroed;

void release_region(void* region) {
  std::free(region);
}
