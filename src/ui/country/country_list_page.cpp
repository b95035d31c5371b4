#include "ui/country/country_list_page.h"

#include <QHBoxLayout>
#include <QHeaderView>
#include <QPushButton>
#include <QTableView>
#include <QVBoxLayout>

#include "ui/country/country_list_model.h"

namespace torvale {

CCountryListPage::CCountryListPage(EditorContext& context, QWidget* parent, const QStringList& headers)
    : CCountryPage(context, parent) {
  auto* layout = new QVBoxLayout(this);
  model_ = new CountryListModel(
      headers, [this] { return HasCountry() ? Keys() : std::vector<int>{}; },
      [this](int key, int column) { return Cell(key, column); }, this);
  view_ = new QTableView(this);
  view_->setObjectName(QStringLiteral("list"));
  view_->setModel(model_);
  view_->setSelectionBehavior(QAbstractItemView::SelectRows);
  view_->setSelectionMode(QAbstractItemView::SingleSelection);
  view_->setEditTriggers(QAbstractItemView::NoEditTriggers);
  view_->verticalHeader()->hide();
  view_->horizontalHeader()->setStretchLastSection(true);
  view_->setAlternatingRowColors(true);
  connect(view_, &QTableView::doubleClicked, this, [this] {
    if (SelectedKey() >= 0) Change(SelectedKey());
  });
  layout->addWidget(view_, 1);

  auto* buttons = new QHBoxLayout;
  auto* newButton = new QPushButton(QStringLiteral("&Neu"), this);
  newButton->setObjectName(QStringLiteral("newButton"));
  auto* changeButton = new QPushButton(QString::fromUtf8("Ä&ndern"), this);
  changeButton->setObjectName(QStringLiteral("changeButton"));
  auto* deleteButton = new QPushButton(QString::fromUtf8("&Löschen"), this);
  deleteButton->setObjectName(QStringLiteral("deleteButton"));
  connect(newButton, &QPushButton::clicked, this, [this] { New(); });
  connect(changeButton, &QPushButton::clicked, this, [this] {
    if (SelectedKey() >= 0) Change(SelectedKey());
  });
  connect(deleteButton, &QPushButton::clicked, this, [this] {
    if (SelectedKey() >= 0) Delete(SelectedKey());
  });
  buttons->addWidget(newButton);
  buttons->addWidget(changeButton);
  buttons->addWidget(deleteButton);
  buttons->addStretch();
  layout->addLayout(buttons);
}

void CCountryListPage::SetCountry(CCountry& country) {
  SetCountryPointer(country);
  Reload();
}

int CCountryListPage::SelectedKey() const {
  const QModelIndexList rows = view_->selectionModel()->selectedRows();
  return rows.isEmpty() ? -1 : model_->KeyAt(rows.first().row());
}

void CCountryListPage::SelectKey(int key) {
  const int row = model_->RowOf(key);
  if (row >= 0) view_->selectRow(row);
}

void CCountryListPage::Reload() {
  const int selected = SelectedKey();
  model_->Reload();
  view_->resizeColumnsToContents();
  view_->horizontalHeader()->setStretchLastSection(true);
  SelectKey(selected);
}

}  // namespace torvale
