#include <gtest/gtest.h>

#include <QComboBox>
#include <QTreeWidget>

#include "database/copy_drop_rules.h"
#include "database/world_copy.h"
#include "support/gui/editor_fixture.h"
#include "ui/database/dlg_database_copy.h"
#include "ui/database/dlg_database_copy_club.h"
#include "ui/database/dlg_database_copy_country.h"
#include "world/club.h"

#include <QCheckBox>

namespace torvale {

namespace {

class DatabaseCopyTest : public test::EditorFixture {
 protected:
  DatabaseCopyTest() {
    first_ = Context().CurrentWorld();
    second_ = Context().OpenGameDatabase();
  }
  CWorldDatabase* first_;
  CWorldDatabase* second_;
};

CopyItem Continent(int side, uint32_t n) { return {CopyItemKind::kContinent, side, n}; }
CopyItem Country(int side, uint32_t n) { return {CopyItemKind::kCountry, side, n}; }
CopyItem Club(int side, uint32_t id) { return {CopyItemKind::kClub, side, id}; }

}  // namespace

TEST(CopyDropRules, PairsDecideWhatIsCopied) {
  const CopyItem club = Club(0, 0x0E0001);
  EXPECT_EQ(DecideCopyDrop(club, nullptr), CopyDropAction::kNothing);
  EXPECT_EQ(DecideCopyDrop(club, &club), CopyDropAction::kNothing);
  const CopyItem otherClub = Club(1, 0x0E0002), country = Country(1, 14), europe = Continent(1, 0), asia = Continent(1, 4);
  EXPECT_EQ(DecideCopyDrop(club, &otherClub), CopyDropAction::kClubOntoClub);
  EXPECT_EQ(DecideCopyDrop(club, &country), CopyDropAction::kClubIntoCountry);
  EXPECT_EQ(DecideCopyDrop(country, &otherClub), CopyDropAction::kRefusedKinds);
  EXPECT_EQ(DecideCopyDrop(Country(0, 45), &country), CopyDropAction::kCountryOntoCountry);
  EXPECT_EQ(DecideCopyDrop(country, &europe), CopyDropAction::kRefusedKinds);
  EXPECT_EQ(DecideCopyDrop(Continent(0, 0), &europe), CopyDropAction::kContinentOntoContinent);
  EXPECT_EQ(DecideCopyDrop(Continent(0, 0), &asia), CopyDropAction::kRefusedContinents);
}

TEST(CopyOptionDialogs, TickTheMaskAndRebuildItFromTheBoxes) {
  CDlgDatabaseCopyCountry country(nullptr, kCopyEverything & ~kCopyCountryReferees);
  EXPECT_FALSE(country.Box(kCopyCountryReferees)->isChecked());
  EXPECT_TRUE(country.Box(kCopyCountryClubsAndFixtures)->isChecked());
  country.Box(kCopyCountryYouth)->setChecked(false);
  EXPECT_EQ(country.Mask(), kCopyEverything & ~kCopyCountryReferees & ~kCopyCountryYouth);

  CDlgDatabaseCopyClub club(nullptr, kCopyClubKit);
  EXPECT_TRUE(club.Box(kCopyClubKit)->isChecked());
  EXPECT_FALSE(club.Box(kCopyClubOfficials)->isChecked());
  EXPECT_EQ(club.Box(kCopyClubOfficials)->text(), QString::fromUtf8("Spielerdaten Trainer und Präsidenten"));
  club.Box(kCopyClubHistory)->setChecked(true);
  EXPECT_EQ(club.Mask(), kCopyClubKit | kCopyClubHistory);
}

TEST_F(DatabaseCopyTest, RefusedDropsSayWhyAndCopyNothing) {
  CDlgDatabaseCopy dialog(Context());
  int asked = 0;
  dialog.SetOptionChooser([&](CopyItemKind, uint32_t mask) {
    ++asked;
    return std::optional<uint32_t>(mask);
  });
  const CopyItem country = Country(0, 14), club = Club(1, MakeClubId(14, 1));
  dialog.Drop(country, &club);
  const CopyItem europe = Continent(0, 0), africa = Continent(1, 3);
  dialog.Drop(europe, &africa);
  dialog.Drop(europe, nullptr);
  EXPECT_EQ(asked, 0);
  ASSERT_EQ(Answers().Texts().size(), 2);
  EXPECT_TRUE(Answers().Texts()[0].startsWith(QString::fromUtf8("Es können nur gleiche Typen")));
  EXPECT_EQ(Answers().Texts()[1], "Unterschiedliche Kontinente können nicht synchronisiert werden");
  EXPECT_FALSE(Context().ChangesOf(*second_).IsModified());
}

TEST_F(DatabaseCopyTest, ACountryCopyArrivesInTheOtherWorldWithTheChosenParts) {
  CDlgDatabaseCopy dialog(Context());
  dialog.ShowWorld(0, 0);
  dialog.ShowWorld(1, 1);
  ASSERT_EQ(dialog.WorldOf(0), first_);
  ASSERT_EQ(dialog.WorldOf(1), second_);
  EXPECT_EQ(dialog.Tree(1)->topLevelItemCount(), 6);

  // Spain in the left world gets a new club; copying Spain onto Spain brings it over.
  CCountry& spain = *first_->Country(45);
  auto club = std::make_unique<CClub>();
  club->SetName(0, "Neuer Klub");
  const CClub* added = spain.AddNewClub(std::move(club));
  ASSERT_NE(added, nullptr);
  const size_t clubsBefore = second_->Country(45)->Clubs().size();

  std::vector<uint32_t> offered;
  dialog.SetOptionChooser([&](CopyItemKind kind, uint32_t mask) {
    EXPECT_EQ(kind, CopyItemKind::kCountry);
    offered.push_back(mask);
    return std::optional<uint32_t>(mask & ~kCopyCountryReferees);
  });
  const CopyItem from = Country(0, 45), onto = Country(1, 45);
  dialog.Drop(from, &onto);
  EXPECT_EQ(second_->Country(45)->Clubs().size(), first_->Country(45)->Clubs().size());
  EXPECT_EQ(second_->Country(45)->Clubs().size(), clubsBefore + 1);
  EXPECT_TRUE(Context().ChangesOf(*second_).IsModified());
  EXPECT_FALSE(Context().ChangesOf(*first_).IsModified());

  // The dialog remembers the options it was given for the next copy.
  dialog.Drop(from, &onto);
  ASSERT_EQ(offered.size(), 2u);
  EXPECT_EQ(offered[0], kCopyEverything);
  EXPECT_EQ(offered[1], kCopyEverything & ~kCopyCountryReferees);
  EXPECT_EQ(dialog.CountryMask(), kCopyEverything & ~kCopyCountryReferees);
}

TEST_F(DatabaseCopyTest, AClubDroppedOnACountryJoinsItOrUpdatesTheClubOfItsName) {
  CDlgDatabaseCopy dialog(Context());
  dialog.ShowWorld(0, 0);
  dialog.ShowWorld(1, 1);
  int clubOptionsAsked = 0;
  dialog.SetOptionChooser([&](CopyItemKind kind, uint32_t mask) {
    EXPECT_EQ(kind, CopyItemKind::kClub);
    ++clubOptionsAsked;
    return std::optional<uint32_t>(mask);
  });
  const CCountry& germany = *first_->Country(14);
  const CClub& source = *germany.Clubs().begin()->second;
  const size_t clubsInSpain = second_->Country(45)->Clubs().size();

  // Germany's club onto Spain: a new Spanish club with everything, no options asked.
  const CopyItem club = Club(0, source.clubId), spain = Country(1, 45);
  dialog.Drop(club, &spain);
  EXPECT_EQ(second_->Country(45)->Clubs().size(), clubsInSpain + 1);
  EXPECT_EQ(clubOptionsAsked, 0);
  // Again: Spain now has a club of that name, so that one is updated (options asked).
  dialog.Drop(club, &spain);
  EXPECT_EQ(second_->Country(45)->Clubs().size(), clubsInSpain + 1);
  EXPECT_EQ(clubOptionsAsked, 1);
}

}  // namespace torvale
