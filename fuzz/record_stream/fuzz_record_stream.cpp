// Database files come from other people's installations and archives: run the readers'
// pattern over arbitrary bytes (version, nested sections in writing order, every primitive,
// records cut short), then check that every text read survives a write and a second read
// as the same single value.

#include <cstdint>
#include <cstdlib>
#include <string>
#include <vector>

#include "storage/record_stream.h"

namespace {

using torvale::CKLFile;

constexpr int kMaxRecords = 256;

bool ReadPlayer(CKLFile& file, std::vector<std::string>& texts) {
  if (!file.FindSection("PLAYER")) return false;
  char firstName[16] = {};
  char surname[20] = {};
  file.ReadString(firstName);
  file.ReadString(surname);
  uint32_t id = 0;
  file.ReadHex(id);
  uint8_t abilities[12];
  file.ReadByteList(abilities, sizeof abilities);
  uint8_t positions[3];
  file.ReadByteLines(positions, sizeof positions);
  int flag = 0;
  file.ReadBool(flag);
  std::string nickname;
  if (file.ReadString(nickname)) texts.push_back(nickname);
  file.FindSectionEnd("PLAYER");
  return true;
}

void ReadClub(CKLFile& file, int number, std::vector<std::string>& texts) {
  const std::string section = "CLUB" + std::to_string(number);
  if (!file.FindSection(section)) return;
  std::string names;
  if (file.ReadString(names)) {
    texts.push_back(names);
    const char* position = names.c_str();
    char slot[20];
    for (int language = 0; language < 5; ++language) CKLFile::ExtractDelimited(position, '"', slot, sizeof slot);
  }
  int32_t founded = 0;
  int16_t capacity = 0;
  int8_t league = 0;
  file.ReadInt(founded);
  file.ReadInt(capacity);
  file.ReadInt(league);
  for (int player = 0; player < kMaxRecords && ReadPlayer(file, texts); ++player) {
  }
  file.FindSectionEnd(section);
}

void ReadCountry(CKLFile& file, std::vector<std::string>& texts) {
  torvale::ReadVersion(file);
  if (file.FindSection("COUNTRY")) {
    char name[20] = {};
    file.ReadString(name);
    texts.emplace_back(name);
    uint16_t clubs = 0;
    file.ReadInt(clubs);
    for (int club = 0; club < kMaxRecords; ++club) ReadClub(file, club, texts);
    file.FindSectionEnd("COUNTRY");
  }
  std::string value;
  for (int i = 0; i < kMaxRecords && file.ReadString(value); ++i) texts.push_back(value);
  std::string_view line;
  while (file.ReadLine(line)) {
  }
}

// What WriteString keeps of a text that was read as a value: line breaks become blanks.
std::string Written(std::string text) {
  for (char& c : text)
    if (c == '\r' || c == '\n') c = ' ';
  return text;
}

void CheckTextsSurviveARoundTrip(const std::vector<std::string>& texts) {
  CKLFile out;
  out.OpenWriteToMemory();
  out.BeginSection("TEXTS");
  for (const std::string& text : texts) out.WriteString(text);
  out.EndSection("TEXTS");
  CKLFile in;
  in.OpenReadFromMemory(out.TakeWritten());
  if (!in.FindSection("TEXTS")) std::abort();
  std::string reread;
  for (const std::string& text : texts) {
    if (!in.ReadString(reread)) std::abort();
    std::string expected = Written(text);
    if (!expected.empty() && (expected[0] == ';' || expected[0] == '%')) expected.insert(0, 1, ' ');
    if (reread != expected) std::abort();
  }
  if (in.ReadString(reread) || !in.FindSectionEnd("TEXTS")) std::abort();
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  CKLFile file;
  file.OpenReadFromMemory(std::string(reinterpret_cast<const char*>(data), size));
  std::vector<std::string> texts;
  ReadCountry(file, texts);
  CheckTextsSurviveARoundTrip(texts);

  // Delimiters taken from the input reach every character, NUL included.
  if (size > 0) {
    std::string text(reinterpret_cast<const char*>(data) + 1, size - 1);
    const char* position = text.c_str();
    char slot[8];
    while (CKLFile::ExtractDelimited(position, static_cast<char>(data[0]), slot, sizeof slot)) {
    }
  }
  return 0;
}
