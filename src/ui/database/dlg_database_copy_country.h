#pragma once
// "Länderdaten kopieren": which parts of a country the synchronisation copies.

#include "ui/database/copy_option_dialog.h"

namespace torvale {

class CDlgDatabaseCopyCountry : public CopyOptionDialog {
  Q_OBJECT
 public:
  CDlgDatabaseCopyCountry(QWidget* parent, uint32_t mask);
};

}  // namespace torvale
