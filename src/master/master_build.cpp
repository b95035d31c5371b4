// BuildMaster: the two passes over the world's records that produce the master file, and the
// club trim that batch builds can run first.

#include "master/master_build.h"

#include <cstdio>
#include <memory>
#include <string>
#include <vector>

#include "competition/competition_registry.h"
#include "competition/league.h"
#include "exchange/name_pool.h"
#include "master/master_records.h"
#include "master/master_writer.h"
#include "platform/command_line.h"
#include "platform/path.h"
#include "platform/string_table.h"
#include "world/country.h"
#include "world/sibling_lookup.h"

namespace torvale {

namespace {

constexpr int kProgressSteps = 621;  // three phases of 206 countries and some slack
constexpr int kStringNoCountry = 618;
constexpr int kStringSaved = 619;
constexpr int kStringErrorHeading = 622;
constexpr int kStringCompleteCountries = 623;
constexpr int kStringWriteError = 798;
constexpr int kStringTitle = 833;
constexpr int kStringText = 834;
constexpr int kStringPhase = 835;
constexpr const char* kTooManyTeams =
    "To many Teams used in current competition structure, please remove some leagues!";

std::string PhaseStatus(int phase, std::string_view countryName) {
  const std::string format = LoadString(kStringPhase);
  const std::string name(countryName);
  const int n = std::snprintf(nullptr, 0, format.c_str(), phase, name.c_str());
  std::string text(static_cast<size_t>(std::max(n, 0)) + 1, '\0');
  std::snprintf(text.data(), text.size(), format.c_str(), phase, name.c_str());
  text.resize(static_cast<size_t>(std::max(n, 0)));
  return text;
}

void Step(MasterProgress& progress, int phase, const CCountry& country, int language) {
  progress.SetPosition(progress.Position() + 1);
  progress.SetStatus(PhaseStatus(phase, country.Name(language)));
}

void LoadNameFiles(CNamePool& pool, std::string_view databasePath) {
  pool.Reset();
  pool.LoadFile(kPoolMaleFirstNames, JoinPath(databasePath, "MaleNames.txt"));
  pool.LoadFile(kPoolFemaleFirstNames, JoinPath(databasePath, "FemaleNames.txt"));
  pool.LoadFile(kPoolSurnames, JoinPath(databasePath, "Surnames.txt"));
}

}  // namespace

std::string MasterFileName(std::string_view databasePath, int language, bool batch, uint32_t flags) {
  if (batch && (flags & kMasterBuildPs2) != 0)
    return JoinPath(databasePath, "Master" + std::to_string(language) + ".dat");
  return JoinPath(databasePath, "Master.dat");
}

MasterBuildResult BuildMaster(MasterBuildWorld& world, const MasterBuildOptions& options,
                              const MasterBuildTables& tables, MasterProgress& progress,
                              MasterBuildPrompts& prompts, std::string* writtenPath) {
  progress.Show(false);
  progress.SetDetail("");
  progress.SetRange(0, kProgressSteps);
  progress.SetPosition(0);
  progress.EnableCancel(false);
  progress.SetTitle(LoadString(kStringTitle));
  progress.SetText(LoadString(kStringText));

  CMasterWriter writer;
  CNamePool& pool = world.NamePool();
  const std::string databasePath = world.DatabasePath();
  LoadNameFiles(pool, databasePath);
  world.SetLanguage(options.language);

  const ConsoleConversions identity;
  const NoSiblingGameLists noLists;
  const MasterLogs logs(options.flags, options.logFolder);
  MasterRecordContext context{writer,
                              options.language,
                              options.flags,
                              pool,
                              world.ClubIds(),
                              world.CountryLanguages(),
                              tables.console ? *tables.console : identity,
                              tables.sibling ? *tables.sibling : static_cast<const SiblingGameLookup&>(noLists),
                              logs,
                              tables.badgeMissing,
                              {},
                              {}};

  // Every slot has its header and record; an empty slot is written as a country without
  // names, clubs or competitions, so that the file always holds 206 of each.
  std::vector<std::unique_ptr<CCountry>> emptySlots;
  std::vector<const CCountry*> countries(kLastMasterCountry + 1, nullptr);
  for (int n = kFirstMasterCountry; n <= kLastMasterCountry; ++n) {
    countries[static_cast<size_t>(n)] = world.Country(n);
    if (!countries[static_cast<size_t>(n)]) {
      emptySlots.push_back(std::make_unique<CCountry>(static_cast<uint32_t>(n)));
      countries[static_cast<size_t>(n)] = emptySlots.back().get();
    }
  }

  // The headers are counted here; the same writer counts the records afterwards.
  std::vector<const CCountry*> complete;
  for (int n = kFirstMasterCountry; n <= kLastMasterCountry; ++n)
    if (WriteCountryHeader(context, *countries[static_cast<size_t>(n)])) complete.push_back(countries[static_cast<size_t>(n)]);
  if (complete.empty()) {
    if (options.batch) {
      std::printf("No completed countries\n");
      std::fflush(stdout);
    } else {
      prompts.ShowSingle(LoadString(kStringErrorHeading), LoadString(kStringNoCountry));
    }
    return MasterBuildResult::kNoCompleteCountries;
  }
  if (!options.batch) {
    std::string names;
    for (const CCountry* country : complete) {
      if (!names.empty()) names += ", ";
      names += country->Name(options.language);
    }
    names += "\n";
    if (!prompts.AskMessage(LoadString(kStringCompleteCountries), names)) return MasterBuildResult::kNotConfirmed;
  }

  const CPersonTable* persons = world.Persons();
  progress.Show(true);
  for (int n = kFirstMasterCountry; n <= kLastMasterCountry; ++n) {
    const CCountry& country = *countries[static_cast<size_t>(n)];
    Step(progress, 1, country, options.language);
    WriteCountryMaster(context, country, persons);
  }
  world.WriteRulesMaster(writer, options.flags);
  std::vector<uint32_t> listSizes(CNamePool::kLists);
  for (int list = 0; list < CNamePool::kLists; ++list) {
    listSizes[static_cast<size_t>(list)] = static_cast<uint32_t>(pool.List(list).SerializedSize());
    // Counted only: the size word, then the block with its own size word.
    writer.WriteU32(listSizes[static_cast<size_t>(list)]);
    writer.WriteBlock(nullptr, listSizes[static_cast<size_t>(list)]);
  }
  writer.WriteU32(0);  // the file's leading size word

  const std::string path = MasterFileName(databasePath, options.language, options.batch, options.flags);
  auto failed = [&] {
    writer.Close();
    progress.Show(false);
    if (!options.batch) prompts.AskMessage(LoadString(kStringWriteError), "");
    else std::fprintf(stderr, "Master file %s could not be written.\n", path.c_str());
    return MasterBuildResult::kWriteFailed;
  };
  if (!writer.Open(path)) return failed();
  writer.WriteU32(writer.Total());

  for (int n = kFirstMasterCountry; n <= kLastMasterCountry; ++n) {
    const CCountry& country = *countries[static_cast<size_t>(n)];
    Step(progress, 2, country, options.language);
    WriteCountryHeader(context, country);
  }
  std::vector<uint8_t> buffer;
  for (int list = 0; list < CNamePool::kLists; ++list) {
    const uint32_t size = listSizes[static_cast<size_t>(list)];
    buffer.assign(size, 0);
    pool.List(list).Serialize(buffer.data());
    writer.WriteU32(size);
    writer.WriteBlock(buffer.data(), size);
  }
  world.WriteRulesMaster(writer, options.flags);
  for (int n = kFirstMasterCountry; n <= kLastMasterCountry; ++n) {
    const CCountry& country = *countries[static_cast<size_t>(n)];
    Step(progress, 3, country, options.language);
    WriteCountryMaster(context, country, persons);
  }
  if (!writer.Flush()) return failed();
  writer.Close();
  if (writtenPath) *writtenPath = path;
  if (!options.batch) {
    progress.Show(false);
    prompts.ShowSingle(LoadString(kStringSaved), "");
  }
  return MasterBuildResult::kWritten;
}

int TrimCountryClubs(CCountry& country, const CompetitionRegistry& registry, int limit,
                     const std::function<void(std::string_view)>& message) {
  // Every club number can be used; the game's table of 1000 flags would be overrun by the
  // higher numbers a long-edited country can have.
  std::vector<bool> used(0x10000, false);
  int entries = 0;
  const int number = country.CountryNumber();
  registry.ForEach([&](CDBCompetition& node) {
    if (node.Country() != number) return;
    const auto* league = dynamic_cast<const CDBLeague*>(&node);
    if (!league) return;
    for (int i = 0; i < league->TeamCount(); ++i) {
      used[ClubNumber(league->GetTeam(i))] = true;
      ++entries;
    }
  });
  if (entries > limit) {
    if (message) message(kTooManyTeams);
    return -1;
  }
  const int clubsAtStart = static_cast<int>(country.Clubs().size());
  int removed = 0;
  for (int i = 1; i <= clubsAtStart && static_cast<int>(country.Clubs().size()) > limit; ++i) {
    if (i >= static_cast<int>(kAmateurClubNumber) || used[static_cast<size_t>(i)]) continue;
    if (country.RemoveClub(MakeClubId(country.countryId, static_cast<uint32_t>(i)))) ++removed;
  }
  return removed;
}

}  // namespace torvale
