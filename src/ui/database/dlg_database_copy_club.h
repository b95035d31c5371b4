#pragma once
// "Verein kopieren": which parts of a club the synchronisation copies.

#include "ui/database/copy_option_dialog.h"

namespace torvale {

class CDlgDatabaseCopyClub : public CopyOptionDialog {
  Q_OBJECT
 public:
  CDlgDatabaseCopyClub(QWidget* parent, uint32_t mask);
};

}  // namespace torvale
