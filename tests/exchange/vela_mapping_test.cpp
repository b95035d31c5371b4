// The four mapping commands over worlds built in code, each report compared byte for byte.

#include <gtest/gtest.h>

#include "exchange/mapping_test_world.h"
#include "exchange/text_data_file.h"
#include "exchange/vela_club_mapping.h"
#include "exchange/vela_face_mapping.h"
#include "exchange/vela_player_mapping.h"
#include "platform/path.h"
#include "support/file_bytes.h"
#include "support/scratch_dir.h"

namespace torvale {
namespace {

using testing::MappingTestWorld;

using test::ReadText;

// ------------------------------------------------------------------ club ids

struct ClubWorld {
  ClubWorld() {
    mallorca = &w.AddClub(14, 1, "Real Club Deportivo Mallorca");
    twinA = &w.AddClub(14, 2, "Zwilling FC");
    twinB = &w.AddClub(14, 3, "Zwilling FC");
    byShortName = &w.AddClub(14, 4, "Unbekannt Langname", "Kurz");
    unknown = &w.AddClub(14, 5, "Niemand");
    unknown->siblingId = 77;
    unknown->secondSiblingId = 78;
    // The last country of the world is mapped like every other.
    last = &w.AddClub(206, 1, "Ende FC");
    clubs.LoadText(
        "106\tDeutschland\t1\tAlpha\r\n"
        "101\tSpanien\t5\tReal Club Deportivo Mallorca S.A.D.\r\n"
        "102\tDeutschland\t6\tZwilling FC\r\n"
        "103\tDeutschland\t7\tKurz\r\n"
        "104\tAusland\t8\tEnde FC\r\n"
        "105\tAusland\t9\tVergessen\r\n"
        "109\tAusland\t9\tBerta\r\n");
  }
  MappingTestWorld w;
  CVelaClubMapping clubs;
  CClub *mallorca, *twinA, *twinB, *byShortName, *unknown, *last;
};

TEST(ClubIdMapping, ReportListsUnusedAndOvermappedEntries) {
  test::ScratchDir scratch;
  ClubWorld c;
  const std::string report = scratch.path() + "/clubs.txt";
  EXPECT_EQ(c.clubs.MapWorld(c.w.Get(), report, false), MappingResult::kMapped);

  EXPECT_EQ(c.mallorca->siblingId, 101);
  EXPECT_EQ(c.mallorca->secondSiblingId, 101);
  EXPECT_EQ(c.twinA->siblingId, 102);
  EXPECT_EQ(c.twinB->siblingId, 102);
  EXPECT_EQ(c.byShortName->siblingId, 103);
  EXPECT_EQ(c.last->siblingId, 104);
  EXPECT_EQ(c.unknown->siblingId, 77);  // kept without overwriting
  EXPECT_EQ(c.unknown->secondSiblingId, 78);
  EXPECT_EQ(c.clubs.Find("Zwilling FC")->useCount, 2);

  // Failures: "Niemand" and the amateur clubs of the 206 countries.
  EXPECT_EQ(ReadText(report),
            "Club mapping statistics\r\n"
            "Success: 5, Failure: 207\r\n"
            "Unmapped: 3, Too much mapped: 1\r\n"
            "\r\nUnmapped:\r\n"
            "Berta (Ausland) - VelaID: 109\r\n"
            "Vergessen (Ausland) - VelaID: 105\r\n"
            "Alpha (Deutschland) - VelaID: 106\r\n"
            "\r\nOvermapped:\r\n"
            "Zwilling FC (Deutschland) (2 Times)- VelaID: 102\r\n");
}

TEST(ClubIdMapping, OverwritingClearsUnrecognisedClubsAndCountsStartAfresh) {
  ClubWorld c;
  EXPECT_EQ(c.clubs.MapWorld(c.w.Get(), "", true), MappingResult::kMapped);
  EXPECT_EQ(c.clubs.MapWorld(c.w.Get(), "", true), MappingResult::kMapped);
  EXPECT_EQ(c.unknown->siblingId, 0);
  EXPECT_EQ(c.unknown->secondSiblingId, 0);
  EXPECT_EQ(c.mallorca->siblingId, 101);
  EXPECT_EQ(c.clubs.Find("Zwilling FC")->useCount, 2);
}

TEST(ClubIdMapping, NameInTheWorldsLanguage) {
  ClubWorld c;
  c.mallorca->SetName(2, "Zwilling FC");
  c.w.World().SetLanguage(2);  // the other clubs carry their names in language 0 only
  EXPECT_EQ(c.clubs.MapWorld(c.w.Get(), "", false), MappingResult::kMapped);
  EXPECT_EQ(c.mallorca->siblingId, 102);
  EXPECT_EQ(c.twinA->siblingId, 0);
}

TEST(ClubIdMapping, UnwritableReportStillMapsTheWorld) {
  test::ScratchDir scratch;
  ClubWorld c;
  EXPECT_EQ(c.clubs.MapWorld(c.w.Get(), scratch.path() + "/no/such/folder/r.txt", true),
            MappingResult::kReportNotWritten);
  EXPECT_EQ(c.mallorca->siblingId, 101);
  EXPECT_EQ(c.unknown->siblingId, 0);
}

// ------------------------------------------------------------------ player ids

constexpr const char* kPlayerList =
    "hans huber\r\n11\r\n\r\n11\r\n"
    "Zico\r\n12\r\n\r\n12\r\n"
    "Karl Klein\r\n13\r\n\r\n13\r\n"
    "Pedro Panadero\r\n14\r\nPepe\r\n14\r\n"
    "Otto Andermann\r\n15\r\nOttinho\r\n15\r\n"
    "Pepe Real\r\n16\r\npepe\r\n16\r\n"
    "Hans Huber\r\n17\r\n\r\n17\r\n"
    "Ama Teur\r\n18\r\n\r\n18\r\n";

TEST(PlayerIdMapping, NamesThenNicknamesAndTheReport) {
  test::ScratchDir scratch;
  MappingTestWorld w;
  CClub& club = w.AddClub(14, 1, "Verein");
  CPlayer& huber = w.AddPerson(club, "Hans", "Huber");
  CPlayer& zico = w.AddPerson(club, "", "Zico");            // known by one name only
  CPlayer& klein = w.AddPerson(club, "Karl ", "Klein");     // a stray blank in the database
  CPlayer& pan = w.AddPerson(club, "Peter", "Pan", "Pepe");
  CPlayer& otto = w.AddPerson(club, "Otto", "Stage", "", "Ottinho");
  CPlayer& missing = w.AddPerson(club, "Max", "Fehler", "Maxi");
  missing.siblingId = 99;
  CPlayer& amateur = w.AddPerson(w.AmateurClub(14), "Ama", "Teur");

  CVelaPlayerMapping players;
  const std::string list = scratch.MakeFile("database/VELA_PlayerIDs.txt", kPlayerList);
  ASSERT_TRUE(players.LoadPlayerIds(list));
  const std::string report = scratch.path() + "/players.txt";
  EXPECT_EQ(players.MapPlayerIds(w.Get(), report, false), MappingResult::kMapped);

  EXPECT_EQ(huber.siblingId, 11u);
  EXPECT_EQ(zico.siblingId, 12u);
  EXPECT_EQ(klein.siblingId, 13u);
  EXPECT_EQ(pan.siblingId, 14u);
  EXPECT_EQ(otto.siblingId, 15u);
  EXPECT_EQ(missing.siblingId, 99u);
  EXPECT_EQ(amateur.siblingId, 0u);  // amateur clubs are not squads of the sibling game

  EXPECT_EQ(ReadText(report),
            "Vela ID Report - Set complete world from file " + list + "\r\n"
            "Number of Vela Players: 8\r\n"
            "Stat:\r\nSuccess: 5\r\n"
            "Failed: 1\r\n"
            "Unnormalized players: 1\r\n"
            "Same names: 1, Same nicks: 1"
            "\r\nFailures:\r\n"
            "   Fehler, Max [nick: Maxi]\r\n"
            "Unnormalized Players in the VQ-Database\r\n"
            "   Klein, Karl  [nick: ]\r\n"
            "\r\nDouble names:\r\n"
            "   Hans Huber\r\n"
            "\r\nDouble nicks:\r\n"
            "   pepe\r\n");

  EXPECT_EQ(players.MapPlayerIds(w.Get(), "", true), MappingResult::kMapped);
  EXPECT_EQ(missing.siblingId, 0u);
  EXPECT_EQ(huber.siblingId, 11u);
}

// ------------------------------------------------------------------ console faces

TEST(ConsoleFaceMapping, FoldedNamesNicknamesAndTheReport) {
  test::ScratchDir scratch;
  MappingTestWorld w;
  CClub& club = w.AddClub(14, 1, "Verein");
  CPlayer& orjan = w.AddPerson(club, "Œrjan", "Ærø");
  CPlayer& daru = w.AddPerson(club, "Darius", "Rubens", "Daru");
  CPlayer& keeper = w.AddPerson(club, "Pim", "Doelman", "Pimmie", "Keeper");
  CPlayer& twin1 = w.AddPerson(club, "Twin", "Star");
  CPlayer& twin2 = w.AddPerson(w.AddClub(45, 1, "Club"), "Twin", "Star");
  CPlayer& missing = w.AddPerson(club, "Max", "Fehler");
  missing.starHead = 55;

  CVelaPlayerMapping players;
  players.LoadStarHeadText(
      "CErjan AEro\t301\t1\r\n"
      "Daru (GK)\t302\t1\r\n"
      "Keeper [gk]\t303\t0\r\n"
      "Twin Star\t304\t0\r\n"
      "Nobody Here\t305\t0\r\n");
  const std::string report = scratch.path() + "/ps2.txt";
  EXPECT_EQ(players.MapConsoleFaces(w.Get(), report, false), MappingResult::kMapped);

  EXPECT_EQ(orjan.starHead, 301);
  EXPECT_EQ(daru.starHead, 302);
  EXPECT_EQ(keeper.starHead, 303);
  EXPECT_EQ(twin1.starHead, 304);
  EXPECT_EQ(twin2.starHead, 304);
  EXPECT_EQ(missing.starHead, 55);
  EXPECT_EQ(ReadText(report),
            "Statistical output for PS2 face mapping\r\n"
            "Nobody Here used 0 times\r\n"
            "Twin Star used 2 times\r\n");

  EXPECT_EQ(players.MapConsoleFaces(w.Get(), "", true), MappingResult::kMapped);
  EXPECT_EQ(missing.starHead, 0);
  EXPECT_EQ(players.StarHeads().at("Twin Star").useCount, 2);  // counted afresh
}

// ------------------------------------------------------------------ Vela faces

TEST(VelaFaceMapping, FirstMatchingFaceAndTheReport) {
  test::ScratchDir scratch;
  MappingTestWorld w;
  CClub& club = w.AddClub(14, 1, "Verein");
  CPlayer& orjan = w.AddPerson(club, "CErjan", "AEro");
  CPlayer& twin1 = w.AddPerson(club, "Twin", "Star");
  CPlayer& twin2 = w.AddPerson(club, "Twin", "Star");
  CPlayer& anna = w.AddPerson(club, "Anna", "Berg");
  CPlayer& surnameOnly = w.AddPerson(club, "", "Zico");
  CPlayer& padded = w.AddPerson(club, "Nobody ", "Here");
  CPlayer& missing = w.AddPerson(club, "Max", "Fehler");
  surnameOnly.starHead = 44;
  missing.starHead = 55;

  CBaseTextFile faces(FaceFileSettings());
  ASSERT_TRUE(faces.Load(scratch.MakeFile("database/ger/faceIDs.txt",
                                          Utf8ToCp1252("6\r\nŒrjan Ærø\r\n501\r\nTwin Star\r\n502\r\n"
                                                       "Nobody Here\r\n503\r\nZico\r\n504\r\n"
                                                       "Twin Star\r\n505\r\n  Anna \t Berg \r\n506\r\n"))));
  const std::string report = scratch.path() + "/faces.txt";
  EXPECT_EQ(MapVelaFaces(w.Get(), faces, report, false), MappingResult::kMapped);

  EXPECT_EQ(orjan.starHead, 501);
  EXPECT_EQ(twin1.starHead, 502);  // the first of two equal names
  EXPECT_EQ(twin2.starHead, 502);
  EXPECT_EQ(anna.starHead, 506) << "the list's names are whitespace-normalised";
  EXPECT_EQ(surnameOnly.starHead, 44) << "\" Zico\" is not \"Zico\"";
  EXPECT_EQ(padded.starHead, 0) << "\"Nobody  Here\" is not \"Nobody Here\"";
  EXPECT_EQ(missing.starHead, 55);
  // The whole list is accounted for, the entry "nicht vorhanden" (never a match) included.
  EXPECT_EQ(ReadText(report),
            "Face mapping statistics:\r\n"
            "Successful: 2:\r\n"
            "Unmapped: 4:\r\n"
            "Overmapped: 1\r\n\r\n"
            "Unmapped:\r\n"
            " nicht vorhanden\r\n"
            "Nobody Here\r\n"
            "Zico\r\n"
            "Twin Star\r\n"
            "\r\nOvermapped:\r\n"
            "Twin Star (2)\r\n");

  EXPECT_EQ(MapVelaFaces(w.Get(), faces, "", true), MappingResult::kMapped);
  EXPECT_EQ(missing.starHead, 0);
  EXPECT_EQ(surnameOnly.starHead, 0);
  EXPECT_EQ(orjan.starHead, 501);
}

// ------------------------------------------------------------------ missing lists

// A missing list must not count the whole world as unrecognised: with overwriting, that would
// wipe every number the world holds.
TEST(SiblingMapping, WithoutItsListNoCommandTouchesTheWorld) {
  test::ScratchDir scratch;
  MappingTestWorld w;
  CClub& club = w.AddClub(14, 1, "Verein");
  club.siblingId = 77;
  CPlayer& person = w.AddPerson(club, "Max", "Fehler");
  person.siblingId = 99;
  person.starHead = 55;
  const std::string report = scratch.path() + "/report.txt";

  CVelaClubMapping clubs;
  CVelaPlayerMapping players;
  EXPECT_FALSE(players.LoadPlayerIds(scratch.path() + "/VELA_PlayerIDs.txt"));
  CBaseTextFile faces(FaceFileSettings());
  EXPECT_FALSE(faces.Load(scratch.path() + "/ger/faceIDs.txt"));  // padded with blank entries
  EXPECT_EQ(clubs.MapWorld(w.Get(), report, true), MappingResult::kNoList);
  EXPECT_EQ(players.MapPlayerIds(w.Get(), report, true), MappingResult::kNoList);
  EXPECT_EQ(players.MapConsoleFaces(w.Get(), report, true), MappingResult::kNoList);
  EXPECT_EQ(MapVelaFaces(w.Get(), faces, report, true), MappingResult::kNoList);
  EXPECT_EQ(clubs.MapWorld(nullptr, report, true), MappingResult::kNoWorld);

  EXPECT_EQ(club.siblingId, 77);
  EXPECT_EQ(person.siblingId, 99u);
  EXPECT_EQ(person.starHead, 55);
  EXPECT_FALSE(FileExists(report));
  EXPECT_EQ(MappingFinalText(MappingCommand::kPlayerIds, MappingResult::kNoList), "Failure while mapping");
}

}  // namespace
}  // namespace torvale
