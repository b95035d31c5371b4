// The squad editor's appearance page drives the renderer plug-in: the five appearance numbers
// go to slot 4 when a person is shown and when a look changes, and the tick runs only while
// the page is visible. A fake plug-in records the calls.

#include <gtest/gtest.h>

#include <QComboBox>
#include <QLibrary>
#include <QTableView>
#include <QTest>

#include "assets/render_host/render_manager.h"
#include "database/world_database.h"
#include "fake_renderer_log.h"
#include "support/gui/editor_fixture.h"
#include "ui/squad/dlg_player_look.h"
#include "ui/squad/dlg_playerlist_club.h"
#include "ui/squad/squad_list_view.h"

namespace torvale {
namespace {

class SquadLookPreviewTest : public test::EditorFixture {
 protected:
  SquadLookPreviewTest() : fake_(QStringLiteral(TORVALE_FAKE_RENDERER)) {
    fake_.setLoadHints(QLibrary::PreventUnloadHint);
    EXPECT_TRUE(fake_.load());
    log_ = reinterpret_cast<test::FakeRendererLogFunction>(fake_.resolve("FakeRendererLog"))();
    *log_ = {};
    SetRenderManagerSetup({&home_, QStringLiteral(TORVALE_FAKE_RENDERER)});
  }
  ~SquadLookPreviewTest() override { SetRenderManagerSetup({}); }

  QWidget home_;
  QLibrary fake_;
  test::FakeRendererLog* log_ = nullptr;
};

TEST_F(SquadLookPreviewTest, AppearancePageFeedsThePluginAndTicksOnlyWhileVisible) {
  uint32_t clubId = 0;
  for (const auto& entry : World().Country(14)->Clubs())
    if (entry.second->Number() != kAmateurClubNumber && entry.second->CountPlayers(kFirstTeam) > 0) {
      clubId = entry.second->clubId;
      break;
    }
  CDlgPlayerlistClub dialog(Context(), clubId, SquadPickers{}, nullptr);
  dialog.show();
  const CPlayer* person = dialog.ShownPerson();
  ASSERT_NE(person, nullptr);
  EXPECT_EQ(log_->calls[4], 0);  // nothing is sent before the page is shown

  ASSERT_TRUE(dialog.SetPageTab(QStringLiteral("Aussehen")));
  auto* page = dynamic_cast<CDlgPlayerLook*>(dialog.VisiblePage());
  ASSERT_NE(page, nullptr);
  EXPECT_TRUE(page->PreviewAttached());
  EXPECT_GE(log_->calls[4], 1);
  EXPECT_EQ(log_->lastFace, person->face);
  EXPECT_EQ(log_->background, kAppearanceScreenBackground);
  QTest::qWait(160);
  const int ticks = log_->calls[5];
  EXPECT_GT(ticks, 0);

  // A look chosen on the page goes to the plug-in and into the person.
  auto* face = page->findChild<QComboBox*>("face");
  const int sent = log_->calls[4];
  face->setCurrentIndex(face->currentIndex() == 3 ? 4 : 3);
  EXPECT_EQ(log_->calls[4], sent + 1);
  EXPECT_EQ(log_->lastFace, static_cast<uint32_t>(face->currentData().toInt()));
  EXPECT_EQ(person->face, face->currentData().toInt());

  // Another page: the window leaves, the tick stops.
  ASSERT_TRUE(dialog.SetPageTab(QStringLiteral("Position")));
  EXPECT_FALSE(page->PreviewAttached());
  const int ticksWhenLeft = log_->calls[5];
  QTest::qWait(160);
  EXPECT_EQ(log_->calls[5], ticksWhenLeft);
  dialog.reject();
}

}  // namespace
}  // namespace torvale
