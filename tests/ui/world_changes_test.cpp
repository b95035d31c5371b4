#include <gtest/gtest.h>

#include <QSignalSpy>

#include "support/gui/editor_fixture.h"
#include "ui/common/world_changes.h"

namespace torvale {

namespace {

// Records the signals of one change door in the order they came, with the world's state at
// the moment of aboutToChange (undo snapshots there, so the change must not have happened yet).
struct SignalLog {
  explicit SignalLog(WorldChanges& changes) {
    QObject::connect(&changes, &WorldChanges::aboutToChange, [this, &changes](const ChangeScope& scope) {
      events.push_back("about");
      scopes.push_back(scope);
      languageAtAbout.push_back(changes.World().Language());
    });
    QObject::connect(&changes, &WorldChanges::changed, [this](const ChangeScope& scope, const QString& text) {
      events.push_back("changed:" + text.toStdString());
      scopes.push_back(scope);
    });
    QObject::connect(&changes, &WorldChanges::changeDropped, [this](const ChangeScope&) { events.push_back("dropped"); });
    QObject::connect(&changes, &WorldChanges::modifiedChanged,
                     [this](bool modified) { events.push_back(modified ? "modified" : "saved"); });
  }
  std::vector<std::string> events;
  std::vector<ChangeScope> scopes;
  std::vector<int> languageAtAbout;
};

using WorldChangesTest = test::EditorFixture;

}  // namespace

TEST(ChangeScope, CombinesAndCoversParts) {
  ChangeScope scope = ChangeScope::Countries({14, 45});
  EXPECT_TRUE(scope.Touches(14));
  EXPECT_FALSE(scope.Touches(1));
  EXPECT_FALSE(scope.Touches(999));
  EXPECT_TRUE(scope.Covers(ChangeScope::Country(45)));
  EXPECT_FALSE(scope.Covers(ChangeScope::Rules()));
  scope |= ChangeScope::Rules();
  EXPECT_TRUE(scope.Covers(ChangeScope::Rules()));
  EXPECT_FALSE(scope.Covers(ChangeScope::WholeWorld()));
  EXPECT_TRUE(ChangeScope::WholeWorld().Covers(scope));
  EXPECT_TRUE(ChangeScope::WholeWorld().Touches(200));
  EXPECT_TRUE(ChangeScope().IsEmpty());
  EXPECT_FALSE(ChangeScope::Settings().IsEmpty());
}

TEST_F(WorldChangesTest, ACommitIsAnnouncedBeforeItIsAppliedAndMarksTheWorldModified) {
  SignalLog log(Changes());
  const int before = World().Language();
  Changes().Commit(ChangeScope::Settings(), "Sprache", [](CWorldDatabase& w) { w.SetLanguage(2); });
  EXPECT_EQ(log.events, (std::vector<std::string>{"about", "modified", "changed:Sprache"}));
  EXPECT_EQ(log.languageAtAbout.at(0), before);
  EXPECT_EQ(World().Language(), 2);
  EXPECT_TRUE(Changes().IsModified());

  // A second change does not announce "modified" again; saving clears it once.
  Changes().Commit(ChangeScope::Country(14), "x", [](CWorldDatabase&) {});
  Changes().MarkSaved();
  Changes().MarkSaved();
  EXPECT_EQ(log.events, (std::vector<std::string>{"about", "modified", "changed:Sprache", "about", "changed:x", "saved"}));
  EXPECT_FALSE(Changes().IsModified());
}

TEST_F(WorldChangesTest, ADeclinedCommitLeavesTheWorldUnmodified) {
  SignalLog log(Changes());
  EXPECT_FALSE(Changes().CommitIf(ChangeScope::Country(14), "nichts", [](CWorldDatabase&) { return false; }));
  EXPECT_EQ(log.events, (std::vector<std::string>{"about", "dropped"}));
  EXPECT_FALSE(Changes().IsModified());
}

TEST_F(WorldChangesTest, ATransactionReportsOnceAndAnnouncesPartsItDidNotName) {
  SignalLog log(Changes());
  Changes().BeginTransaction(ChangeScope::Country(14), "Kader");
  Changes().BeginTransaction(ChangeScope::Country(14), "inner");  // nested, nothing new
  Changes().Commit(ChangeScope::Country(14), "page", [](CWorldDatabase&) {});
  Changes().Commit(ChangeScope::PlayersWithoutClub(), "free", [](CWorldDatabase&) {});
  Changes().EndTransaction();
  EXPECT_TRUE(Changes().InTransaction());
  EXPECT_FALSE(Changes().IsModified());
  Changes().EndTransaction();
  EXPECT_FALSE(Changes().InTransaction());
  EXPECT_EQ(log.events, (std::vector<std::string>{"about", "about", "modified", "changed:Kader"}));
  EXPECT_EQ(log.scopes.at(1), ChangeScope::PlayersWithoutClub());
  ChangeScope both = ChangeScope::Country(14);
  both |= ChangeScope::PlayersWithoutClub();
  EXPECT_EQ(log.scopes.at(2), both);

  // A dialog that ends without changing anything reports nothing changed.
  log.events.clear();
  Changes().MarkSaved();
  {
    ScopedWorldTransaction transaction(Changes(), ChangeScope::Country(45), "Kader");
    transaction.Unchanged();
  }
  EXPECT_EQ(log.events, (std::vector<std::string>{"saved", "about", "dropped"}));
  EXPECT_FALSE(Changes().IsModified());
}

TEST_F(WorldChangesTest, EachOpenWorldHasItsOwnDoorUntilItIsClosed) {
  CWorldDatabase* first = Context().CurrentWorld();
  CWorldDatabase* second = Context().OpenGameDatabase();
  ASSERT_NE(second, nullptr);
  EXPECT_EQ(Context().CurrentWorld(), second);
  EXPECT_NE(&Context().ChangesOf(*first), &Context().ChangesOf(*second));
  EXPECT_FALSE(Context().ChangesOf(*second).IsModified());
  QSignalSpy destroyed(&Context().ChangesOf(*second), &QObject::destroyed);
  EXPECT_TRUE(Context().CloseWorld(second));
  EXPECT_EQ(destroyed.count(), 1);
  EXPECT_EQ(Context().CurrentWorld(), first);
  EXPECT_FALSE(Context().CloseWorld(second));
}

}  // namespace torvale
