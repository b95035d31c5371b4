#pragma once
// The game's small text tables in the language folder of a database: boot models, faces,
// club speech samples and team colours, each a list of (id, text) entries that the editors
// offer as choices; and the stadium models of "StadiumList.txt". The editor only reads them.

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

namespace torvale {

// Text of the leading "none" entry of the face and speech lists.
constexpr int IDS_TEXTFILE_NOT_AVAILABLE = 760;

struct TextFileSettings {
  int capacity = 0;           // entries allocated before reading; the list never grows past it
  bool twoLinesPerEntry = true;
  bool countLine = true;      // the first line holds the number of entries
  bool idFirst = true;        // the id line comes before the text line
  int noneTextId = 0;         // string-table text of a leading entry 0; 0 = no such entry
  int defaultTextId = 0;      // string-table text of the entries made up for a missing file
};

class CBaseTextFile {
 public:
  explicit CBaseTextFile(const TextFileSettings& settings) : settings_(settings) {}
  virtual ~CBaseTextFile() = default;
  CBaseTextFile(const CBaseTextFile&) = delete;
  CBaseTextFile& operator=(const CBaseTextFile&) = delete;

  virtual void Free();
  virtual void Allocate(int n);
  virtual void SetId(int index, uint32_t id);
  virtual void SetText(int index, std::string_view text);
  virtual void SetDefaultText(int index);
  virtual void SetNoneText(int index);

  // Fills the list from the file at `path`. A file that cannot be opened is no error: the
  // list then holds `capacity` made-up entries numbered by their index. Returns whether the
  // file was read.
  bool Load(std::string_view path);

  int Count() const { return count_; }
  const TextFileSettings& Settings() const { return settings_; }
  uint32_t GetId(int index) const;
  std::string_view GetText(int index) const;
  // Id 0 ("none") is always acceptable; otherwise the id must be one of the entries in use.
  bool ContainsId(uint32_t id) const;

 protected:
  bool ValidIndex(int index) const { return index >= 0 && index < static_cast<int>(ids_.size()); }

 private:
  void FillDefaults();

  TextFileSettings settings_;
  std::vector<uint32_t> ids_;
  std::vector<std::string> texts_;
  int count_ = 0;
};

// Team colours: each text line is "name,colour number".
class CTeamColourTextFile : public CBaseTextFile {
 public:
  explicit CTeamColourTextFile(const TextFileSettings& settings) : CBaseTextFile(settings) {}
  ~CTeamColourTextFile() override = default;

  void Free() override;
  void Allocate(int n) override;
  void SetText(int index, std::string_view text) override;
  void SetDefaultText(int index) override;

  uint32_t GetColour(int index) const;

 private:
  std::vector<uint32_t> colours_;
};

// One stadium model of "StadiumList.txt".
struct CStadiumModel {
  std::string name;
  uint8_t model = 0;
  bool flag = false;
};

class CStadiumList {
 public:
  // Reads the models in file order; a missing file leaves the list empty.
  bool Load(std::string_view path);
  void Free() { models_.clear(); }
  const std::vector<CStadiumModel>& Models() const { return models_; }
  // Index of the model with this model number (the stadium editor preselects it); -1 if none.
  int FindModel(uint8_t model) const;

 private:
  std::vector<CStadiumModel> models_;
};

// The tables of one database folder, loaded together at the main window's start and at the
// start of a master build. The application owns one instance; tests make their own.
class CTextDataTables {
 public:
  CTextDataTables();

  // Loads every table from "<databaseFolder>/<languageFolder>/<file>" in the game's order:
  // boots, faces, speech, team colours (into both colour lists), then the stadium models.
  void Load(std::string_view databaseFolder, std::string_view languageFolder);
  // The same with the interface-language folder of the string table ("ger").
  void Load(std::string_view databaseFolder);

  CBaseTextFile shoes;
  CBaseTextFile faces;
  CBaseTextFile speeches;
  CTeamColourTextFile teamColours;
  CTeamColourTextFile secondTeamColours;
  CStadiumList stadiumModels;
};

// The settings of the game's tables.
TextFileSettings ShoeFileSettings();
TextFileSettings FaceFileSettings();
TextFileSettings ClubSpeechFileSettings();
TextFileSettings TeamColourFileSettings();

}  // namespace torvale
