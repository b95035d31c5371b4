#pragma once
// CDlgFixturelist ("Spielpläne"): the fixture grid of each league of a country, matchday by
// matchday. Choosing a team fills the first empty slot of the matchday, clicking a pairing's
// team empties that slot; the generated plan, the mirrored second half and clearing a matchday
// are the core's fixture operations. Everything acts on the world at once.

#include <QDialog>
#include <memory>

class QComboBox;
class QLabel;
class QListWidget;
class QPushButton;
class QTableWidget;

namespace torvale {

class CCountry;
class CDBLeague;
class EditorContext;
class ScopedWorldTransaction;

class CDlgFixturelist : public QDialog {
  Q_OBJECT
 public:
  CDlgFixturelist(EditorContext& context, CCountry& country, QWidget* parent = nullptr);
  ~CDlgFixturelist() override;

  // Ends the dialog's change to the world: the clicks so far are one step for undo.
  void done(int result) override;

  bool Changed() const { return changed_; }
  CDBLeague* League() const { return league_; }
  int Matchday() const;

 private:
  void EndTransaction();
  void ChooseLeague(int comboIndex);
  void ChooseMatchday(int row);
  void ShowMatchdays();
  void ShowMatchday();
  void TeamChosen(int place);
  void PairingClicked(int column, int side);
  void Generate();
  void Mirror();
  void ClearCurrentMatchday();
  void Edited();

  EditorContext& context_;
  CCountry& country_;
  std::unique_ptr<ScopedWorldTransaction> transaction_;
  CDBLeague* league_ = nullptr;
  QComboBox* leagues_ = nullptr;
  QListWidget* matchdays_ = nullptr;
  QTableWidget* pairings_ = nullptr;
  QListWidget* teams_ = nullptr;
  QLabel* status_ = nullptr;
  QPushButton* generate_ = nullptr;
  QPushButton* mirror_ = nullptr;
  QPushButton* clear_ = nullptr;
  bool changed_ = false;
};

}  // namespace torvale
