#include "assets/big_writer.h"

#include "platform/atomic_file.h"
#include "storage/byte_order.h"
#include "storage/pack.h"

namespace torvale {

namespace {

constexpr size_t kHeaderSize = 16;
constexpr size_t kMaxNameLength = 258;
constexpr size_t kDirectoryTail = 3;  // zero bytes behind the last record, counted in its length

bool ValidName(const std::string& name) {
  return !name.empty() && name.size() <= kMaxNameLength && name.find('\0') == std::string::npos;
}

}  // namespace

std::vector<uint8_t> BuildBigArchive(const std::vector<BigWriterEntry>& entries, const BigWriteOptions& options) {
  std::vector<std::vector<uint8_t>> stored;
  stored.reserve(entries.size());
  uint64_t directoryLength = kHeaderSize + kDirectoryTail;
  for (const BigWriterEntry& entry : entries) {
    if (!ValidName(entry.name)) return {};
    stored.push_back(entry.data);
    if (entry.pack && !PACK_packInPlace(stored.back())) return {};
    directoryLength += 8 + entry.name.size() + 1;
  }
  const uint64_t dataStart = (directoryLength + 15) & ~uint64_t{15};
  uint64_t total = dataStart;
  for (const auto& data : stored) total += data.size();
  if (total > UINT32_MAX) return {};

  std::vector<uint8_t> out(dataStart, 0);
  out.reserve(total);
  out[0] = 'B';
  out[1] = 'I';
  out[2] = 'G';
  out[3] = 'F';
  if (options.lengthBigEndian) StoreBe32(out.data() + 4, static_cast<uint32_t>(total));
  else StoreLe32(out.data() + 4, static_cast<uint32_t>(total));
  StoreBe32(out.data() + 8, static_cast<uint32_t>(entries.size()));
  StoreBe32(out.data() + 12, static_cast<uint32_t>(directoryLength));
  size_t record = kHeaderSize;
  uint64_t offset = dataStart;
  for (size_t i = 0; i < entries.size(); ++i) {
    StoreBe32(out.data() + record, static_cast<uint32_t>(offset));
    StoreBe32(out.data() + record + 4, static_cast<uint32_t>(stored[i].size()));
    std::copy(entries[i].name.begin(), entries[i].name.end(), out.begin() + record + 8);
    record += 8 + entries[i].name.size() + 1;
    offset += stored[i].size();
  }
  for (const auto& data : stored) out.insert(out.end(), data.begin(), data.end());
  if (options.packWhole && !PACK_packInPlace(out)) return {};
  return out;
}

bool WriteBigArchive(std::string_view path, const std::vector<BigWriterEntry>& entries,
                     const BigWriteOptions& options) {
  const std::vector<uint8_t> bytes = BuildBigArchive(entries, options);
  if (bytes.empty()) return false;
  AtomicFile file;
  return file.Open(path) && file.Write(bytes.data(), bytes.size()) && file.Commit();
}

}  // namespace torvale
