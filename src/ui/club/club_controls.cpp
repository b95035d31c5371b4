#include "ui/club/club_controls.h"

#include <QFileDialog>
#include <QPainter>
#include <QPushButton>
#include <algorithm>
#include <vector>

#include "app/qt_text.h"
#include "assets/badge_lookup.h"
#include "assets/render_host/kit_preview_words.h"
#include "ui/common/dialog_answers.h"
#include "ui/common/message_box.h"
#include "database/world_database.h"
#include "exchange/text_data_file.h"
#include "storage/record_stream.h"

namespace torvale {

QLineEdit* MakeTextField(QWidget* parent, const char* objectName, size_t maxChars) {
  auto* field = new QLineEdit(parent);
  field->setObjectName(objectName);
  field->setMaxLength(static_cast<int>(maxChars));
  return field;
}

void ShowText(QLineEdit* field, std::string_view cp1252) {
  field->setText(FromCp1252(cp1252));
  field->setCursorPosition(0);
}

std::string TypedText(const QLineEdit* field) { return ToCp1252(field->text()); }

int32_t TypedNumber(const QLineEdit* field) { return CKLFile::ParseInt(TypedText(field)); }

void SelectValue(QComboBox* box, int value) {
  int index = box->findData(value);
  if (index < 0) {
    box->addItem(QString("(%1)").arg(value), value);
    index = box->count() - 1;
  }
  box->setCurrentIndex(index);
}

int SelectedValue(const QComboBox* box) { return box->currentData().toInt(); }

void FillCountryBox(QComboBox* box, const CWorldDatabase& world, int language) {
  struct Entry {
    QString name;
    int id;
  };
  std::vector<Entry> entries;
  for (int id = kFirstCountry; id <= kLastCountry; ++id)
    if (const CCountry* country = world.Country(id)) entries.push_back({FromCp1252(country->Name(language)), id});
  std::sort(entries.begin(), entries.end(),
            [](const Entry& a, const Entry& b) { return QString::localeAwareCompare(a.name, b.name) < 0; });
  box->clear();
  box->addItem("---", 0);
  for (const Entry& e : entries) box->addItem(e.name, e.id);
}

uint32_t ClubColourOnScreen(const CTeamColourTextFile* colours, uint32_t number) {
  return colours ? ClubColourToScreen(number, *colours) : kUnknownClubColour;
}

QString ClubColourName(const CTeamColourTextFile* colours, uint32_t number) {
  if (colours)
    for (int i = 0; i < colours->Count(); ++i)
      if (colours->GetId(i) == number) return FromCp1252(colours->GetText(i));
  return QString("Farbe %1").arg(number);
}

QColor ScreenColour(uint32_t screenColour) {
  return QColor(static_cast<int>(screenColour & 0xFF), static_cast<int>((screenColour >> 8) & 0xFF),
                static_cast<int>((screenColour >> 16) & 0xFF));
}

QPixmap ColourSwatch(uint32_t screenColour, int size) {
  QPixmap pixmap(size, size);
  pixmap.fill(ScreenColour(screenColour));
  QPainter painter(&pixmap);
  painter.setPen(QColor(90, 90, 90));
  painter.drawRect(0, 0, size - 1, size - 1);
  return pixmap;
}

void FillTeamColourBox(QComboBox* box, const CTeamColourTextFile* colours) {
  box->clear();
  box->setIconSize(QSize(16, 16));
  if (!colours) return;
  for (int i = 0; i < colours->Count(); ++i)
    box->addItem(QIcon(ColourSwatch(colours->GetColour(i), 16)), FromCp1252(colours->GetText(i)),
                 static_cast<int>(colours->GetId(i)));
}

QPixmap BadgePixmap(const BadgeRoots& roots, std::string_view badgePath, int size) {
  if (badgePath.empty()) return {};
  const std::vector<uint8_t> bitmap = LoadBadgeImage(roots, badgePath);
  QImage image;
  if (bitmap.empty() || !image.loadFromData(bitmap.data(), static_cast<int>(bitmap.size()), "BMP")) return {};
  return QPixmap::fromImage(image.scaled(size, size, Qt::KeepAspectRatio, Qt::SmoothTransformation));
}

QGroupBox* MakeGroup(const char* title, QLayout* layout) {
  auto* group = new QGroupBox(QString::fromUtf8(title));
  group->setLayout(layout);
  return group;
}

QDialogButtonBox* MakeOkCancelButtons(QDialog* dialog) {
  auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, dialog);
  QPushButton* ok = buttons->button(QDialogButtonBox::Ok);
  ok->setText("OK");
  ok->setObjectName("okButton");
  buttons->button(QDialogButtonBox::Cancel)->setText("Abbruch");
  buttons->button(QDialogButtonBox::Cancel)->setObjectName("cancelButton");
  QObject::connect(buttons, &QDialogButtonBox::accepted, dialog, &QDialog::accept);
  QObject::connect(buttons, &QDialogButtonBox::rejected, dialog, &QDialog::reject);
  return buttons;
}

void TellClubEditorUser(QWidget* parent, const QString& text) { ShowMessage(ToCp1252(text), parent); }

QString ChooseFileToOpen(QWidget* parent, const QString& caption, const QString& folder, const QString& filter) {
  if (ScopedDialogAnswers* answers = ScopedDialogAnswers::Active()) {
    ShownDialog shown;
    shown.kind = ShownDialogKind::kFileChoice;
    shown.caption = caption;
    shown.text = folder;
    return answers->AnswerChoice(shown).value_or(QString());
  }
  return QFileDialog::getOpenFileName(parent, caption, folder, filter);
}

}  // namespace torvale
