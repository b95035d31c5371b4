#pragma once
// AppearancePreview: the appearance page's hold on the shared renderer plug-in. It takes a
// use of the render manager for its lifetime, puts the render window into the page's
// placeholder while the page is visible and hands the plug-in the five appearance numbers
// (slot 4) and the appearance screen's background (slot 6). The manager ticks the plug-in
// (slot 5) only while its window is visible, so the tick stops when the page is left. Without
// a loaded plug-in nothing is called and the placeholder stays.

#include <QWidget>
#include <array>
#include <cstdint>

#include "assets/render_host/render_manager.h"

namespace torvale {

class AppearancePreview {
 public:
  AppearancePreview() = default;
  AppearancePreview(const AppearancePreview&) = delete;
  AppearancePreview& operator=(const AppearancePreview&) = delete;
  ~AppearancePreview() { Detach(); }

  // The render window takes the placeholder's place and shows these numbers.
  void Attach(QWidget* placeholder, const std::array<uint32_t, 5>& numbers);
  // The render window goes back to the main window.
  void Detach();
  // Slot 4 with these numbers (hair colour, skin colour, face, hair style, facial hair).
  void Show(const std::array<uint32_t, 5>& numbers);

  bool IsAttached() const { return attached_; }

 private:
  ScopedRenderManager manager_;
  bool attached_ = false;
};

}  // namespace torvale
