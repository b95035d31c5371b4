#include "exchange/text_data_file.h"

#include <algorithm>

#include "exchange/text_lines.h"
#include "platform/path.h"
#include "platform/string_table.h"
#include "storage/record_stream.h"

namespace torvale {

namespace {

// Longest text an entry keeps; the game's choice lists were laid out for it.
constexpr size_t kMaxEntryText = 128;
// The language folder is string 799 of the string table ("ger").
constexpr int IDS_LANGUAGE_FOLDER = 799;

std::string_view EntryText(std::string_view line) { return line.substr(0, kMaxEntryText); }

uint32_t EntryId(std::string_view line) { return static_cast<uint32_t>(CKLFile::ParseInt(line)); }

}  // namespace

// ------------------------------------------------------------------ CBaseTextFile

void CBaseTextFile::Free() {
  ids_.clear();
  texts_.clear();
  count_ = 0;
}

void CBaseTextFile::Allocate(int n) {
  Free();
  const size_t size = static_cast<size_t>(std::max(n, 0));
  ids_.assign(size, 0);
  texts_.assign(size, std::string());
}

void CBaseTextFile::SetId(int index, uint32_t id) {
  if (ValidIndex(index)) ids_[static_cast<size_t>(index)] = id;
}

void CBaseTextFile::SetText(int index, std::string_view text) {
  if (ValidIndex(index)) texts_[static_cast<size_t>(index)].assign(text);
}

void CBaseTextFile::SetDefaultText(int index) {
  CBaseTextFile::SetText(index, settings_.defaultTextId ? LoadString(settings_.defaultTextId) : "");
}

void CBaseTextFile::SetNoneText(int index) {
  CBaseTextFile::SetText(index, LoadString(settings_.noneTextId));
}

uint32_t CBaseTextFile::GetId(int index) const {
  return ValidIndex(index) ? ids_[static_cast<size_t>(index)] : 0;
}

std::string_view CBaseTextFile::GetText(int index) const {
  return ValidIndex(index) ? std::string_view(texts_[static_cast<size_t>(index)]) : std::string_view();
}

bool CBaseTextFile::ContainsId(uint32_t id) const {
  if (id == 0) return true;
  const auto end = ids_.begin() + std::min<ptrdiff_t>(count_, static_cast<ptrdiff_t>(ids_.size()));
  return std::find(ids_.begin(), end, id) != end;
}

void CBaseTextFile::FillDefaults() {
  int first = 0;
  if (settings_.noneTextId && settings_.capacity > 0) {
    SetId(0, 0);
    SetDefaultText(0);
    first = 1;
  }
  for (int i = first; i < settings_.capacity; ++i) {
    SetId(i, static_cast<uint32_t>(i));
    SetDefaultText(i);
  }
  count_ = settings_.capacity;
}

bool CBaseTextFile::Load(std::string_view path) {
  Allocate(settings_.capacity);
  std::string content;
  if (!ReadWholeFile(path, content)) {
    FillDefaults();
    return false;
  }
  TextLineReader lines(std::move(content));
  std::string_view line;

  int wanted = 0;
  if (settings_.countLine && lines.Next(line)) wanted = std::max(CKLFile::ParseInt(line), 0);
  int index = 0;
  if (settings_.noneTextId && settings_.capacity > 0) {
    SetId(0, 0);
    SetNoneText(0);
    index = 1;
    ++wanted;
  }
  // A count beyond the capacity would overrun the choice lists: the extra entries are dropped.
  wanted = std::min(wanted, settings_.capacity);
  count_ = index;

  for (; index < wanted; ++index) {
    std::string_view first;
    if (!lines.Next(first)) break;
    std::string_view second;
    const bool hasSecond = settings_.twoLinesPerEntry && lines.Next(second);
    if (!settings_.twoLinesPerEntry) {
      SetId(index, static_cast<uint32_t>(index));
      SetText(index, EntryText(first));
    } else if (settings_.idFirst) {
      SetId(index, EntryId(first));
      SetText(index, EntryText(hasSecond ? second : std::string_view()));
    } else {
      SetText(index, EntryText(first));
      SetId(index, hasSecond ? EntryId(second) : 0);
    }
    count_ = index + 1;
  }
  return true;
}

// ------------------------------------------------------------------ CTeamColourTextFile

void CTeamColourTextFile::Free() {
  CBaseTextFile::Free();
  colours_.clear();
}

void CTeamColourTextFile::Allocate(int n) {
  CBaseTextFile::Allocate(n);
  colours_.assign(static_cast<size_t>(std::max(n, 0)), 0);
}

void CTeamColourTextFile::SetText(int index, std::string_view text) {
  const size_t comma = text.find(',');
  const bool onlyCommas = text.find_first_not_of(',') == std::string_view::npos;
  if (comma == std::string_view::npos || onlyCommas) {
    CBaseTextFile::SetText(index, text);
    if (ValidIndex(index)) colours_[static_cast<size_t>(index)] = 0;
    return;
  }
  CBaseTextFile::SetText(index, text.substr(0, comma));
  if (ValidIndex(index))
    colours_[static_cast<size_t>(index)] = static_cast<uint32_t>(CKLFile::ParseInt(text.substr(comma + 1)));
}

void CTeamColourTextFile::SetDefaultText(int index) {
  CBaseTextFile::SetDefaultText(index);
  if (ValidIndex(index)) colours_[static_cast<size_t>(index)] = 0;
}

uint32_t CTeamColourTextFile::GetColour(int index) const {
  return ValidIndex(index) ? colours_[static_cast<size_t>(index)] : 0;
}

// ------------------------------------------------------------------ CStadiumList

bool CStadiumList::Load(std::string_view path) {
  models_.clear();
  CKLFile file;
  if (!file.OpenRead(ResolvePath(path))) return false;
  int32_t count = 0;
  file.ReadInt(count);
  // The count is only a promise: models are taken while the file has them.
  for (int32_t i = 0; i < count; ++i) {
    CStadiumModel model;
    if (!file.ReadString(model.name)) break;
    file.ReadInt(model.model);
    file.ReadBool(model.flag);
    models_.push_back(std::move(model));
  }
  file.Close();
  return true;
}

int CStadiumList::FindModel(uint8_t model) const {
  for (size_t i = 0; i < models_.size(); ++i)
    if (models_[i].model == model) return static_cast<int>(i);
  return -1;
}

// ------------------------------------------------------------------ the game's tables

TextFileSettings ShoeFileSettings() { return {5, true, true, true, 0, 0}; }
TextFileSettings FaceFileSettings() { return {1000, true, true, false, IDS_TEXTFILE_NOT_AVAILABLE, 0}; }
TextFileSettings ClubSpeechFileSettings() { return {500, true, true, true, IDS_TEXTFILE_NOT_AVAILABLE, 0}; }
TextFileSettings TeamColourFileSettings() { return {30, true, true, true, 0, 0}; }

CTextDataTables::CTextDataTables()
    : shoes(ShoeFileSettings()),
      faces(FaceFileSettings()),
      speeches(ClubSpeechFileSettings()),
      teamColours(TeamColourFileSettings()),
      secondTeamColours(TeamColourFileSettings()) {}

void CTextDataTables::Load(std::string_view databaseFolder, std::string_view languageFolder) {
  const std::string folder = JoinPath(databaseFolder, languageFolder);
  shoes.Load(JoinPath(folder, "shoe.txt"));
  faces.Load(JoinPath(folder, "faceIDs.txt"));
  speeches.Load(JoinPath(folder, "clubSpeechIDs.txt"));
  teamColours.Load(JoinPath(folder, "TeamColour.txt"));
  secondTeamColours.Load(JoinPath(folder, "TeamColour.txt"));
  stadiumModels.Load(JoinPath(folder, "StadiumList.txt"));
}

void CTextDataTables::Load(std::string_view databaseFolder) {
  Load(databaseFolder, LoadString(IDS_LANGUAGE_FOLDER));
}

}  // namespace torvale
