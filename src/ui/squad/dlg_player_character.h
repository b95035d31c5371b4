#pragma once
// CDlgPlayerCharacter: the page "Charakter" — nine sliders for the character values. The
// game allows at most two values away from "normal": a third slider moved away from normal
// springs back at once (the person refuses the change).

#include <array>

#include "ui/squad/person_page.h"
#include "world/player.h"

class QLabel;
class QSlider;

namespace torvale {

class CDlgPlayerCharacter : public CPersonPage {
  Q_OBJECT
 public:
  CDlgPlayerCharacter(CWorldDatabase& world, QWidget* parent);

  QSlider* Slider(int trait) const { return sliders_[static_cast<size_t>(trait)]; }

 protected:
  void LoadFields(const CPlayer& person) override;
  void StoreFields(CPlayer& person) override;

 private:
  void SliderMoved(int trait);
  void ShowValue(int trait);

  std::array<QSlider*, kCharacterCount> sliders_{};
  std::array<QLabel*, kCharacterCount> values_{};
};

}  // namespace torvale
