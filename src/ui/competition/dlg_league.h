#pragma once
// CDlgLeague ("Ligazusammensetzung"): which club plays in which league of a country. The
// country's clubs on the left, the chosen league's teams on the right; clubs are dragged (or
// moved with the buttons) between them and within the league, each move going through the
// league's AddTeam, InsertTeam and RemoveTeam at once. OK lists leagues that are short of clubs
// or hold forbidden reserve teams: "OK" goes back to the lists, "Egal" closes anyway.

#include <QDialog>
#include <cstdint>
#include <memory>
#include <vector>

class QCheckBox;
class QComboBox;
class QLabel;

namespace torvale {

class CCountry;
class CClubDropList;
class CDBLeague;
class EditorContext;
class ScopedWorldTransaction;

class CDlgLeague : public QDialog {
  Q_OBJECT
 public:
  CDlgLeague(EditorContext& context, CCountry& country, QWidget* parent = nullptr);
  ~CDlgLeague() override;

  // Ends the dialog's change to the world: the clicks so far are one step for undo.
  void done(int result) override;

  bool Changed() const { return changed_; }
  CDBLeague* League() const { return league_; }
  void ChooseLeague(int index);

  // The moves behind the drags and buttons.
  void AddClubs(const std::vector<uint32_t>& clubs, int position);
  void RemoveClubs(const std::vector<uint32_t>& clubs);

  void accept() override;

 private:
  void EndTransaction();
  void Drop(CClubDropList* target, CClubDropList* source, const std::vector<uint32_t>& clubs, int row);
  void ShowLists();
  void AddClubEntry(uint32_t team);

  EditorContext& context_;
  CCountry& country_;
  std::unique_ptr<ScopedWorldTransaction> transaction_;
  std::vector<CDBLeague*> leagueList_;
  CDBLeague* league_ = nullptr;
  QComboBox* leagues_ = nullptr;
  CClubDropList* clubs_ = nullptr;
  CClubDropList* teams_ = nullptr;
  QCheckBox* showReserveTeams_ = nullptr;
  QLabel* count_ = nullptr;
  bool changed_ = false;
};

}  // namespace torvale
