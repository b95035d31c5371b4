#pragma once
// CCountryPage: one tab of the country editor. A page fills its controls from the country
// (SetCountry) and writes them back (Store). The form pages are stored by the editor when the
// user leaves them or presses OK, as one committed change of the country; the list pages
// commit each "Neu", "Ändern" and "Löschen" themselves at once and store nothing on leaving.

#include <QString>
#include <QWidget>
#include <functional>

namespace torvale {

class CCountry;
class CWorldDatabase;
class EditorContext;
class WorldChanges;

class CCountryPage : public QWidget {
  Q_OBJECT
 public:
  CCountryPage(EditorContext& context, QWidget* parent) : QWidget(parent), context_(context) {}

  // Fills the controls from `country`, which the page edits until the next SetCountry.
  virtual void SetCountry(CCountry& country) = 0;
  // Writes the controls into the country. Called inside a committed change.
  virtual void Store() {}
  // Whether the last Store changed something besides the country's own settings (the cups'
  // names and money live in the competitions).
  virtual bool StoredBeyondFields() const { return false; }
  // False for the list pages, which commit every change on their own.
  virtual bool StoresOnLeave() const { return true; }

 protected:
  EditorContext& Context() const { return context_; }
  CCountry& Country() { return *country_; }
  const CCountry& Country() const { return *country_; }
  bool HasCountry() const { return country_ != nullptr; }
  void SetCountryPointer(CCountry& country) { country_ = &country; }
  // Commits one change of the page's country at once (the list pages' commands).
  void CommitCountryChange(const QString& text, const std::function<void()>& apply);

 private:
  EditorContext& context_;
  CCountry* country_ = nullptr;
};

}  // namespace torvale
