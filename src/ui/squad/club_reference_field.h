#pragma once
// ClubReferenceField: a club reference of a person (first club, favourite club, loaned to,
// ...) chosen as country, then club. The reference is a club id; 0 is none. An id whose club
// no longer exists is kept and shown as such until the user picks another club, and the
// reserve-team bit of an id is kept while its club stays chosen.

#include <QWidget>
#include <cstdint>

class QComboBox;

namespace torvale {

class CWorldDatabase;

class ClubReferenceField : public QWidget {
  Q_OBJECT
 public:
  ClubReferenceField(CWorldDatabase& world, const QString& objectName, QWidget* parent);

  void SetClubId(uint32_t clubId);
  uint32_t ClubId() const;

 signals:
  void edited();

 private:
  void FillClubs(int country, uint32_t selectClubId);

  CWorldDatabase& world_;
  QComboBox* country_;
  QComboBox* club_;
  uint32_t loaded_ = 0;
  bool filling_ = false;
};

}  // namespace torvale
