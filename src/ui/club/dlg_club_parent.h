#pragma once
// The club editor: one club in five tabbed pages. It edits a working copy of the club; the
// caller writes the copy back when the dialog ends with OK, so Cancel leaves the world as it
// was. Leaving a page stores it into the copy, entering a page loads it from there.

#include <QDialog>
#include <vector>

#include "ui/club/club_editor_context.h"
#include "world/club.h"

class QTabWidget;

namespace torvale {

class CClubPage;

class CDlgClubParent : public QDialog {
  Q_OBJECT
 public:
  CDlgClubParent(const CClub& club, const ClubEditorContext& context, QWidget* parent = nullptr);
  ~CDlgClubParent() override;

  // The edited club; valid after OK.
  const CClub& WorkingCopy() const { return club_; }
  QTabWidget* Tabs() const { return tabs_; }

  void accept() override;

 protected:
  void showEvent(QShowEvent* event) override;
  void hideEvent(QHideEvent* event) override;

 private:
  void OnTabChanged(int index);
  void UpdateCaption();

  CClub club_;
  ClubEditorContext context_;
  QTabWidget* tabs_ = nullptr;
  std::vector<CClubPage*> pages_;
  int shownPage_ = 0;
  bool switching_ = false;
};

}  // namespace torvale
