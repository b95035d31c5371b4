#pragma once
// CPersonPage: the base of the squad editor's person pages. A page shows one person of the
// world's person table (none: its fields are cleared and disabled), writes its fields back
// into that person on Store, and announces every change the user makes with updateList —
// the squad dialog then stores the page at once and refills the visible list, so the list,
// the strength and the player type always show what the fields say.
//
// Loading never announces anything: a page fills its fields inside a LoadGuard, and the
// change handlers connected through Watch stay quiet meanwhile.

#include <QDate>
#include <QString>
#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <QWidget>

class QCheckBox;
class QComboBox;
class QDateEdit;
class QFormLayout;
class QGroupBox;
class QLineEdit;
class QPlainTextEdit;

namespace torvale {

class CPlayer;
class CSpinEditCtrl;
class CWorldDatabase;

// The record's day numbers as calendar dates and back (no date: 1 January 2000, which the
// record reads back for it anyway).
QDate DateOfDay(uint32_t dayNumber);
uint32_t DayOfDate(const QDate& date);

// Writes `text` into a record's NUL-terminated buffer as Windows-1252, cut to fit.
void CopyTextInto(char* buffer, size_t size, const QString& text);
template <size_t N>
void CopyText(char (&buffer)[N], const QString& text) {
  CopyTextInto(buffer, N, text);
}

// Stores a number field's value unless the field only shows the stored value clamped into its
// range: values beyond the range (old files, hand-made files) stay until the user edits them.
template <typename T>
void StoreShown(T& field, int shown, int minimum, int maximum) {
  if (std::clamp<int>(field, minimum, maximum) != shown) field = static_cast<T>(shown);
}

class CPersonPage : public QWidget {
  Q_OBJECT
 public:
  CPersonPage(CWorldDatabase& world, QWidget* parent);

  // Shows `person` (null: nobody).
  void Load(CPlayer* person);
  // Writes the fields into the person shown; nothing without one.
  void Store();
  CPlayer* Person() const { return person_; }

 signals:
  // The user changed a value (the registered message "VQM_UPDATE_LIST" of the game's editor).
  void updateList();

 protected:
  virtual void LoadFields(const CPlayer& person) = 0;
  virtual void StoreFields(CPlayer& person) = 0;
  virtual void ClearFields() {}

  CWorldDatabase& World() const { return world_; }
  bool Loading() const { return loading_ > 0; }
  // Announces a user's change (ignored while loading).
  void Changed();

  // Connects the control's change signal to Changed.
  void Watch(QLineEdit* edit);
  void Watch(QComboBox* box);
  void Watch(QCheckBox* box);
  void Watch(CSpinEditCtrl* spin);
  void Watch(QDateEdit* edit);
  void Watch(QPlainTextEdit* edit);

  // Small builders shared by the pages.
  CSpinEditCtrl* MakeSpin(const QString& objectName, int minimum, int maximum);
  QComboBox* MakeCombo(const QString& objectName, const QStringList& texts);
  // A box of the 206 countries by name (item data = country id), optionally led by "keine" (0).
  QComboBox* MakeCountryCombo(const QString& objectName, bool withNone);
  QLineEdit* MakeNameEdit(const QString& objectName, int bufferSize);
  QDateEdit* MakeDateEdit(const QString& objectName);
  static QGroupBox* MakeGroup(const QString& title, QFormLayout*& form);

  // Selects the item whose data is `value` (the first item when none has it).
  static void SelectData(QComboBox* box, int value);
  static int SelectedData(const QComboBox* box);

  struct LoadGuard {
    explicit LoadGuard(CPersonPage& page) : page_(page) { ++page_.loading_; }
    ~LoadGuard() { --page_.loading_; }
    CPersonPage& page_;
  };

 private:
  CWorldDatabase& world_;
  CPlayer* person_ = nullptr;
  int loading_ = 0;
};

}  // namespace torvale
