#include "ui/squad/appearance_preview.h"

namespace torvale {

void AppearancePreview::Attach(QWidget* placeholder, const std::array<uint32_t, 5>& numbers) {
  if (!manager_->IsLoaded() || !placeholder) return;
  manager_->Attach(placeholder);
  attached_ = true;
  Show(numbers);
  manager_->SetBackground(kAppearanceScreenBackground);
}

void AppearancePreview::Detach() {
  if (!attached_) return;
  attached_ = false;
  manager_->Attach(nullptr);
}

void AppearancePreview::Show(const std::array<uint32_t, 5>& numbers) {
  if (!attached_) return;
  RendererAppearance looks;
  for (size_t i = 0; i < numbers.size(); ++i) looks.numbers[i] = numbers[i];
  manager_->SetAppearance(RendererAppearanceDisplay{}, looks);
}

}  // namespace torvale
