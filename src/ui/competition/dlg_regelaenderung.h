#pragma once
// CDlgRegelaenderung ("Globale Einstellungen"): the match rules valid in every country. It edits
// a copy of the world's rules; OK writes the copy back as one change.

#include <QDialog>

#include "world/global_rules.h"

class QComboBox;
class QLabel;
class QScrollBar;

namespace torvale {

class EditorContext;

class CDlgRegelaenderung : public QDialog {
  Q_OBJECT
 public:
  CDlgRegelaenderung(EditorContext& context, QWidget* parent = nullptr);

  void accept() override;

 private:
  QComboBox* AddChoice(const char* objectName, const QStringList& texts, int current);

  EditorContext& context_;
  CGlobalRules rules_;
  QComboBox* points_ = nullptr;
  QComboBox* awayPoints_ = nullptr;
  QComboBox* extraVsHolder_ = nullptr;
  QComboBox* extraManyGoals_ = nullptr;
  QScrollBar* substitutions_ = nullptr;
  QLabel* substitutionsText_ = nullptr;
};

}  // namespace torvale
