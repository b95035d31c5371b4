#pragma once
// AppearancePreview: the appearance page's hold on the shared renderer plug-in. It takes a
// use of the render manager for its lifetime, puts the render window into the page's
// placeholder while the page is visible (setting the appearance screen's background) and
// hands the plug-in the five appearance numbers. Without a loaded plug-in nothing is called.

#include <QPointer>
#include <QWidget>
#include <array>
#include <cstdint>
#include <optional>

namespace torvale {

class CRenderManager;

class AppearancePreview {
 public:
  AppearancePreview();
  AppearancePreview(const AppearancePreview&) = delete;
  AppearancePreview& operator=(const AppearancePreview&) = delete;
  ~AppearancePreview();

  // The render window takes the placeholder's place and shows the appearance screen.
  void Attach(QWidget* placeholder);
  // The render window goes back to the main window; its tick stops with it.
  void Detach();
  // Slot 4 with these numbers (hair colour, skin colour, face, hair style, facial hair).
  void Show(const std::array<uint32_t, 5>& numbers);

  bool IsAttached() const { return attached_; }

 private:
  CRenderManager* manager_ = nullptr;
  bool attached_ = false;
};

}  // namespace torvale
