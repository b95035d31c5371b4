#include "ui/squad/appearance_preview.h"

namespace torvale {

// The render host joins the build with the renderer plug-in; until then the page shows its
// placeholder frame.
AppearancePreview::AppearancePreview() = default;
AppearancePreview::~AppearancePreview() { Detach(); }

void AppearancePreview::Attach(QWidget* placeholder) { attached_ = placeholder != nullptr; }

void AppearancePreview::Detach() { attached_ = false; }

void AppearancePreview::Show(const std::array<uint32_t, 5>& numbers) { (void)numbers; }

}  // namespace torvale
