#include "exchange/batch_corrections.h"

#include <gtest/gtest.h>

#include <memory>

#include "database/world_database.h"
#include "exchange/exchange_prompts.h"
#include "exchange/name_generator.h"
#include "support/scratch_dir.h"
#include "support/test_database.h"
#include "world/fixed_text.h"
#include "world/player.h"

namespace torvale {
namespace {

using testing::AddPerson;

class BatchCorrectionsTest : public ::testing::Test {
 protected:
  void SetUp() override { world_ = environment_.NewWorld(); }

  CClub& NewClub(int country, std::string_view name = "Club") {
    CClub* club = world_->Country(country)->AddNewClub(std::make_unique<CClub>());
    club->SetName(0, name);
    return *club;
  }
  CClub& Amateurs(int country) { return *world_->Country(country)->AmateurClub(); }

  testing::TestDatabaseEnvironment environment_;
  std::unique_ptr<CWorldDatabase> world_;
};

// Answers every question with `answer`, records what was asked and shown.
struct ScriptedPrompts final : ExchangePrompts {
  bool yes = true;
  PromptAnswer threeWay = PromptAnswer::kYes;
  std::vector<std::string> asked;
  std::vector<std::string> shown;
  bool AskYesNo(std::string_view text) override {
    asked.emplace_back(text);
    return yes;
  }
  PromptAnswer AskYesNoCancel(std::string_view text) override {
    asked.emplace_back(text);
    return threeWay;
  }
  void ShowMessage(std::string_view text) override { shown.emplace_back(text); }
};

TEST(StadiumNames, InitialsAndTownOrTheMarkedName) {
  EXPECT_EQ(AnonymisedStadiumName("Stade de la Meinau", "Strasbourg"), "S. d. l. M. Strasbourg");
  EXPECT_EQ(AnonymisedStadiumName("!!Allianz Arena", "München"), "Allianz Arena");
  // Accented letters (codes of 128 and above) and digits are no initials.
  EXPECT_EQ(AnonymisedStadiumName("\xC9stadio \xD1u 1 Norte", "Ort"), "s. N. Ort");
  EXPECT_EQ(AnonymisedStadiumName("a b c d e f g h i j k", ""), "a. b. c. d. e. f. g. h. i. ");
  EXPECT_EQ(AnonymisedStadiumName("Park", "Ein sehr langer Ortsname mit vielen Teilen"),
            "P. Ein sehr langer Ortsname m");
  EXPECT_EQ(AnonymisedStadiumName("!!" + std::string(40, 'x'), "Ort"), std::string(29, 'x'));
}

TEST_F(BatchCorrectionsTest, StadiumsAreRenamedAndUnusedOnesRemoved) {
  CCountry& country = *world_->Country(14);
  auto stadium = [&](std::string_view name, std::string_view town) {
    CStadium s;
    SetFixedText(s.name, name);
    SetFixedText(s.town, town);
    return country.AddStadium(s);
  };
  const int home = stadium("Stade de la Meinau", "Strasbourg");
  const int unused1 = stadium("!!Alte Försterei", "Berlin");
  const int alternative = stadium("Weser Stadion", "Bremen");
  const int cupFinal = stadium("Olympiastadion", "Berlin");
  const int unused2 = stadium("Bökelberg", "Mönchengladbach");
  NewClub(14).homeStadium = home;
  NewClub(14).alternativeStadium = alternative;
  country.cupFinalStadium = cupFinal;

  EXPECT_EQ(RenameCountryStadiums(country), 5);
  EXPECT_EQ(FixedText(country.FindStadium(home)->name), "S. d. l. M. Strasbourg");
  EXPECT_EQ(FixedText(country.FindStadium(unused1)->name), "Alte Försterei");

  EXPECT_EQ(RemoveUnusedStadiums(country), 2);
  EXPECT_EQ(country.FindStadium(unused1), nullptr);
  EXPECT_EQ(country.FindStadium(unused2), nullptr);
  EXPECT_NE(country.FindStadium(home), nullptr);
  EXPECT_NE(country.FindStadium(alternative), nullptr);
  EXPECT_NE(country.FindStadium(cupFinal), nullptr);
  EXPECT_EQ(RemoveUnusedStadiums(country), 0);
}

TEST_F(BatchCorrectionsTest, YellowShoesBecomeBlackFromModelFiveOn) {
  CClub& club = NewClub(14);
  CClub& other = NewClub(206);
  std::vector<CPlayer*> persons;
  for (uint8_t boot : {4, 5, 2, 7}) {
    persons.push_back(&AddPerson(*world_, "A", "B", kRolePlayer, 14, &club));
    BootColour(*persons.back()) = boot;
  }
  BootColour(AddPerson(*world_, "C", "D", kRolePlayer, 206, &other)) = 6;
  BootColour(AddPerson(*world_, "E", "F", kRolePlayer, 206, &Amateurs(206))) = 5;

  EXPECT_EQ(BlackenYellowShoes(*world_, club), 2);
  EXPECT_EQ(BootColour(*persons[0]), 4);
  EXPECT_EQ(BootColour(*persons[1]), 2);
  EXPECT_EQ(BootColour(*persons[3]), 2);
  EXPECT_EQ(BlackenYellowShoes(*world_, *world_->Country(14)), 0);
  // The whole database includes the last country and its amateur club.
  EXPECT_EQ(BlackenYellowShoes(*world_), 2);
}

TEST_F(BatchCorrectionsTest, PlayerFixesSkipTheAmateurClubs) {
  CClub& club = NewClub(14);
  CPlayer& born1920 = AddPerson(*world_, "A", "A", kRolePlayer, 14, &club);
  CPlayer& born1900 = AddPerson(*world_, "B", "B", kRoleCoach, 14, &club);
  CPlayer& secondJanuary = AddPerson(*world_, "C", "C", kRolePlayer, 14, &club);
  CPlayer& lastCountry = AddPerson(*world_, "D", "D", kRolePlayer, 206, &NewClub(206));
  CPlayer& withoutClub = AddPerson(*world_, "E", "E", kRolePlayer, 14, &Amateurs(14));
  born1920.birthDate = DATE::FromCivil(1920, 1, 1);
  born1900.birthDate = DATE::FromCivil(1900, 1, 1);
  secondJanuary.birthDate = DATE::FromCivil(1920, 1, 2);
  lastCountry.birthDate = DATE::FromCivil(1920, 1, 1);
  withoutClub.birthDate = DATE::FromCivil(1900, 1, 1);
  born1920.tacticalEducation = 0;
  secondJanuary.tacticalEducation = 5;
  lastCountry.tacticalEducation = 0;
  withoutClub.tacticalEducation = 0;

  EXPECT_EQ(FixPlaceholderBirthdays(*world_), 3);
  EXPECT_EQ(born1920.birthDate, DATE::FromCivil(1980, 1, 1));
  EXPECT_EQ(born1900.birthDate, DATE::FromCivil(1980, 1, 1));
  EXPECT_EQ(lastCountry.birthDate, DATE::FromCivil(1980, 1, 1));
  EXPECT_EQ(secondJanuary.birthDate, DATE::FromCivil(1920, 1, 2));
  EXPECT_EQ(withoutClub.birthDate, DATE::FromCivil(1900, 1, 1));

  // New persons start with 3; only the three set to 0 above are candidates.
  EXPECT_EQ(RaiseTacticalEducation(*world_), 2);
  EXPECT_EQ(born1920.tacticalEducation, 3);
  EXPECT_EQ(secondJanuary.tacticalEducation, 5);
  EXPECT_EQ(withoutClub.tacticalEducation, 0);
}

TEST_F(BatchCorrectionsTest, DeletingStaffKeepsRolesZeroToThree) {
  CClub& club = NewClub(14);
  std::vector<uint32_t> kept;
  for (int8_t role : {kRolePlayer, kRoleCoach, kRoleManager, kRolePresident})
    kept.push_back(AddPerson(*world_, "K", "K", role, 14, &club).id);
  const uint32_t assistant = AddPerson(*world_, "X", "X", kRoleAssistantCoach, 14, &club).id;
  const uint32_t scout = AddPerson(*world_, "Y", "Y", kRoleChiefScout, 14, &club).id;
  const uint32_t lastCountry = AddPerson(*world_, "Z", "Z", kRoleYouthCoach, 206, &NewClub(206)).id;
  CStaffMember market;
  market.job = kRoleGoalkeeperCoach;
  world_->Country(14)->AddStaff(market);
  world_->Country(14)->AddStaff(market);

  EXPECT_EQ(DeleteStaff(*world_), 5);
  EXPECT_EQ(std::vector<uint32_t>(club.PlayerIds().begin(), club.PlayerIds().end()), kept);
  for (uint32_t id : {assistant, scout, lastCountry}) EXPECT_EQ(world_->Persons().FindPlayer(id), nullptr);
  EXPECT_TRUE(world_->Country(14)->Staff().empty());
  EXPECT_EQ(DeleteStaff(*world_), 0);
}

TEST_F(BatchCorrectionsTest, StaffGetNamesOfTheirNationalitysLanguage) {
  test::ScratchDir dir;
  CNameGenerator names;
  const uint8_t language = world_->FirstLanguage(45);
  const std::string group = "%" + std::to_string(language) + "\n";
  ASSERT_TRUE(names.LoadList(NameListKind::kMaleFirstNames,
                             dir.MakeFile("m.txt", "Erster\n" + group + "Sergio-Fernando-Luis\n")));
  ASSERT_TRUE(names.LoadList(NameListKind::kSurnames,
                             dir.MakeFile("s.txt", "Zweiter\n" + group + "Garcia-Hernandez-Villanueva\n")));
  CClub& club = NewClub(14);
  CPlayer& player = AddPerson(*world_, "Spieler", "Bleibt", kRolePlayer, 45, &club);
  CPlayer& coach = AddPerson(*world_, "Trainer", "Alt", kRoleCoach, 45, &club);
  SetFixedText(coach.nickname, "Spitz");
  SetFixedText(coach.stageName, "Der Alte");
  CStaffMember market;
  SetFixedText(market.surname, "Markt");
  const int marketNumber = world_->Country(14)->AddStaff(market);

  EXPECT_EQ(RenameCountryStaff(*world_, *world_->Country(14), names), 2);
  EXPECT_EQ(FixedText(coach.firstName), "Sergio-Fernando");  // 15 characters and the NUL
  EXPECT_EQ(FixedText(coach.surname), "Garcia-Hernandez-Vi");
  EXPECT_EQ(FixedText(coach.nickname), "");
  EXPECT_EQ(FixedText(coach.stageName), "");
  EXPECT_EQ(FixedText(player.firstName), "Spieler");
  EXPECT_NE(FixedText(world_->Country(14)->FindStaff(marketNumber)->surname), "Markt");
}

TEST_F(BatchCorrectionsTest, SpanishNicknamesComeFromTheOtherWorld) {
  auto other = environment_.NewWorld();
  CClub& here = NewClub(kNicknameCountry);
  CClub* there = other->Country(kNicknameCountry)->AddNewClub(std::make_unique<CClub>());
  CPlayer& juan = AddPerson(*world_, "Juan", "Lopez", kRolePlayer, 45, &here);
  CPlayer& pedro = AddPerson(*world_, "Pedro", "Ruiz", kRolePlayer, 45, &here);
  SetFixedText(juan.nickname, "Viejo");
  SetFixedText(juan.stageName, "Juan L.");
  SetFixedText(pedro.nickname, "Keep");
  CPlayer& source = AddPerson(*other, "Juan", "Lopez", kRolePlayer, 45, there);
  SetFixedText(source.nickname, "Juanito-el-magnifico");

  ScriptedPrompts prompts;
  BatchTarget target{world_.get(), nullptr, nullptr, other.get(), nullptr};
  prompts.threeWay = PromptAnswer::kCancel;
  EXPECT_EQ(RunBatchCommand(BatchCommand::kSpanishNicknames, target, true, prompts), -1);
  EXPECT_EQ(FixedText(juan.nickname), "Viejo");

  // No: nothing is reset; the empty stage name of the source does not replace the one here.
  prompts.threeWay = PromptAnswer::kNo;
  EXPECT_EQ(RunBatchCommand(BatchCommand::kSpanishNicknames, target, true, prompts), 1);
  EXPECT_EQ(FixedText(juan.nickname), "Juanito-el-magnific");
  EXPECT_EQ(FixedText(juan.stageName), "Juan L.");
  EXPECT_EQ(FixedText(pedro.nickname), "Keep");
  EXPECT_EQ(prompts.shown.back(), "Replaced 1 Nicknames");

  // Yes: every Spanish nickname is emptied first.
  prompts.threeWay = PromptAnswer::kYes;
  EXPECT_EQ(RunBatchCommand(BatchCommand::kSpanishNicknames, target, true, prompts), 1);
  EXPECT_EQ(FixedText(juan.stageName), "");
  EXPECT_EQ(FixedText(pedro.nickname), "");

  // One loaded database only: nothing happens.
  target.other = nullptr;
  EXPECT_EQ(RunBatchCommand(BatchCommand::kSpanishNicknames, target, true, prompts), -1);
}

TEST_F(BatchCorrectionsTest, MenuChecksExpertModeTargetAndAnswer) {
  CClub& club = NewClub(14, "Brighton & Hove");
  BootColour(AddPerson(*world_, "A", "B", kRolePlayer, 14, &club)) = 9;
  ScriptedPrompts prompts;
  BatchTarget target{world_.get(), world_->Country(14), &club, nullptr, nullptr};

  EXPECT_EQ(RunBatchCommand(BatchCommand::kYellowShoesClub, target, false, prompts), -1);
  EXPECT_EQ(RunBatchCommand(BatchCommand::kYellowShoesClub, BatchTarget{world_.get()}, true, prompts), -1);
  EXPECT_EQ(RunBatchCommand(BatchCommand::kRenameStaff, target, true, prompts), -1);  // no name generator
  EXPECT_TRUE(prompts.asked.empty());

  prompts.yes = false;
  EXPECT_EQ(RunBatchCommand(BatchCommand::kYellowShoesClub, target, true, prompts), -1);
  EXPECT_EQ(prompts.asked.back(),
            "This option changes all yellow shoes of Brighton & Hove to black. Do you really want to do this?");
  EXPECT_TRUE(prompts.shown.empty());

  prompts.yes = true;
  EXPECT_EQ(RunBatchCommand(BatchCommand::kYellowShoesClub, target, true, prompts), 1);
  EXPECT_EQ(prompts.shown.back(), "Changed 1 shoes to black");
  EXPECT_EQ(RunBatchCommand(BatchCommand::kRemoveUnusedStadiums, target, true, prompts), 0);
  EXPECT_EQ(prompts.asked.back(), "Do you really want to remove all unused stadiums from " +
                                      std::string(world_->Country(14)->Name(0)) + "?");
  EXPECT_EQ(prompts.shown.back(), "0 unused stadiums were removed from the list");

  const size_t questions = prompts.asked.size();
  EXPECT_EQ(RunBatchCommand(BatchCommand::kMergeClubNames, target, true, prompts), -1);
  EXPECT_EQ(prompts.asked.size(), questions);
  EXPECT_EQ(prompts.shown.back(), "This function is only avaiable in debug build");
}

}  // namespace
}  // namespace torvale
