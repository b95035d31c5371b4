#pragma once
// Two persons' abilities as mirrored bars, one row per ability, the better value of each row
// drawn in the highlight colour.

#include <QWidget>
#include <array>
#include <optional>

#include "world/player.h"

namespace torvale {

class AbilityBars : public QWidget {
  Q_OBJECT
 public:
  using Abilities = std::array<uint8_t, kAbilityCount>;

  explicit AbilityBars(QWidget* parent = nullptr);
  void SetAbilities(int side, std::optional<Abilities> abilities);
  QSize sizeHint() const override;

 protected:
  void paintEvent(QPaintEvent* event) override;

 private:
  std::array<std::optional<Abilities>, 2> sides_;
};

// The German name of an ability ("Passspiel", "Kopfball", ...).
QString AbilityLabel(int ability);

}  // namespace torvale
