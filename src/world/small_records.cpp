#include "world/small_records.h"

#include "storage/record_stream.h"
#include "world/fixed_text.h"
#include "world/person_names.h"

namespace torvale {

namespace {

// Unsigned single-byte values are written as their number 0-255.
bool WriteBytes(CKLFile& file, const uint8_t* bytes, size_t count) {
  bool ok = true;
  for (size_t i = 0; i < count; ++i) ok = file.WriteInt(bytes[i]) && ok;
  return ok;
}

void ReadBytes(CKLFile& file, uint8_t* bytes, size_t count) {
  for (size_t i = 0; i < count; ++i) file.ReadInt(bytes[i]);
}

bool FileHasTeamParts(const CKLFile& file) { return file.GetLoadedVersionMajor() >= 0x2004; }

}  // namespace

std::string CReferee::ShortName() const {
  return ShortDisplayName(FixedText(firstName), FixedText(surname));
}

std::string CStaffMember::ShortName() const {
  return ShortDisplayName(FixedText(firstName), FixedText(surname));
}

std::string CPlayerPoolEntry::ShortName() const {
  return ShortDisplayName(FixedText(firstName), FixedText(surname), ",");
}

bool WriteManager(CKLFile& file, const MANAGER& m) {
  bool ok = file.BeginSection("MANAGER");
  ok = WriteFixedText(file, m.firstName) && ok;
  ok = WriteFixedText(file, m.surname) && ok;
  ok = WriteFixedText(file, m.nickname) && ok;
  ok = file.WriteInt(m.nationality) && ok;
  ok = WriteDate(file, m.birthDate) && ok;
  ok = WriteBytes(file, m.abilities, 4) && ok;
  ok = WriteBytes(file, m.languages.data(), m.languages.size()) && ok;
  ok = file.WriteInt(m.nationalExperience) && ok;
  ok = file.WriteInt(m.internationalExperience) && ok;
  return file.EndSection("MANAGER") && ok;
}

bool ReadManager(CKLFile& file, MANAGER& m) {
  if (!file.FindSection("MANAGER")) return false;
  ReadFixedText(file, m.firstName);
  ReadFixedText(file, m.surname);
  ReadFixedText(file, m.nickname);
  file.ReadInt(m.nationality);
  ReadDate(file, m.birthDate);
  ReadBytes(file, m.abilities, 4);
  ReadBytes(file, m.languages.data(), m.languages.size());
  file.ReadInt(m.nationalExperience);
  file.ReadInt(m.internationalExperience);
  file.FindSectionEnd("MANAGER");
  return true;
}

bool WriteReferee(CKLFile& file, const CReferee& r) {
  bool ok = file.BeginSection("REFEREE");
  ok = WriteFixedText(file, r.firstName) && ok;
  ok = WriteFixedText(file, r.surname) && ok;
  ok = file.WriteInt(r.character) && ok;
  return file.EndSection("REFEREE") && ok;
}

bool ReadReferee(CKLFile& file, CReferee& r) {
  if (!file.FindSection("REFEREE")) return false;
  ReadFixedText(file, r.firstName);
  ReadFixedText(file, r.surname);
  file.ReadInt(r.character);
  file.FindSectionEnd("REFEREE");
  return true;
}

bool WriteStaffMember(CKLFile& file, const CStaffMember& s) {
  bool ok = file.BeginSection("STAFF");
  ok = WriteFixedText(file, s.firstName) && ok;
  ok = WriteFixedText(file, s.surname) && ok;
  ok = file.WriteInt(s.job) && ok;
  ok = file.WriteInt(static_cast<int32_t>(s.qualification)) && ok;
  return file.EndSection("STAFF") && ok;
}

bool ReadStaffMember(CKLFile& file, CStaffMember& s) {
  if (!file.FindSection("STAFF")) return false;
  ReadFixedText(file, s.firstName);
  ReadFixedText(file, s.surname);
  file.ReadInt(s.job);
  file.ReadInt(s.qualification);
  file.FindSectionEnd("STAFF");
  return true;
}

bool WriteSponsor(CKLFile& file, const CSponsor& s) {
  bool ok = file.BeginSection("SPONSOR");
  ok = WriteFixedText(file, s.name) && ok;
  ok = file.WriteInt(s.value) && ok;
  ok = WriteFixedText(file, s.text1) && ok;
  ok = WriteFixedText(file, s.text2) && ok;
  return file.EndSection("SPONSOR") && ok;
}

bool ReadSponsor(CKLFile& file, CSponsor& s) {
  if (!file.FindSection("SPONSOR")) return false;
  ReadFixedText(file, s.name, CSponsor::kNameChars);
  file.ReadInt(s.value);
  ReadFixedText(file, s.text1, CSponsor::kTextChars);
  ReadFixedText(file, s.text2, CSponsor::kTextChars);
  file.FindSectionEnd("SPONSOR");
  return true;
}

bool WritePlayerPoolEntry(CKLFile& file, const CPlayerPoolEntry& e) {
  bool ok = file.BeginSection("PL_POOL");
  ok = WriteFixedText(file, e.firstName) && ok;
  ok = WriteFixedText(file, e.surname) && ok;
  ok = WriteFixedText(file, e.thirdName) && ok;
  ok = file.WriteInt(e.nationality) && ok;
  ok = file.WriteInt(e.ability) && ok;
  ok = file.WriteInt(e.preferredClub) && ok;
  ok = file.WriteInt(e.teamPart) && ok;
  return file.EndSection("PL_POOL") && ok;
}

bool ReadPlayerPoolEntry(CKLFile& file, CPlayerPoolEntry& e) {
  if (!file.FindSection("PL_POOL")) return false;
  ReadFixedText(file, e.firstName);
  ReadFixedText(file, e.surname);
  ReadFixedText(file, e.thirdName);
  file.ReadInt(e.nationality);
  file.ReadInt(e.ability);
  file.ReadInt(e.preferredClub);
  // Older pools had no team part.
  if (FileHasTeamParts(file)) file.ReadInt(e.teamPart);
  file.FindSectionEnd("PL_POOL");
  return true;
}

}  // namespace torvale
