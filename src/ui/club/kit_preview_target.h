#pragma once
// The kit page's view of the renderer plug-in: where its render window stands and what it is
// told. The editor's adapter passes the calls to the plug-in host; tests count them.

#include "exchange/kit_colours.h"

class QWidget;

namespace torvale {

class KitPreviewTarget {
 public:
  virtual ~KitPreviewTarget() = default;
  // Puts the render window in place of the placeholder; null takes it back out.
  virtual void Attach(QWidget* placeholder) = 0;
  // The kit screen opens: kit data and display settings, then its background colour.
  virtual void OpenKitScreen() = 0;
  // The kit to show (only called when something changed).
  virtual void ShowKit(const KitPreviewWords& words, int selectedStyle, int displayMode) = 0;
  // One animation step; only while the page is visible.
  virtual void Tick() = 0;
};

}  // namespace torvale
