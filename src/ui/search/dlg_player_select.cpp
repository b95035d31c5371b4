#include "ui/search/dlg_player_select.h"

#include <QDialogButtonBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTableView>
#include <QVBoxLayout>

#include "app/qt_text.h"
#include "persons/person_search.h"
#include "ui/common/editor_context.h"
#include "ui/search/result_view.h"
#include "ui/search/search_result_model.h"
#include "ui/search/search_worker.h"

namespace torvale {
namespace {

QLineEdit* NameEdit(QWidget* parent, const char* name, const QString& placeholder) {
  auto* edit = new QLineEdit(parent);
  edit->setObjectName(QLatin1String(name));
  edit->setMaxLength(static_cast<int>(kSearchTextChars));
  edit->setPlaceholderText(placeholder);
  edit->setClearButtonEnabled(true);
  return edit;
}

}  // namespace

CDlgPlayerSelect::CDlgPlayerSelect(EditorContext& context, QWidget* parent)
    : QDialog(parent),
      context_(context),
      model_(new SearchResultModel(this)),
      worker_(new SearchWorker(this)) {
  setObjectName(QStringLiteral("CDlgPlayerSelect"));
  setWindowTitle(QString::fromUtf8("HALVEX Torvale - Spieler auswählen"));

  firstName_ = NameEdit(this, "firstNameEdit", QStringLiteral("Vorname"));
  nickname_ = NameEdit(this, "nicknameEdit", QString::fromUtf8("Künstlername/Spitzname"));
  surname_ = NameEdit(this, "surnameEdit", QStringLiteral("Nachname"));
  auto* search = new QPushButton(QStringLiteral("&Suchen"), this);
  search->setObjectName(QStringLiteral("searchButton"));
  auto* fields = new QHBoxLayout;
  fields->addWidget(firstName_);
  fields->addWidget(nickname_);
  fields->addWidget(surname_);
  fields->addWidget(search);

  view_ = MakeResultView(model_, this);

  status_ = new QLabel(QString::fromUtf8("Namen eingeben (Platzhalter \"*\" und \"?\" sind erlaubt) und „Suchen“ drücken."), this);
  auto* buttons = new QDialogButtonBox(this);
  QPushButton* ok = buttons->addButton(QStringLiteral("OK"), QDialogButtonBox::AcceptRole);
  ok->setObjectName(QStringLiteral("okButton"));
  buttons->addButton(QStringLiteral("Abbruch"), QDialogButtonBox::RejectRole)->setObjectName(QStringLiteral("cancelButton"));

  auto* layout = new QVBoxLayout(this);
  layout->addLayout(fields);
  layout->addWidget(view_, 1);
  auto* bottom = new QHBoxLayout;
  bottom->addWidget(status_, 1);
  bottom->addWidget(buttons);
  layout->addLayout(bottom);
  resize(960, 520);

  connect(search, &QPushButton::clicked, this, &CDlgPlayerSelect::Search);
  for (QLineEdit* edit : {firstName_, nickname_, surname_}) connect(edit, &QLineEdit::returnPressed, this, &CDlgPlayerSelect::Search);
  search->setAutoDefault(false);
  ok->setAutoDefault(false);
  connect(view_, &QTableView::doubleClicked, this, [this] {
    if (Selected()) accept();
  });
  connect(buttons, &QDialogButtonBox::accepted, this, [this] {
    if (Selected()) accept();
  });
  connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
  connect(worker_, &SearchWorker::batchReady, this, [this](const std::vector<SearchResultRow>& rows, bool final) {
    model_->Append(rows);
    status_->setText(QStringLiteral("%1 Personen gefunden").arg(model_->rowCount()));
    if (final) emit searchFinished();
  });
}

CDlgPlayerSelect::~CDlgPlayerSelect() { worker_->Stop(); }

bool CDlgPlayerSelect::SearchRunning() const { return worker_->Running(); }

void CDlgPlayerSelect::Search() {
  PersonSearchTexts texts{ToCp1252(firstName_->text()), ToCp1252(nickname_->text()), ToCp1252(surname_->text())};
  worker_->Stop();
  model_->Clear();
  worker_->Start(*context_.CurrentWorld(), PersonSearchPatterns::FromTexts(texts));
}

std::optional<SelectedPerson> CDlgPlayerSelect::Selected() const {
  const QModelIndexList rows = view_->selectionModel()->selectedRows();
  const SearchHit* hit = rows.isEmpty() ? nullptr : model_->Hit(rows.front().row());
  if (!hit) return std::nullopt;
  return SelectedPerson{hit->playerId, hit->clubId};
}

}  // namespace torvale
