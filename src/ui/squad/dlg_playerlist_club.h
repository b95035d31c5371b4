#pragma once
// CDlgPlayerlistClub: the squad editor. It shows the persons under contract with one club —
// first team, reserve team and officials, each a list — and edits the selected person on
// the pages beside them. The club's list is edited on a working copy (SquadEditSession) that
// OK writes back after the squad and club checks and Cancel drops; the persons' own fields
// are edited in the world's person table at once and stay on Cancel, as the game's editor
// always did. The whole dialog is one transaction of the world's change door: it is opened
// for the club's country when the dialog opens and closed when it ends.
//
// The page protocol: a list asks for the visible page to be stored before its selection or
// rows change and names the person to show after a selection; a page announces every change
// (updateList), upon which the page is stored and the visible list refilled, so list,
// strength and player type always follow the fields.

#include <QDialog>
#include <QPointer>
#include <array>
#include <memory>
#include <vector>

#include "ui/squad/squad_pickers.h"

class QLabel;
class QMenu;
class QPushButton;
class QStackedWidget;
class QTabBar;

namespace torvale {

class CClub;
class CPersonPage;
class CPlayer;
class CWorldDatabase;
class EditorContext;
class SquadEditSession;
class SquadListView;
class WorldChanges;

class CDlgPlayerlistClub : public QDialog {
  Q_OBJECT
 public:
  enum TeamTab { kFirstTeamTab = 0, kReserveTeamTab = 1, kOfficialsTab = 2 };

  // `clubId` names a club of the context's current world (bit 24 ignored).
  CDlgPlayerlistClub(EditorContext& context, uint32_t clubId, SquadPickers pickers, QWidget* parent);
  ~CDlgPlayerlistClub() override;

  // The working copy; null after the dialog ended.
  const SquadEditSession* Session() const { return session_.get(); }
  SquadListView* List(TeamTab tab) const { return lists_[static_cast<size_t>(tab)]; }
  void SetTeamTab(TeamTab tab);
  TeamTab CurrentTeamTab() const;
  // Shows the page of the current set by its tab title ("Charakter").
  bool SetPageTab(const QString& title);
  CPersonPage* VisiblePage() const;
  // The person the pages show (null for none).
  CPlayer* ShownPerson() const;

  // The context menu of the visible list, as the right mouse button shows it.
  std::unique_ptr<QMenu> ContextMenu();
  // Runs a menu command on the visible list; false when it is greyed or did nothing.
  bool RunCommand(int commandId);

  void accept() override;
  void reject() override;

 private:
  void BuildLayout();
  void BuildPages();
  void FillLists();
  void RefillVisibleList();
  void StorePage();
  void ShowPerson(uint32_t id);
  void PageChanged();
  void ShowStrength();
  void TeamTabChanged(int tab);
  void PageTabChanged(int tab);
  void SelectPageSet(bool officials);
  bool CommandEnabled(int commandId) const;
  bool NewPerson(CPlayer* person);
  bool TransferSelected();
  bool FetchPerson();
  void OpenShirtNumbers();
  void RunSearch();
  void ShowDuplicates();
  // Drops the working list and takes the club's list back from the world, after a dialog
  // that changed the club there.
  void TakeBackFromWorld();
  void CommitSession(const QString& text);
  void EndTransaction();
  void UnloadPages();
  void OnContextMenu(const QPoint& globalPosition);

  EditorContext& context_;
  CWorldDatabase& world_;
  WorldChanges& changes_;
  CClub* club_;
  SquadPickers pickers_;
  std::unique_ptr<SquadEditSession> session_;
  bool inTransaction_ = false;
  bool changed_ = false;
  bool filling_ = false;

  QLabel* title_;
  QTabBar* teamTabs_;
  QStackedWidget* listStack_;
  std::array<SquadListView*, 3> lists_{};
  QTabBar* pageTabs_;
  QStackedWidget* pageStack_;
  std::vector<CPersonPage*> playerPages_;
  std::vector<CPersonPage*> officialPages_;
  std::vector<CPersonPage*> pages_;  // the set shown
  bool officialPagesShown_ = false;
  int pageIndex_ = 0;
  QLabel* strength_;
  QLabel* playerType_;
  QWidget* strengthStrip_;
  QPushButton* shirtNumbers_;
  QPushButton* duplicates_;
  QPushButton* search_;
  CPlayer* shown_ = nullptr;
};

}  // namespace torvale
