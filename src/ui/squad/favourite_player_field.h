#pragma once
// FavouritePlayerField: a person's favourite player, entered by player number (id) with the
// named person shown beside it, so a mistyped number shows at once.

#include <QWidget>
#include <cstdint>

class QLabel;

namespace torvale {

class CSpinEditCtrl;
class CWorldDatabase;

class FavouritePlayerField : public QWidget {
  Q_OBJECT
 public:
  FavouritePlayerField(CWorldDatabase& world, QWidget* parent);

  void SetPlayerId(int32_t id);
  int32_t PlayerId() const;

 signals:
  void edited();

 private:
  void ShowName();

  CWorldDatabase& world_;
  CSpinEditCtrl* id_;
  QLabel* name_;
  bool loading_ = false;
};

}  // namespace torvale
