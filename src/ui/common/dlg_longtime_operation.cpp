#include "ui/common/dlg_longtime_operation.h"

#include <QCoreApplication>
#include <QHBoxLayout>
#include <QThread>
#include <QLabel>
#include <QMetaObject>
#include <QProgressBar>
#include <QPushButton>
#include <QVBoxLayout>

#include "app/qt_text.h"
#include "platform/string_table.h"

namespace torvale {

CDlgLongtimeOperation::CDlgLongtimeOperation(CLongtimeOperation& operation, QWidget* parent)
    : QDialog(parent), operation_(operation) {
  setObjectName("CDlgLongtimeOperation");
  setWindowTitle(QStringLiteral("ZO2004 Longtime operation"));
  // The work decides when the dialog ends; the close box only asks it to stop.
  setWindowFlags(windowFlags() & ~Qt::WindowContextHelpButtonHint);
  auto* layout = new QVBoxLayout(this);
  description_ = new QLabel(this);
  description_->setObjectName("description");
  description_->setWordWrap(true);
  // Room for a description of two lines with a long file name: the dialog keeps its size.
  description_->setMinimumHeight(description_->fontMetrics().lineSpacing() * 3);
  status_ = new QLabel(QStringLiteral("Current progress"), this);
  status_->setObjectName("status");
  detail_ = new QLabel(this);
  detail_->setObjectName("detail");
  detail_->setProperty("role", "caption");
  bar_ = new QProgressBar(this);
  bar_->setObjectName("progress");
  bar_->setTextVisible(true);
  time_ = new QLabel(this);
  time_->setObjectName("time");
  time_->setProperty("role", "caption");
  cancel_ = new QPushButton(FromCp1252(LoadString(IDS_LONGTIME_CANCEL)), this);
  cancel_->setObjectName("cancel");
  connect(cancel_, &QPushButton::clicked, this, &CDlgLongtimeOperation::reject);

  layout->addWidget(description_);
  layout->addSpacing(6);
  layout->addWidget(status_);
  layout->addWidget(detail_);
  layout->addWidget(bar_);
  auto* bottom = new QHBoxLayout;
  bottom->addWidget(time_, 1);
  bottom->addWidget(cancel_);
  layout->addLayout(bottom);
  setMinimumWidth(480);
  resize(520, 190);
  clock_.start();
}

CDlgLongtimeOperation::~CDlgLongtimeOperation() { Detach(); }

void CDlgLongtimeOperation::PostUpdate() {
  QMetaObject::invokeMethod(this, &CDlgLongtimeOperation::Update, Qt::QueuedConnection);
}

void CDlgLongtimeOperation::PostClose() {
  QMetaObject::invokeMethod(this, &CDlgLongtimeOperation::WorkFinished, Qt::QueuedConnection);
}

void CDlgLongtimeOperation::showEvent(QShowEvent* event) {
  QDialog::showEvent(event);
  if (attached_) return;
  // From here on the worker may start: the window exists and receives its updates.
  attached_ = true;
  everAttached_ = true;
  Show(operation_.AttachWindow(*this));
}

void CDlgLongtimeOperation::reject() {
  if (!attached_) {
    QDialog::reject();
    return;
  }
  // Refused while the work cannot stop safely; the dialog then stays.
  if (!operation_.RequestCancel()) return;
  attached_ = false;
  QDialog::reject();
}

void CDlgLongtimeOperation::Update() {
  if (!attached_) return;
  Show(operation_.Values());
}

void CDlgLongtimeOperation::WorkFinished() {
  Detach();
  accept();
}

void CDlgLongtimeOperation::Detach() {
  if (!attached_) return;
  attached_ = false;
  operation_.DetachWindow();
}

void CDlgLongtimeOperation::Show(const LongtimeProgressValues& values) {
  if (!values.title.empty()) setWindowTitle(FromCp1252(values.title));
  description_->setText(FromCp1252(values.description));
  status_->setText(FromCp1252(values.status));
  detail_->setText(FromCp1252(values.detail));
  detail_->setVisible(!values.detail.empty());
  bar_->setRange(values.rangeMin, std::max(values.rangeMin, values.rangeMax));
  bar_->setValue(std::clamp(values.position, values.rangeMin, std::max(values.rangeMin, values.rangeMax)));
  cancel_->setEnabled(values.cancelEnabled);
  time_->setText(values.timeDisplay ? FromCp1252(operation_.TimeLine(static_cast<uint64_t>(clock_.elapsed()))) : QString());
  if (values.visible != isVisible()) setVisible(values.visible);
}

void DialogLongtimeRunner::RunModal(CLongtimeOperation& operation) {
  CDlgLongtimeOperation dialog(operation, parent_);
  dialog.exec();
  if (!dialog.EverAttached()) return;
  // After a cancel the work finishes its step; it may still need the GUI thread for a message
  // box, so the thread keeps serving it (but not the user) until the work is done.
  while (!operation.Done()) {
    QCoreApplication::processEvents(QEventLoop::ExcludeUserInputEvents);
    QThread::msleep(10);
  }
  QCoreApplication::processEvents(QEventLoop::ExcludeUserInputEvents);
}

}  // namespace torvale
