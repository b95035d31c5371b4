#pragma once
// How the platform services take their tables: through hooks the start sequence points at
// the platform heap, so that every service table lives in that one block.

#include <cstddef>
#include <functional>
#include <string>

namespace torvale {

struct AllocationHooks {
  std::function<void*(size_t size, const std::string& name)> allocate;
  std::function<void(void* pointer)> free;

  bool IsSet() const { return allocate && free; }
};

}  // namespace torvale
