#pragma once
// The master build: compiles a world into the game's master file ("Master.dat", or one file
// per language for the console in batch mode). A counting pass over every record writer
// sizes the file exactly; the writing pass fills one buffer that is written in one call.
//
// The build sees the world through MasterBuildWorld, talks to the user through
// MasterBuildPrompts (batch mode prints, the main window shows its dialogs) and reports
// progress through MasterProgress (the long-time operation's dialog; batch mode is silent).

#include <cstdint>
#include <functional>
#include <string>
#include <string_view>

#include "master/console_tables.h"

namespace torvale {

class CCountry;
class CMasterWriter;
class CNamePool;
class CPersonTable;
class ClubIdMapper;
class CountryLanguageLookup;
class CompetitionRegistry;
class SiblingGameLookup;

// What the long-time operation's dialog shows.
class MasterProgress {
 public:
  virtual ~MasterProgress() = default;
  virtual void Show(bool visible) = 0;
  virtual void SetTitle(std::string_view title) = 0;
  virtual void SetText(std::string_view text) = 0;
  virtual void SetStatus(std::string_view status) = 0;
  virtual void SetDetail(std::string_view detail) = 0;
  virtual void SetRange(int low, int high) = 0;
  virtual void SetPosition(int position) = 0;
  virtual int Position() const = 0;
  virtual void EnableCancel(bool enabled) = 0;
  virtual bool CancelRequested() const = 0;
};

// Batch mode: nothing is shown.
class SilentProgress final : public MasterProgress {
 public:
  void Show(bool) override {}
  void SetTitle(std::string_view) override {}
  void SetText(std::string_view) override {}
  void SetStatus(std::string_view) override {}
  void SetDetail(std::string_view) override {}
  void SetRange(int, int) override {}
  void SetPosition(int position) override { position_ = position; }
  int Position() const override { return position_; }
  void EnableCancel(bool) override {}
  bool CancelRequested() const override { return false; }

 private:
  int position_ = 0;
};

// The questions and messages of an interactive build. Texts are Windows-1252.
class MasterBuildPrompts {
 public:
  virtual ~MasterBuildPrompts() = default;
  // CDlgErrorSingle with a heading and a text.
  virtual void ShowSingle(std::string_view heading, std::string_view text) = 0;
  // CDlgErrorMessage; true when the user pressed OK.
  virtual bool AskMessage(std::string_view heading, std::string_view text) = 0;
};

// The world as the build needs it. CWorldDatabase answers it; tests build worlds in code.
class MasterBuildWorld {
 public:
  virtual ~MasterBuildWorld() = default;
  // Country 1-206; null for an empty slot.
  virtual const CCountry* Country(int number) const = 0;
  virtual const CPersonTable* Persons() const = 0;
  virtual CNamePool& NamePool() = 0;
  // The database language of names (club and country names, sibling look-ups).
  virtual void SetLanguage(int language) = 0;
  // Club references of every country under the numbering the world is saved with.
  virtual const ClubIdMapper& ClubIds() const = 0;
  virtual const CountryLanguageLookup& CountryLanguages() const = 0;
  // The global rules record (docs/master-format.md).
  virtual void WriteRulesMaster(CMasterWriter& writer, uint32_t flags) const = 0;
  // The active database folder: the name files are read from it and the file goes there.
  virtual std::string DatabasePath() const = 0;
};

enum class MasterBuildResult {
  kWritten,
  kNoCompleteCountries,
  kNotConfirmed,   // the user did not confirm the list of complete countries
  kWriteFailed,    // nothing counted, or the file could not be made or written
};

struct MasterBuildOptions {
  int language = 0;
  bool batch = true;
  uint32_t flags = 0;  // MasterBuildFlags
  // Folder of the logs; empty for the working folder.
  std::string logFolder;
};

// Process-wide tables the build reads, each optional.
struct MasterBuildTables {
  const ConsoleConversions* console = nullptr;     // identity tables when null
  const SiblingGameLookup* sibling = nullptr;      // no star heads when null
  std::function<bool(std::string_view)> badgeMissing;
};

// Batch mode: no dialogs; the build prints its one message itself.
class BatchPrompts final : public MasterBuildPrompts {
 public:
  void ShowSingle(std::string_view, std::string_view) override {}
  bool AskMessage(std::string_view, std::string_view) override { return true; }
};

// The master file's name: "<db>/Master<language>.dat" for a console build in batch mode,
// else "<db>/Master.dat".
std::string MasterFileName(std::string_view databasePath, int language, bool batch, uint32_t flags);

// The build itself. `writtenPath` (when given) receives the file written.
MasterBuildResult BuildMaster(MasterBuildWorld& world, const MasterBuildOptions& options,
                              const MasterBuildTables& tables, MasterProgress& progress,
                              MasterBuildPrompts& prompts, std::string* writtenPath = nullptr);

// The trim of "killdata": keeps the clubs the competitions of `country` use and removes
// others (in number order) until the country holds at most `limit` clubs. Refused, and
// nothing removed, when the competitions hold more than `limit` team entries; `message`
// then receives the message to show. Returns the number of clubs removed, -1 when refused.
int TrimCountryClubs(CCountry& country, const CompetitionRegistry& registry, int limit,
                     const std::function<void(std::string_view)>& message);

}  // namespace torvale
