#include "ui/club/dlg_new_club.h"

#include <QDialogButtonBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

#include "app/qt_text.h"
#include "ui/club/club_controls.h"
#include "world/club.h"

namespace torvale {

CDlgNewClub::CDlgNewClub(QWidget* parent) : QDialog(parent) {
  setObjectName("CDlgNewClub");
  setWindowTitle("Neuer Verein");
  name_ = new QLineEdit;
  name_->setObjectName("clubNameEdit");
  // The club keeps this many characters of a name; a longer field would cut it unseen.
  name_->setMaxLength(static_cast<int>(kClubNameChars));
  name_->setMinimumWidth(280);
  QDialogButtonBox* buttons = MakeOkCancelButtons(this);
  QPushButton* ok = buttons->button(QDialogButtonBox::Ok);
  ok->setEnabled(false);
  connect(name_, &QLineEdit::textChanged, this, [ok](const QString& text) { ok->setEnabled(!text.trimmed().isEmpty()); });
  auto* layout = new QVBoxLayout(this);
  layout->addWidget(new QLabel("Bitte geben Sie den Namen des neuen Vereins ein!"));
  layout->addWidget(name_);
  layout->addWidget(buttons);
}

std::string CDlgNewClub::ClubName() const { return ToCp1252(name_->text().trimmed()); }

}  // namespace torvale
