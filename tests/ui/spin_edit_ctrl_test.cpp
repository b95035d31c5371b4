#include <gtest/gtest.h>

#include <QLineEdit>
#include <QTest>

#include "ui/controls/spin_edit_ctrl.h"

namespace torvale {

namespace {

struct CountingListener : ISpinEditNotify {
  void SpinEditChanged(CSpinEditCtrl& control) override { values.push_back(control.Value()); }
  std::vector<int> values;
};

QString Shown(const CSpinEditCtrl& spin) { return spin.findChild<QLineEdit*>()->text(); }

}  // namespace

TEST(SpinEditCtrl, KeepsValuesInsideTheRangeAlsoWhenTheRangeIsReversed) {
  CSpinEditCtrl spin;
  spin.SetRange(0, 100);
  spin.SetValue(150);
  EXPECT_EQ(Shown(spin), "100");
  spin.SetValue(-5);
  EXPECT_EQ(Shown(spin), "0");
  EXPECT_EQ(spin.Value(), 0);

  spin.SetRange(10, 1);
  spin.SetValue(20);
  EXPECT_EQ(Shown(spin), "10");
  spin.SetValue(-3);
  EXPECT_EQ(Shown(spin), "1");
  spin.SetValue(5);
  EXPECT_EQ(Shown(spin), "5");
}

TEST(SpinEditCtrl, TellsTheOwnerOfChangesButNotOfTheValueItAlreadyHas) {
  CSpinEditCtrl spin;
  CountingListener listener;
  spin.SetListener(&listener);
  int notified = 0;
  QObject::connect(&spin, &CSpinEditCtrl::valueChanged, [&] { ++notified; });
  spin.SetValue(0);  // the default value
  EXPECT_TRUE(listener.values.empty());
  spin.SetValue(42);
  spin.SetValue(42);
  EXPECT_EQ(listener.values, std::vector<int>{42});
  EXPECT_EQ(notified, 1);

  // The arrow steps from what the text reads.
  spin.stepBy(1);
  EXPECT_EQ(spin.Value(), 43);
  EXPECT_EQ(listener.values, (std::vector<int>{42, 43}));
}

TEST(SpinEditCtrl, ShowsAndReadsFixedPointValues) {
  CSpinEditCtrl spin;
  spin.SetRange(-1000, 1000);
  spin.SetFixedPoint(10.0f, "%s%d,%d");
  spin.SetValue(-25);
  EXPECT_EQ(Shown(spin), "-2,5");
  EXPECT_EQ(spin.GetValue(), -25);

  auto* edit = spin.findChild<QLineEdit*>();
  edit->setText("2,5");
  EXPECT_EQ(spin.GetValue(), 25);
  edit->setText("2.5");
  EXPECT_EQ(spin.GetValue(), 25);
  edit->setText("2,57");  // digits beyond the divisor are cut, not rounded
  EXPECT_EQ(spin.GetValue(), 25);

  // Leaving the field takes the typed value, clamped.
  edit->setText("500");
  emit spin.editingFinished();
  EXPECT_EQ(spin.Value(), 1000);
  EXPECT_EQ(Shown(spin), "100,0");

  // A new range ends the fixed-point display.
  spin.SetRange(0, 100);
  spin.SetValue(7);
  EXPECT_EQ(Shown(spin), "7");
}

TEST(SpinEditCtrl, FixedPointTextsHoldTypedDigitsExactly) {
  EXPECT_EQ(ParseFixedPoint("2,3", 100.0f), 230);
  EXPECT_EQ(ParseFixedPoint("-0,7", 10.0f), -7);
  EXPECT_EQ(ParseFixedPoint("abc", 10.0f), 0);
  EXPECT_EQ(FormatFixedPoint("%s%d.%02d %%", -1205, 100.0f), "-12.05 %");
  EXPECT_EQ(FormatFixedPoint("%s%d,%d", 7, 0.0f), "7,0");  // no division by zero
  EXPECT_EQ(ParseLeadingInteger(" 12abc"), 12);
  EXPECT_EQ(ParseLeadingInteger("x12"), 0);
  EXPECT_EQ(ParseLeadingInteger("99999999999"), 2147483647);
}

}  // namespace torvale
