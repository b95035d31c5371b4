#include "ui/search/dlg_player_search.h"

#include <QDialogButtonBox>
#include <QFormLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

#include "app/qt_text.h"
#include "persons/person_search.h"

namespace torvale {
namespace {

QLineEdit* SearchEdit(QWidget* parent, const char* name, const std::string& text) {
  auto* edit = new QLineEdit(parent);
  edit->setObjectName(QLatin1String(name));
  edit->setMaxLength(static_cast<int>(kSearchTextChars));
  edit->setText(FromCp1252(text));
  edit->setMinimumWidth(260);
  edit->setClearButtonEnabled(true);
  return edit;
}

}  // namespace

CDlgPlayerSearch::CDlgPlayerSearch(PersonSearchTexts& texts, QWidget* parent) : QDialog(parent), texts_(texts) {
  setObjectName(QStringLiteral("CDlgPlayerSearch"));
  setWindowTitle(Caption());
  auto* layout = new QVBoxLayout(this);
  auto* prompt = new QLabel(QString::fromUtf8("Welchen Spieler möchten Sie suchen lassen?\n(Platzhalter (\"*\") sind erlaubt)"), this);
  layout->addWidget(prompt);

  firstName_ = SearchEdit(this, "firstNameEdit", texts.firstName);
  nickname_ = SearchEdit(this, "nicknameEdit", texts.nickname);
  surname_ = SearchEdit(this, "surnameEdit", texts.surname);
  auto* form = new QFormLayout;
  form->addRow(QStringLiteral("&Vorname"), firstName_);
  form->addRow(QString::fromUtf8("&Künstlername/Spitzname"), nickname_);
  form->addRow(QStringLiteral("&Nachname"), surname_);
  layout->addLayout(form);

  auto* buttons = new QDialogButtonBox(this);
  QPushButton* ok = buttons->addButton(QStringLiteral("OK"), QDialogButtonBox::AcceptRole);
  ok->setObjectName(QStringLiteral("okButton"));
  ok->setDefault(true);
  buttons->addButton(QStringLiteral("Abbruch"), QDialogButtonBox::RejectRole)->setObjectName(QStringLiteral("cancelButton"));
  connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
  connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
  layout->addWidget(buttons);
  firstName_->setFocus();
}

void CDlgPlayerSearch::accept() {
  texts_.firstName = ToCp1252(firstName_->text());
  texts_.nickname = ToCp1252(nickname_->text());
  texts_.surname = ToCp1252(surname_->text());
  QDialog::accept();
}

}  // namespace torvale
