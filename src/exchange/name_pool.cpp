#include "exchange/name_pool.h"

#include <algorithm>
#include <cstring>

#include "exchange/name_generator.h"
#include "platform/path.h"

namespace torvale {

namespace {

// Longest name the pool takes from a name file (the game reads them into 32-byte slots).
constexpr size_t kPoolFileNameChars = 31;

uint8_t* PutU32(uint8_t* out, uint32_t v) {
  out[0] = static_cast<uint8_t>(v);
  out[1] = static_cast<uint8_t>(v >> 8);
  out[2] = static_cast<uint8_t>(v >> 16);
  out[3] = static_cast<uint8_t>(v >> 24);
  return out + 4;
}

}  // namespace

void CNameList::Clear() {
  names_.clear();
  slots_.clear();
  useCounts_.clear();
  refused_ = 0;
}

uint32_t CNameList::HashOf(std::string_view text) {
  // FNV-1a over 32-bit words: names are short, and this is cheaper on them than a
  // general-purpose hash.
  uint32_t hash = 2166136261u ^ static_cast<uint32_t>(text.size());
  size_t at = 0;
  for (; at + 4 <= text.size(); at += 4) {
    uint32_t word;
    std::memcpy(&word, text.data() + at, 4);
    hash = (hash ^ word) * 16777619u;
    hash ^= hash >> 15;
  }
  for (; at < text.size(); ++at) hash = (hash ^ static_cast<unsigned char>(text[at])) * 16777619u;
  return hash ^ (hash >> 13);
}

size_t CNameList::Probe(std::string_view name, uint32_t hash) const {
  const size_t mask = slots_.size() - 1;
  size_t at = hash & mask;
  while (slots_[at].position != 0 &&
         (slots_[at].hash != hash || names_[slots_[at].position - 1] != name))
    at = (at + 1) & mask;
  return at;
}

void CNameList::IndexLast() {
  // The last name is new to the list; keep at most half of the slots in use.
  if (slots_.size() < 2 * names_.size()) {
    std::vector<Slot> old = std::move(slots_);
    slots_.assign(std::max<size_t>(16, old.size() * 2), Slot{});
    for (const Slot& slot : old)
      if (slot.position != 0) slots_[Probe(names_[slot.position - 1], slot.hash)] = slot;
  }
  const uint32_t hash = HashOf(names_.back());
  Slot& slot = slots_[Probe(names_.back(), hash)];
  if (slot.position == 0) slot = Slot{hash, static_cast<uint32_t>(names_.size())};  // else: keeps the first
}

int CNameList::Find(std::string_view name) const {
  if (slots_.empty()) return -1;
  const Slot& slot = slots_[Probe(name, HashOf(name))];
  return static_cast<int>(slot.position) - 1;
}

int CNameList::Enter(std::string_view name, bool count) {
  if (name.empty()) return 0;
  int index = Find(name);
  if (index >= 0) {
    if (count) ++useCounts_[static_cast<size_t>(index)];
    return index;
  }
  if (names_.size() >= kMaxNames) {
    ++refused_;
    return 0;
  }
  names_.emplace_back(name);
  IndexLast();
  index = static_cast<int>(names_.size() - 1);
  useCounts_.push_back(1);
  return index;
}

void CNameList::AppendFromFile(uint32_t tag, std::string_view name, uint32_t useCount) {
  tag_ = tag;
  if (names_.size() >= kMaxNames) {
    ++refused_;
    return;
  }
  names_.emplace_back(name);
  IndexLast();
  useCounts_.push_back(useCount);
  fileNameCount_ = static_cast<uint32_t>(names_.size());
}

uint32_t CNameList::UseCount(size_t index) const {
  return index < useCounts_.size() ? useCounts_[index] : 0;
}

size_t CNameList::SerializedSize() const {
  size_t size = 12;
  for (const auto& name : names_) size += name.size() + 1 + 8;
  return size;
}

uint8_t* CNameList::Serialize(uint8_t* out) const {
  out = PutU32(out, static_cast<uint32_t>(names_.size()));
  out = PutU32(out, fileNameCount_);
  out = PutU32(out, 0);
  for (size_t i = 0; i < names_.size(); ++i) {
    out = PutU32(out, static_cast<uint32_t>(i));
    std::memcpy(out, names_[i].data(), names_[i].size());
    out += names_[i].size();
    *out++ = 0;
    out = PutU32(out, UseCount(i));
  }
  return out;
}

CNamePool::CNamePool(uint32_t firstTag, uint32_t secondTag) : tags_{firstTag, secondTag} {}

void CNamePool::Reset() {
  // The last group keeps its lists, as the game's pool always has; no language uses it.
  for (int i = 0; i < (kGroups - 1) * kKinds; ++i) {
    lists_[static_cast<size_t>(i)].Clear();
    lists_[static_cast<size_t>(i)].Enter(" ", true);
  }
}

void CNamePool::LoadFile(int kind, std::string_view path) {
  if (path.empty() || kind < 0 || kind >= kKinds) return;
  std::string text;
  if (!ReadWholeFile(path, text)) return;
  uint32_t tag = kind == kPoolSurnames ? tags_[1] : tags_[0];
  int group = 1;
  size_t start = 0;
  while (start < text.size()) {
    size_t end = text.find('\n', start);
    if (end == std::string::npos) end = text.size();
    std::string_view line(text.data() + start, end - start);
    start = end + 1;
    while (!line.empty() && (line.back() == '\r' || line.back() == '\n')) line.remove_suffix(1);
    if (line.empty()) continue;
    if (line[0] == '%') {
      group = NameGroupOfLine(line);
      continue;
    }
    if (group < 0 || group >= kGroups) continue;  // no list for that language
    lists_[static_cast<size_t>(group * kKinds + kind)].AppendFromFile(tag, line.substr(0, kPoolFileNameChars), 1);
  }
}

size_t CNamePool::RefusedNames() const {
  size_t refused = 0;
  for (const CNameList& list : lists_) refused += list.Refused();
  return refused;
}

uint16_t CNamePool::EnterName(int group, int kind, std::string_view name, bool count) {
  if (group < 0 || group >= kGroups || kind < 0 || kind >= kKinds) return 0;
  return static_cast<uint16_t>(lists_[static_cast<size_t>(group * kKinds + kind)].Enter(name, count));
}

}  // namespace torvale
