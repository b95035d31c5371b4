#include "ui/controls/spin_edit_ctrl.h"

#include <QLineEdit>
#include <algorithm>
#include <cmath>
#include <cstdlib>
#include <limits>

namespace torvale {

namespace {

// The edit reads at most 63 characters of its text.
constexpr int kMaxTextLength = 63;

int32_t Clamp(int32_t v, int32_t minimum, int32_t maximum) {
  if (minimum <= maximum) return std::clamp(v, minimum, maximum);
  // A reversed range: the two ends swap their roles.
  if (v > minimum) return minimum;
  if (v < maximum) return maximum;
  return v;
}

int32_t SaturatedInt32(double value) {
  if (value >= static_cast<double>(std::numeric_limits<int32_t>::max())) return std::numeric_limits<int32_t>::max();
  if (value <= static_cast<double>(std::numeric_limits<int32_t>::min())) return std::numeric_limits<int32_t>::min();
  return static_cast<int32_t>(value);
}

int64_t IntegerDivisor(float divisor) {
  const auto d = static_cast<int64_t>(divisor);
  return d == 0 ? 1 : std::llabs(d);
}

}  // namespace

QString FormatFixedPoint(const QString& format, int32_t v, float divisor) {
  const int64_t magnitude = std::llabs(static_cast<int64_t>(v));
  const int64_t d = IntegerDivisor(divisor);
  const QString sign = v < 0 ? QStringLiteral("-") : QString();
  const int64_t parts[] = {magnitude / d, magnitude % d};
  int nextPart = 0;
  QString out;
  for (qsizetype i = 0; i < format.size(); ++i) {
    if (format[i] != '%' || i + 1 >= format.size()) {
      out += format[i];
      continue;
    }
    qsizetype j = i + 1;
    if (format[j] == '%') {
      out += '%';
      i = j;
      continue;
    }
    if (format[j] == 's') {
      out += sign;
      i = j;
      continue;
    }
    const bool zeroPad = format[j] == '0';
    int width = 0;
    while (j < format.size() && format[j].isDigit()) width = width * 10 + format[j++].digitValue();
    if (j < format.size() && (format[j] == 'd' || format[j] == 'i' || format[j] == 'u') && nextPart < 2) {
      out += QString::number(parts[nextPart++]).rightJustified(width, zeroPad ? '0' : ' ');
      i = j;
      continue;
    }
    out += format.mid(i, j - i + 1);
    i = j;
  }
  return out;
}

int32_t ParseFixedPoint(const QString& text, float divisor) {
  QString t = text.left(kMaxTextLength).trimmed();
  t.replace(',', '.');
  const std::string bytes = t.toStdString();
  const double typed = std::strtod(bytes.c_str(), nullptr);
  const double scaled = typed * static_cast<double>(divisor);
  // Binary fractions make 2.3 x 100 come out as 229.99999999999997; a digit the user typed
  // must not be lost to that, so the cut towards zero forgives a millionth.
  const double nudge = scaled >= 0 ? 1e-6 : -1e-6;
  return SaturatedInt32(std::trunc(scaled + nudge));
}

int32_t ParseLeadingInteger(const QString& text) {
  const std::string bytes = text.left(kMaxTextLength).trimmed().toStdString();
  const long long value = std::strtoll(bytes.c_str(), nullptr, 10);
  return SaturatedInt32(static_cast<double>(value));
}

CSpinEditCtrl::CSpinEditCtrl(QWidget* parent) : QAbstractSpinBox(parent) {
  setObjectName("CSpinEditCtrl");
  setAccelerated(true);
  setKeyboardTracking(false);
  lineEdit()->setMaxLength(kMaxTextLength);
  lineEdit()->setText(FormatValue(value_));
  connect(this, &QAbstractSpinBox::editingFinished, this, &CSpinEditCtrl::TakeTypedValue);
}

void CSpinEditCtrl::SetRange(int32_t minimum, int32_t maximum) {
  minimum_ = minimum;
  maximum_ = maximum;
  fixedPoint_ = false;
}

void CSpinEditCtrl::SetFixedPoint(float divisor, const QString& format) {
  fixedPoint_ = true;
  divisor_ = divisor;
  format_ = format;
  lineEdit()->setText(FormatValue(value_));
}

void CSpinEditCtrl::SetValue(int32_t v) {
  if (v == value_) return;
  v = Clamp(v, minimum_, maximum_);
  lineEdit()->setText(FormatValue(v));
  lineEdit()->selectAll();
  value_ = v;
  if (listener_) listener_->SpinEditChanged(*this);
  emit valueChanged(v);
}

int32_t CSpinEditCtrl::GetValue() const {
  const QString text = lineEdit()->text();
  return fixedPoint_ ? ParseFixedPoint(text, divisor_) : ParseLeadingInteger(text);
}

void CSpinEditCtrl::stepBy(int steps) {
  SetValue(SaturatedInt32(static_cast<double>(GetValue()) + steps));
  // A typed value the step left in place (it was already the value) still shows as set.
  lineEdit()->setText(FormatValue(value_));
}

QValidator::State CSpinEditCtrl::validate(QString&, int&) const {
  // Anything may be typed; it is read like the game's editor reads it when taken.
  return QValidator::Acceptable;
}

QAbstractSpinBox::StepEnabled CSpinEditCtrl::stepEnabled() const {
  if (!isEnabled() || isReadOnly()) return StepNone;
  return StepUpEnabled | StepDownEnabled;
}

QString CSpinEditCtrl::FormatValue(int32_t v) const {
  return fixedPoint_ ? FormatFixedPoint(format_, v, divisor_) : QString::number(v);
}

void CSpinEditCtrl::TakeTypedValue() {
  SetValue(GetValue());
  lineEdit()->setText(FormatValue(value_));
}

}  // namespace torvale
