#pragma once
// A stadium of a country's stadium list: its model ("Art des Stadions", an index into the
// stadium models of the language folder) and the places of its eight stands.

#include <cstdint>
#include <string>

namespace torvale {

class CKLFile;

enum StadiumStand : int {
  kStandMain = 0,  // "Haupttribüne"
  kStandOpposite,  // "Gegentribüne"
  kStandNorth,
  kStandSouth,
  kStandNorthWest,
  kStandNorthEast,
  kStandSouthWest,
  kStandSouthEast,
  kStandCount
};

struct CStadium {
  static constexpr uint8_t kTypeMask = 0x7F;
  static constexpr uint8_t kTypeFlag = 0x80;

  uint8_t spare[4] = {};
  char name[30] = {};
  char town[30] = {};
  uint8_t extra = 0;
  uint8_t typeByte = 0;  // bits 0-6 the model, bit 7 a flag of the stadium
  int32_t seats[kStandCount] = {};
  int32_t standing[kStandCount] = {};
  int32_t vipSeats[kStandCount] = {};
  uint8_t seasonTicketBlocks = 0;  // bit k: stand k
  uint8_t guestBlocks = 0;         // bit k: stand k

  uint8_t Type() const { return typeByte & kTypeMask; }
  void SetType(uint8_t type) { typeByte = static_cast<uint8_t>((typeByte & kTypeFlag) | (type & kTypeMask)); }
  bool TypeFlag() const { return (typeByte & kTypeFlag) != 0; }
  void SetTypeFlag(bool on) { typeByte = static_cast<uint8_t>(on ? typeByte | kTypeFlag : typeByte & kTypeMask); }

  // "Gesamtkapazität": every seat, standing place and VIP seat of all stands.
  int64_t Capacity() const;
  // A stand cannot be sold as season tickets and kept for the guests at once.
  bool IsValid() const { return (seasonTicketBlocks & guestBlocks) == 0; }

  friend bool operator==(const CStadium&, const CStadium&) = default;
};

// Stadium numbers that records store (a club's venues, a country's cup final) are written as
// the stadium's position in its country's list, which is the number it gets on reloading.
// The country implements this; it knows which numbers exist.
class StadiumPositionMapper {
 public:
  virtual ~StadiumPositionMapper() = default;
  virtual int32_t SavedStadiumPosition(int32_t number) const = 0;
};

// Numbers written as they are: for lists numbered 1, 2, 3, ... without holes, and tests.
class IdentityStadiumPositions final : public StadiumPositionMapper {
 public:
  int32_t SavedStadiumPosition(int32_t number) const override { return number; }
};

bool WriteStadium(CKLFile& file, const CStadium& stadium);
// Leaves `stadium` unchanged when the section is missing.
bool ReadStadium(CKLFile& file, CStadium& stadium);

}  // namespace torvale
