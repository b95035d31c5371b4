#pragma once
// The name pool of the master file: every person name the game needs, stored once per
// language group and name kind, so that records refer to names by a 16-bit index.

#include <array>
#include <cstdint>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

namespace torvale {

// One indexed list of distinct names with how often each was entered.
class CNameList {
 public:
  void Clear();
  // Index of the first name equal to `name` (exact bytes), -1 when absent.
  int Find(std::string_view name) const;
  // Records refer to names by a 16-bit index: a list holds at most this many.
  static constexpr size_t kMaxNames = 65536;
  // The index of `name`, appended when new (use count 1); an existing name's use count grows
  // when `count` is set. The empty name is index 0 and changes nothing. A new name that no
  // longer fits the 16-bit index is refused (counted in Refused) and gets the blank, index 0,
  // rather than an index that would wrap round onto another name.
  int Enter(std::string_view name, bool count);
  // One more use of the name at `index` (nothing for an index outside the list).
  void CountUse(size_t index) {
    if (index < useCounts_.size()) ++useCounts_[index];
  }
  // Appends without looking for duplicates, as the name files are taken over whole.
  void AppendFromFile(uint32_t tag, std::string_view name, uint32_t useCount);

  size_t SerializedSize() const;
  // Writes SerializedSize() bytes, little-endian; returns the end of what was written.
  uint8_t* Serialize(uint8_t* out) const;

  size_t Size() const { return names_.size(); }
  const std::string& Name(size_t index) const { return names_[index]; }
  uint32_t UseCount(size_t index) const;
  uint32_t Tag() const { return tag_; }
  uint32_t FileNameCount() const { return fileNameCount_; }
  // Names refused because the list was full.
  size_t Refused() const { return refused_; }

 private:
  // A build enters every person's names (twice each), so Find must not walk the list: an
  // open-addressing index of the first position of each name (file lists may hold a name
  // twice). Each slot keeps the name's hash beside its position, so that a probe touches the
  // text only when the hashes agree.
  struct Slot {
    uint32_t hash = 0;
    uint32_t position = 0;  // index + 1; 0 for a free slot
  };
  static uint32_t HashOf(std::string_view text);
  // The slot that holds `name` (hashed to `hash`), or the free slot where it would go.
  size_t Probe(std::string_view name, uint32_t hash) const;
  void IndexLast();

  std::vector<std::string> names_;
  std::vector<Slot> slots_;  // a power of two long, at most half in use
  std::vector<uint32_t> useCounts_;  // by index, beside names_
  uint32_t tag_ = 0;
  uint32_t fileNameCount_ = 0;
  size_t refused_ = 0;
};

// Name kinds of the pool. Kinds 2 and 3 only receive names entered while records are written.
enum NamePoolKind : int {
  kPoolFemaleFirstNames = 0,
  kPoolMaleFirstNames = 1,
  kPoolKind2 = 2,
  kPoolKind3 = 3,
  kPoolSurnames = 4,
};

class CNamePool {
 public:
  static constexpr int kGroups = 64;
  static constexpr int kKinds = 5;
  static constexpr int kLists = kGroups * kKinds;

  // `firstTag` goes with file names of kinds 0-3, `secondTag` with surnames.
  CNamePool(uint32_t firstTag, uint32_t secondTag);

  // Empties the lists of groups 0-62 and gives each a single blank as index 0.
  void Reset();
  // Appends the names of a name file to the lists of `kind`; names before the first "%"
  // line go to group 1. Nothing happens for an empty path or a file that cannot be read.
  void LoadFile(int kind, std::string_view path);
  // Enters a name into list group × 5 + kind and returns its index (0 for a group or kind
  // outside the pool).
  uint16_t EnterName(int group, int kind, std::string_view name, bool count);

  // One more use of a name already in list group × 5 + kind, as entering it again would count.
  void CountUse(int group, int kind, uint16_t index) {
    if (group >= 0 && group < kGroups && kind >= 0 && kind < kKinds) lists_[static_cast<size_t>(group * kKinds + kind)].CountUse(index);
  }

  CNameList& List(int index) { return lists_[static_cast<size_t>(index)]; }
  const CNameList& List(int index) const { return lists_[static_cast<size_t>(index)]; }
  // Names of every list refused because their list was full (the master build reports them).
  size_t RefusedNames() const;

 private:
  std::array<CNameList, kLists> lists_;
  uint32_t tags_[2];
};

}  // namespace torvale
