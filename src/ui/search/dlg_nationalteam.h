#pragma once
// "Nationalmannschaften": a country's national squad (its national pseudo-club) beside the
// players of that nationality, strongest first. "Berufen" calls the selected candidates up,
// "Streichen" drops the selected squad members; the players keep their clubs either way.

#include <QDialog>
#include <cstdint>

class QComboBox;
class QLabel;
class QTreeWidget;

namespace torvale {

class CWorldDatabase;
class EditorContext;

class CDlgNationalteam : public QDialog {
  Q_OBJECT
 public:
  CDlgNationalteam(EditorContext& context, QWidget* parent = nullptr);

  void SetCountry(int country);
  int Country() const;
  QTreeWidget& Candidates() { return *candidates_; }
  QTreeWidget& Squad() { return *squad_; }
  // Returns how many players joined or left the squad.
  int CallUpSelected();
  int DropSelected();

 private:
  void Refill();
  // One change of the country: `change` for each selected player of `list`.
  int CommitSquadChange(const QTreeWidget& list, const char* text, bool (*change)(CWorldDatabase&, int, uint32_t));

  EditorContext& context_;
  QComboBox* country_;
  QTreeWidget* candidates_;
  QTreeWidget* squad_;
  QLabel* squadTitle_;
};

}  // namespace torvale
