#include "world/stadium.h"

#include "storage/record_stream.h"
#include "world/fixed_text.h"

namespace torvale {

namespace {

// Files of 0x2004 before low half 5 numbered the models of an older, longer list; its
// numbers 1-5 correspond to model 1 of the current list, 6-9 to model 2, the rest to none.
uint8_t ConvertOldStadiumType(uint8_t type) {
  if (type >= 1 && type <= 5) return 1;
  if (type >= 6 && type <= 9) return 2;
  return 0;
}

}  // namespace

int64_t CStadium::Capacity() const {
  int64_t total = 0;
  for (int k = 0; k < kStandCount; ++k) total += int64_t{seats[k]} + standing[k] + vipSeats[k];
  return total;
}

bool WriteStadium(CKLFile& file, const CStadium& s) {
  bool ok = file.BeginSection("STADIUM");
  ok = file.WriteInt(static_cast<int8_t>(s.typeByte)) && ok;
  ok = WriteFixedText(file, s.name) && ok;
  ok = WriteFixedText(file, s.town) && ok;
  ok = file.WriteInt(s.extra) && ok;
  for (int k = 0; k < kStandCount; ++k) {
    ok = file.WriteInt(s.seats[k]) && ok;
    ok = file.WriteInt(s.standing[k]) && ok;
    ok = file.WriteInt(s.vipSeats[k]) && ok;
  }
  ok = file.WriteInt(static_cast<int8_t>(s.seasonTicketBlocks)) && ok;
  ok = file.WriteInt(static_cast<int8_t>(s.guestBlocks)) && ok;
  return file.EndSection("STADIUM") && ok;
}

bool ReadStadium(CKLFile& file, CStadium& s) {
  if (!file.FindSection("STADIUM")) return false;
  const uint16_t major = file.GetLoadedVersionMajor();
  const uint16_t minor = file.GetLoadedVersionMinor();
  file.ReadInt(s.typeByte);
  if (major == 0x2004 && minor < 5) s.typeByte = ConvertOldStadiumType(s.typeByte);
  ReadFixedText(file, s.name);
  ReadFixedText(file, s.town);
  if (major < 0x2004) {
    // Older files held a text at this place; it has no use any more.
    std::string dropped;
    file.ReadString(dropped);
    s.extra = 0;
  } else {
    file.ReadInt(s.extra);
  }
  for (int k = 0; k < kStandCount; ++k) {
    file.ReadInt(s.seats[k]);
    file.ReadInt(s.standing[k]);
    file.ReadInt(s.vipSeats[k]);
  }
  file.ReadInt(s.seasonTicketBlocks);
  file.ReadInt(s.guestBlocks);
  file.FindSectionEnd("STADIUM");
  return true;
}

}  // namespace torvale
