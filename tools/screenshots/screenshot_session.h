#pragma once
// The screenshot tool's plug-in point. Each editor adds one file tools/screenshots/
// shots_<editor>.cpp that opens its dialogs and pages on the sample installation and saves
// one PNG each; the tool runs every registered editor in name order:
//
//   TORVALE_SCREENSHOTS(club_editor) {
//     CDlgClubParent dialog(session.Context(), ..., &session.MainWindow());
//     session.Save(dialog, "club_editor_general");
//   }
//
// Dialogs are shown without running their modal loop; Save lays them out, paints them
// offscreen and writes OUTDIR/<name>.png.

#include <QString>
#include <QStringList>
#include <vector>

class QWidget;

namespace torvale {

class DlgMainMenu;
class EditorContext;

class ScreenshotSession {
 public:
  ScreenshotSession(EditorContext& context, DlgMainMenu& mainWindow, QString outputFolder)
      : context_(context), mainWindow_(mainWindow), outputFolder_(std::move(outputFolder)) {}

  EditorContext& Context() { return context_; }
  DlgMainMenu& MainWindow() { return mainWindow_; }
  // Shows the widget (at its own size, or at `width` x `height` when given), lets it lay out
  // and paint, and saves it; returns the file written, empty on failure.
  QString Save(QWidget& widget, const QString& name, int width = 0, int height = 0);
  const QStringList& Saved() const { return saved_; }

 private:
  EditorContext& context_;
  DlgMainMenu& mainWindow_;
  QString outputFolder_;
  QStringList saved_;
};

using ShotFunction = void (*)(ScreenshotSession& session);

// Registers one editor's screenshots (done by TORVALE_SCREENSHOTS at program start).
struct ShotRegistration {
  ShotRegistration(const char* editor, ShotFunction shots);
};

struct RegisteredShots {
  const char* editor;
  ShotFunction shots;
};
// Every registration, by editor name.
std::vector<RegisteredShots> AllRegisteredShots();

}  // namespace torvale

#define TORVALE_SCREENSHOTS(editor)                                                         \
  static void TorvaleShots_##editor(::torvale::ScreenshotSession& session);                 \
  static const ::torvale::ShotRegistration torvaleShotRegistration_##editor(#editor,         \
                                                                            &TorvaleShots_##editor); \
  static void TorvaleShots_##editor(::torvale::ScreenshotSession& session)
