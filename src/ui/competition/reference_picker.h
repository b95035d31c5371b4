#pragma once
// CReferencePicker: chooses a club or a stadium of a continent's countries — a country list and
// the country's clubs (or stadiums) beside it, with "(keiner)" for no reference. The value is a
// club id, or a stadium reference (country << 16) | stadium number as the rules store venues.

#include <QWidget>
#include <cstdint>

class QComboBox;

namespace torvale {

class CWorldDatabase;

class CReferencePicker : public QWidget {
  Q_OBJECT
 public:
  enum class Kind { kClub, kStadium };

  // Countries of `continent` (0 Europe, 1 South America, ...).
  CReferencePicker(const CWorldDatabase& world, Kind kind, int continent, QWidget* parent = nullptr);

  uint32_t Value() const;
  // Shows `reference`; one of a country outside the list shows as none.
  void SetValue(uint32_t reference);

 signals:
  void valueChanged(uint32_t reference);

 private:
  void FillItems(int country);

  const CWorldDatabase& world_;
  Kind kind_;
  QComboBox* countries_ = nullptr;
  QComboBox* items_ = nullptr;
};

}  // namespace torvale
