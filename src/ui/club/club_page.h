#pragma once
// One page of the club editor. Pages work on the editor's working copy of the club: they load
// their controls from it when they are entered and store them back when they are left or the
// editor is confirmed, so every page always sees what the others changed.

#include <QWidget>

namespace torvale {

class CClub;
struct ClubEditorContext;

class CClubPage : public QWidget {
  Q_OBJECT
 public:
  CClubPage(CClub& club, const ClubEditorContext& context, QWidget* parent = nullptr)
      : QWidget(parent), club_(club), context_(context) {}

  virtual void LoadPage() = 0;
  // Stores the controls into the working copy. False when a value cannot be taken as typed;
  // the page has then told the user and keeps the focus on the field.
  virtual bool StorePage() = 0;
  // The page became visible or was hidden inside the editor (the kit preview ticks only then).
  virtual void PageShown(bool /*shown*/) {}

 protected:
  CClub& Club() { return club_; }
  const ClubEditorContext& Context() const { return context_; }

 private:
  CClub& club_;
  const ClubEditorContext& context_;
};

}  // namespace torvale
