#pragma once
// What the fake renderer plug-in saw, read by the host tests (and the screens' tests) through
// its export "FakeRendererLog".

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

#ifdef TORVALE_FAKE_RENDERER
#include <QLibrary>
#include <gtest/gtest.h>

namespace torvale::test {

// The fake plug-in's record. The library stays mapped after the manager has freed the plug-in,
// so the record can tell what happened up to the end.
class FakeRendererRecord {
 public:
  FakeRendererRecord() : library_(QStringLiteral(TORVALE_FAKE_RENDERER)) {
    library_.setLoadHints(QLibrary::PreventUnloadHint);
    EXPECT_TRUE(library_.load()) << library_.errorString().toStdString();
    auto function = reinterpret_cast<FakeRendererLogFunction>(library_.resolve("FakeRendererLog"));
    log_ = function();
    *log_ = {};
  }
  const FakeRendererLog& operator*() const { return *log_; }
  const FakeRendererLog* operator->() const { return log_; }

 private:
  QLibrary library_;
  FakeRendererLog* log_ = nullptr;
};

}  // namespace torvale::test
#endif
