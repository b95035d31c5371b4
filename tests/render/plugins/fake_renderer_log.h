#pragma once
// What the fake renderer plug-in saw, read by the host tests through its export
// "FakeRendererLog".

#include <cstdint>

class QWidget;

namespace torvale::test {

struct FakeRendererLog {
  int calls[7] = {};  // per slot
  QWidget* window = nullptr;
  uint32_t background = 0;
  uint32_t lastShirtStyle = 0;
  uint32_t lastFace = 0;
};

using FakeRendererLogFunction = FakeRendererLog* (*)();

}  // namespace torvale::test
