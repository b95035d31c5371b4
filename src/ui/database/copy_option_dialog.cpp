#include "ui/database/copy_option_dialog.h"

#include <QCheckBox>
#include <QDialogButtonBox>
#include <QPushButton>
#include <QVBoxLayout>

namespace torvale {

CopyOptionDialog::CopyOptionDialog(QWidget* parent, const QString& title, std::span<const CopyOption> options,
                                   uint32_t mask)
    : QDialog(parent), initial_(mask) {
  setWindowTitle(title);
  auto* layout = new QVBoxLayout(this);
  for (const CopyOption& option : options) {
    auto* box = new QCheckBox(QString::fromUtf8(option.text), this);
    box->setObjectName(QStringLiteral("option%1").arg(option.bit, 0, 16));
    box->setChecked((mask & option.bit) != 0);
    layout->addWidget(box);
    boxes_.emplace_back(option.bit, box);
  }
  auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);
  buttons->button(QDialogButtonBox::Cancel)->setText(QStringLiteral("Abbrechen"));
  connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
  connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
  layout->addSpacing(8);
  layout->addWidget(buttons);
}

uint32_t CopyOptionDialog::Mask() const {
  uint32_t mask = initial_;
  for (const auto& [bit, box] : boxes_) mask = box->isChecked() ? (mask | bit) : (mask & ~bit);
  return mask;
}

QCheckBox* CopyOptionDialog::Box(uint32_t bit) const {
  for (const auto& [b, box] : boxes_)
    if (b == bit) return box;
  return nullptr;
}

}  // namespace torvale
