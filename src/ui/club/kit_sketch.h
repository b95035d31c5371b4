#pragma once
// A flat drawing of one outfit (shirt, shorts, socks in their colours, the shirt's pattern
// hinted by its style number). It stands where the renderer's window goes and is what the kit
// page shows when no plug-in is attached.

#include <QWidget>

#include "world/club.h"

namespace torvale {

class CTeamColourTextFile;

class CKitSketch : public QWidget {
  Q_OBJECT
 public:
  explicit CKitSketch(const CTeamColourTextFile* colours, QWidget* parent = nullptr);
  void ShowOutfit(const KIT::Outfit& outfit);
  QSize sizeHint() const override { return {240, 300}; }

 protected:
  void paintEvent(QPaintEvent* event) override;

 private:
  QColor Colour(int index) const;

  const CTeamColourTextFile* colours_;
  KIT::Outfit outfit_;
};

}  // namespace torvale
