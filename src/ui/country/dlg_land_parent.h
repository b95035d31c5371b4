#pragma once
// CDlgLandParent: "Land Einstellungen", the country editor — one tab per page, in the order
// the game's editor has always had them. Leaving a form page stores it into the country as
// one committed change before the next page is filled (so a changed cup mode has rebuilt the
// cup when the next page shows it); the list pages commit each command themselves. OK stores
// the visible page and closes.

#include <QDialog>
#include <vector>

class QTabWidget;

namespace torvale {

class CCountry;
class CCountryPage;
class EditorContext;
struct MainSelection;

class CDlgLandParent : public QDialog {
  Q_OBJECT
 public:
  enum Page { kGeneral = 0, kLeagueSystem, kCup, kPlayerPool, kReferees, kStadiums, kManagers, kYouthLooks, kPageCount };

  CDlgLandParent(EditorContext& context, int country, QWidget* parent = nullptr);

  QTabWidget* Tabs() const { return tabs_; }
  CCountryPage* PageAt(int index) const { return pages_[static_cast<size_t>(index)]; }
  void accept() override;

 private:
  void PageChanged(int index);
  // Stores the page into the country as one change, when it is a form page.
  void StorePage(int index);

  EditorContext& context_;
  CCountry& country_;
  QTabWidget* tabs_ = nullptr;
  std::vector<CCountryPage*> pages_;
  int shown_ = -1;
};

// The main window's "Land Einstellungen" command: the editor for the selected country.
void OpenCountryEditor(EditorContext& context, QWidget* parent, const MainSelection& selection);

}  // namespace torvale
