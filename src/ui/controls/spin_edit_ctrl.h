#pragma once
// CSpinEditCtrl: the editors' number field — an edit with up/down buttons whose value is
// always inside its range, optionally shown as a fixed-point number (a value of 25 with
// divisor 10 reads "2,5"). Every change of the value tells the owner: the listener
// (ISpinEditNotify) and the valueChanged signal. Setting the value it already has tells
// nobody, so an editor can load its fields without seeing its own loads as edits.
//
//   auto* age = new CSpinEditCtrl(this);
//   age->SetRange(15, 45);
//   age->SetValue(player.age);
//   connect(age, &CSpinEditCtrl::valueChanged, this, &Page::AgeChanged);
//
// A range with minimum above maximum is kept as given: values are then held between the two
// from the other side (above the minimum becomes the minimum, below the maximum the maximum).
// Typing changes only the text until the field is left or Return is pressed; then the typed
// value is taken through SetValue.

#include <QAbstractSpinBox>
#include <QString>
#include <cstdint>

namespace torvale {

class CSpinEditCtrl;

class ISpinEditNotify {
 public:
  virtual ~ISpinEditNotify() = default;
  virtual void SpinEditChanged(CSpinEditCtrl& control) = 0;
};

class CSpinEditCtrl : public QAbstractSpinBox {
  Q_OBJECT
 public:
  explicit CSpinEditCtrl(QWidget* parent = nullptr);

  // Stores the range and leaves fixed-point mode.
  void SetRange(int32_t minimum, int32_t maximum);
  // Clamps v into the range and shows it; nothing happens when v is the current value.
  void SetValue(int32_t v);
  // The value the text reads as (what the user typed, before it is taken).
  int32_t GetValue() const;
  // The value last set.
  int32_t Value() const { return value_; }
  int32_t Minimum() const { return minimum_; }
  int32_t Maximum() const { return maximum_; }

  // Fixed-point display: `format` holds three conversions in this order — "%s" the sign ("-"
  // or nothing), "%d" the integer part |v| / divisor, "%d" (or "%0Nd") the remainder
  // |v| % divisor. SetRange switches the mode off again.
  void SetFixedPoint(float divisor, const QString& format);
  bool IsFixedPoint() const { return fixedPoint_; }

  void SetListener(ISpinEditNotify* listener) { listener_ = listener; }
  // Enables the edit and its buttons together.
  void Enable(bool enabled) { setEnabled(enabled); }

  void stepBy(int steps) override;
  QValidator::State validate(QString& input, int& pos) const override;

 signals:
  void valueChanged(int value);

 protected:
  StepEnabled stepEnabled() const override;

 private:
  QString FormatValue(int32_t v) const;
  void TakeTypedValue();

  int32_t value_ = 0;
  int32_t minimum_ = 0;
  int32_t maximum_ = 100;
  bool fixedPoint_ = false;
  float divisor_ = 1.0f;
  QString format_ = QStringLiteral("%s%d,%d");
  ISpinEditNotify* listener_ = nullptr;
};

// The text of `v` in a fixed-point format (see SetFixedPoint); unknown conversions are kept
// as they are.
QString FormatFixedPoint(const QString& format, int32_t v, float divisor);
// A fixed-point text read back: ',' counts as '.', the decimal fraction times the divisor,
// cut towards zero. Digits typed exactly are read exactly (2,3 with divisor 100 is 230).
int32_t ParseFixedPoint(const QString& text, float divisor);
// The leading decimal integer of a text (optional sign); 0 when there is none.
int32_t ParseLeadingInteger(const QString& text);

}  // namespace torvale
