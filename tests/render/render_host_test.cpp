// The editor's side of the renderer plug-in: loading, the error box, the window moving between
// screens, the tick and the shared manager's use count. A fake plug-in records the slot calls.

#include <gtest/gtest.h>

#include <QDialog>
#include <QLabel>
#include <QLibrary>
#include <QPointer>
#include <QTest>
#include <QVBoxLayout>
#include <memory>

#include "assets/render_host/render_manager.h"
#include "fake_renderer_log.h"
#include "support/scratch_dir.h"
#include "ui/common/dialog_answers.h"

namespace torvale {
namespace {

using test::FakeRendererRecord;

// A screen with a preview placeholder in its layout, like the kit and appearance pages.
struct Screen {
  Screen() {
    dialog = std::make_unique<QDialog>();
    auto* layout = new QVBoxLayout(dialog.get());
    layout->addWidget(new QLabel(QStringLiteral("Vorschau")));
    placeholder = new QLabel(dialog.get());
    placeholder->setMinimumSize(120, 160);
    layout->addWidget(placeholder);
  }
  std::unique_ptr<QDialog> dialog;
  QLabel* placeholder = nullptr;
};

class RenderHost : public testing::Test {
 protected:
  RenderManagerSetup Setup(const QString& library) { return {&home_, library}; }
  const std::vector<ShownDialog>& Messages() const { return answers_.Shown(); }

  QWidget home_;
  ScopedDialogAnswers answers_;
};

TEST_F(RenderHost, OurPluginLoadsAndDrawsIntoTheWindowItWasGiven) {
  CRenderManager manager(Setup(QStringLiteral(TORVALE_RENDERER_PLUGIN)));
  ASSERT_TRUE(manager.IsLoaded());
  EXPECT_FALSE(manager.IsAttached());
  EXPECT_EQ(manager.Window()->parentWidget(), &home_);
  EXPECT_FALSE(manager.Window()->isVisibleTo(&home_));
  EXPECT_NE(manager.Window()->findChild<QWidget*>(QStringLiteral("RendererView")), nullptr);
  EXPECT_TRUE(Messages().empty());
}

TEST_F(RenderHost, SlotOneGetsTheWindowOnceAndSlotZeroEndsThePlugin) {
  FakeRendererRecord record;
  {
    CRenderManager manager(Setup(QStringLiteral(TORVALE_FAKE_RENDERER)));
    ASSERT_TRUE(manager.IsLoaded());
    EXPECT_EQ(record->calls[1], 1);
    EXPECT_EQ(record->window, manager.Window());
    EXPECT_EQ(record->calls[0], 0);
  }
  EXPECT_EQ(record->calls[0], 1);
}

TEST_F(RenderHost, MissingOrEntrylessLibrariesLeaveTheManagerUnloadedSilently) {
  test::ScratchDir scratch;
  for (const QString& library : {QString::fromStdString(scratch.path() + "/Renderer.dll"),
                                 QStringLiteral(TORVALE_NO_ENTRY_RENDERER)}) {
    CRenderManager manager(Setup(library));
    EXPECT_FALSE(manager.IsLoaded()) << library.toStdString();
    // Screens may still ask; nothing reaches a plug-in that is not there.
    EXPECT_FALSE(manager.SetKit({}, {}));
    manager.SetBackground(kKitScreenBackground);
  }
  EXPECT_TRUE(Messages().empty());
}

TEST_F(RenderHost, ALibraryThatCannotBeLoadedIsReportedInTheErrorBox) {
  test::ScratchDir scratch;
  const QString library = QString::fromStdString(scratch.MakeFile("Renderer.dll", "MZ this is no library"));
  CRenderManager manager(Setup(library));
  EXPECT_FALSE(manager.IsLoaded());
  ASSERT_EQ(Messages().size(), 1u);
  EXPECT_EQ(Messages()[0].caption, "Error Loading DLL");
  EXPECT_TRUE(Messages()[0].text.startsWith("Could not load the DLL \"" + library + "\".\r\nError Message \""))
      << Messages()[0].text.toStdString();
  EXPECT_GT(Messages()[0].text.size(), ("Could not load the DLL \"" + library + "\".\r\nError Message \"\"").size());
}

TEST_F(RenderHost, LoadingAgainReleasesTheOldInterfaceFirst) {
  FakeRendererRecord record;
  CPluginHolder holder;
  ASSERT_TRUE(holder.Load(QStringLiteral(TORVALE_FAKE_RENDERER), kRendererEntryPoint));
  ASSERT_TRUE(holder.Load(QStringLiteral(TORVALE_FAKE_RENDERER), kRendererEntryPoint));
  EXPECT_EQ(record->calls[0], 1);
  holder.Interface()->Tick();
  EXPECT_EQ(record->calls[5], 1);
  holder.Unload();
  EXPECT_EQ(record->calls[0], 2);
  EXPECT_EQ(holder.Interface(), nullptr);
}

TEST_F(RenderHost, APluginOfAnotherInterfaceVersionIsRefusedWithAMessage) {
  CRenderManager manager(Setup(QStringLiteral(TORVALE_FAKE_RENDERER_OTHER_VERSION)));
  EXPECT_FALSE(manager.IsLoaded());
  ASSERT_EQ(Messages().size(), 1u);
  EXPECT_EQ(Messages()[0].caption, "Error Loading DLL");
  EXPECT_TRUE(Messages()[0].text.contains("interface version")) << Messages()[0].text.toStdString();
}

TEST_F(RenderHost, AttachMovesTheWindowBetweenScreensAndDetachRestoresThePlaceholder) {
  FakeRendererRecord record;
  CRenderManager manager(Setup(QStringLiteral(TORVALE_FAKE_RENDERER)));
  Screen kits, looks;
  kits.dialog->show();
  looks.dialog->show();

  manager.Attach(kits.placeholder);
  EXPECT_TRUE(manager.IsAttached());
  EXPECT_EQ(manager.Window()->parentWidget(), kits.dialog.get());
  EXPECT_TRUE(manager.Window()->isVisible());
  EXPECT_FALSE(kits.placeholder->isVisible());
  EXPECT_EQ(kits.dialog->layout()->indexOf(manager.Window()), 1);

  manager.Attach(looks.placeholder);
  EXPECT_EQ(manager.Window()->parentWidget(), looks.dialog.get());
  EXPECT_TRUE(kits.placeholder->isVisible());
  EXPECT_EQ(kits.dialog->layout()->indexOf(kits.placeholder), 1);
  EXPECT_FALSE(looks.placeholder->isVisible());

  manager.Attach(nullptr);
  EXPECT_FALSE(manager.IsAttached());
  EXPECT_EQ(manager.Window()->parentWidget(), &home_);
  EXPECT_FALSE(manager.Window()->isVisibleTo(&home_));
  EXPECT_TRUE(looks.placeholder->isVisible());
  EXPECT_EQ(looks.dialog->layout()->indexOf(looks.placeholder), 1);
  EXPECT_EQ(record->calls[1], 1);  // the plug-in keeps its one window throughout
}

TEST_F(RenderHost, AScreenClosedWithoutDetachingLeavesTheWindowAlive) {
  CRenderManager manager(Setup(QStringLiteral(TORVALE_FAKE_RENDERER)));
  {
    Screen screen;
    manager.Attach(screen.placeholder);
  }
  ASSERT_NE(manager.Window(), nullptr);
  EXPECT_EQ(manager.Window()->parentWidget(), &home_);
  EXPECT_FALSE(manager.IsAttached());
}

TEST_F(RenderHost, TheTickRunsOnlyWhileTheWindowIsVisible) {
  FakeRendererRecord record;
  CRenderManager manager(Setup(QStringLiteral(TORVALE_FAKE_RENDERER)));
  Screen screen;
  manager.Attach(screen.placeholder);
  EXPECT_FALSE(manager.IsTicking());  // attached to a screen not yet shown

  screen.dialog->show();
  EXPECT_TRUE(manager.IsTicking());
  EXPECT_TRUE(QTest::qWaitFor([&] { return record->calls[5] >= 3; }, 2000));

  screen.dialog->hide();
  EXPECT_FALSE(manager.IsTicking());
  const int ticks = record->calls[5];
  QTest::qWait(3 * kRenderTickMs);
  EXPECT_EQ(record->calls[5], ticks);

  screen.dialog->show();
  EXPECT_TRUE(manager.IsTicking());
  manager.Attach(nullptr);
  EXPECT_FALSE(manager.IsTicking());
}

TEST_F(RenderHost, TheKitIsSentOnlyWhenItOrItsSettingsChange) {
  FakeRendererRecord record;
  CRenderManager manager(Setup(QStringLiteral(TORVALE_FAKE_RENDERER)));
  RendererKitWords kit;
  kit.words[kKitShirtStyle] = 5;
  RendererDisplaySettings settings;
  EXPECT_TRUE(manager.SetKit(kit, settings));
  EXPECT_FALSE(manager.SetKit(kit, settings));
  settings.selectedPart = kKitPartShorts;
  EXPECT_TRUE(manager.SetKit(kit, settings));
  kit.words[kKitShirtMain] = 0x0000FF;
  EXPECT_TRUE(manager.SetKit(kit, settings));
  EXPECT_EQ(record->calls[3], 3);

  // Opening the kit screen again, or showing a head in between, forgets what was sent.
  manager.ShowKitScreen({}, settings);
  EXPECT_TRUE(manager.SetKit(kit, settings));
  manager.SetAppearance({}, {});
  EXPECT_TRUE(manager.SetKit(kit, settings));
  EXPECT_EQ(record->calls[3], 5);
  EXPECT_EQ(record->calls[2], 1);
  EXPECT_EQ(record->calls[4], 1);
}

TEST_F(RenderHost, TheSharedManagerLivesFromTheFirstGetToTheLastRelease) {
  FakeRendererRecord record;
  SetRenderManagerSetup(Setup(QStringLiteral(TORVALE_FAKE_RENDERER)));
  CRenderManager* first = GetRenderManager();
  CRenderManager* second = GetRenderManager();
  EXPECT_EQ(first, second);
  EXPECT_EQ(record->calls[1], 1);  // loaded once
  QPointer<CRenderManager> alive(first);
  ReleaseRenderManager();
  EXPECT_FALSE(alive.isNull());
  EXPECT_EQ(record->calls[0], 0);
  ReleaseRenderManager();
  EXPECT_TRUE(alive.isNull());
  EXPECT_EQ(record->calls[0], 1);
  ReleaseRenderManager();  // one release too many is harmless

  // The next use makes a new manager with a new plug-in object; a scoped use gives itself back.
  {
    ScopedRenderManager use;
    EXPECT_TRUE(use->IsLoaded());
    EXPECT_EQ(record->calls[1], 2);
  }
  EXPECT_EQ(record->calls[0], 2);
  SetRenderManagerSetup({});
}

}  // namespace
}  // namespace torvale
