// Record-stream throughput: writes a world-like record stream of about 100 MB (countries with
// clubs with players: texts, ints, hex ids, byte lists) through CKLFile, reads it back the
// way the entity readers do, and sets both against a plain read plus newline count and a
// plain fwrite of the same bytes, measured in the same run.
//
//   bench-record-stream [megabytes=100] [folder=temp folder]

#include <algorithm>
#include <chrono>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <filesystem>
#include <string>

#include "platform/path.h"
#include "storage/record_stream.h"

namespace {

using torvale::CKLFile;
using Clock = std::chrono::steady_clock;

constexpr int kClubsPerCountry = 40;
constexpr int kPlayersPerClub = 30;
constexpr int kRepeats = 3;

// Deterministic numbers, so every run measures the same file.
class Numbers {
 public:
  uint32_t Next() {
    state_ = state_ * 1664525u + 1013904223u;
    return state_ >> 8;
  }
  uint32_t Below(uint32_t n) { return Next() % n; }

 private:
  uint32_t state_ = 20040008;
};

const char* const kFirstNames[] = {"Jürgen", "Hans", "Lukas", "Miguel", "Pierre", "Tomasz", "Ole", "Giovanni"};
const char* const kSurnames[] = {"Müller", "Schmidt", "García", "Dubois", "Kowalski", "Hansen", "Rossi", "Weiß"};

struct Totals {
  uint64_t sum = 0;
  uint64_t players = 0;
  bool operator==(const Totals&) const = default;
};

void WritePlayer(CKLFile& out, Numbers& numbers, Totals& totals) {
  out.BeginSection("PLAYER");
  out.WriteString(kFirstNames[numbers.Below(8)]);
  out.WriteString(kSurnames[numbers.Below(8)]);
  uint32_t id = numbers.Next();
  out.WriteHex(id);
  int32_t birthday = 2440000 + static_cast<int32_t>(numbers.Below(20000));
  out.WriteInt(birthday);
  int32_t value = static_cast<int32_t>(numbers.Below(50000000)) - 1000;
  out.WriteInt(value);
  uint8_t abilities[24];
  for (uint8_t& ability : abilities) ability = static_cast<uint8_t>(numbers.Below(100));
  out.WriteByteList(abilities, sizeof abilities);
  out.WriteBool(numbers.Below(2));
  out.EndSection("PLAYER");
  totals.sum += id + static_cast<uint32_t>(birthday) + static_cast<uint32_t>(value) + abilities[23];
  ++totals.players;
}

void WriteClub(CKLFile& out, const char* section, Numbers& numbers, Totals& totals) {
  out.BeginSection(section);
  char names[5][32];
  for (int language = 0; language < 5; ++language)
    std::snprintf(names[language], sizeof names[language], "FC Beispielstadt %u", numbers.Below(1000));
  out.WriteQuotedList(&names[0][0], 5, sizeof names[0]);
  int32_t founded = 1850 + static_cast<int32_t>(numbers.Below(150));
  out.WriteInt(founded);
  out.WriteInt(static_cast<int16_t>(numbers.Below(30000)));
  totals.sum += static_cast<uint32_t>(founded);
  for (int player = 0; player < kPlayersPerClub; ++player) WritePlayer(out, numbers, totals);
  out.EndSection(section);
}

// Writes countries until the file holds `bytes`; returns the checksum of what it wrote.
Totals WriteWorld(const std::string& path, uint64_t bytes, uint64_t& written) {
  CKLFile out;
  if (!out.OpenWrite(path)) {
    std::fprintf(stderr, "cannot write %s\n", path.c_str());
    std::exit(1);
  }
  Numbers numbers;
  Totals totals;
  torvale::WriteVersion(out);
  // Each player takes about 155 bytes; stop writing countries once the target is reached.
  const uint64_t perCountry = uint64_t{kClubsPerCountry} * kPlayersPerClub * 155;
  const int countries = static_cast<int>(std::max<uint64_t>(1, bytes / perCountry));
  char section[32];
  for (int country = 1; country <= countries; ++country) {
    std::snprintf(section, sizeof section, "COUNTRY%d", country);
    out.BeginSection(section);
    out.WriteString("Deutschland");
    out.WriteInt(country);
    for (int club = 0; club < kClubsPerCountry; ++club) {
      char clubSection[32];
      std::snprintf(clubSection, sizeof clubSection, "CLUB%d", club);
      WriteClub(out, clubSection, numbers, totals);
    }
    out.EndSection(section);
  }
  if (!out.Close()) {
    std::fprintf(stderr, "writing %s failed\n", path.c_str());
    std::exit(1);
  }
  written = std::filesystem::file_size(path);
  return totals;
}

Totals ReadWorld(const std::string& path) {
  CKLFile in;
  Totals totals;
  if (!in.OpenRead(path, "r")) return totals;
  torvale::ReadVersion(in);
  char section[32];
  char clubSection[32];
  char text[20];
  for (int country = 1;; ++country) {
    std::snprintf(section, sizeof section, "COUNTRY%d", country);
    if (!in.FindSection(section)) break;
    char name[32];
    in.ReadString(name);
    int32_t number = 0;
    in.ReadInt(number);
    for (int club = 0;; ++club) {
      std::snprintf(clubSection, sizeof clubSection, "CLUB%d", club);
      if (!in.FindSection(clubSection)) break;
      in.ReadString(text);  // the quoted names, cut to the field
      int32_t founded = 0;
      int16_t capacity = 0;
      in.ReadInt(founded);
      in.ReadInt(capacity);
      totals.sum += static_cast<uint32_t>(founded);
      while (in.FindSection("PLAYER")) {
        char firstName[16];
        char surname[20];
        in.ReadString(firstName);
        in.ReadString(surname);
        uint32_t id = 0;
        int32_t birthday = 0;
        int32_t value = 0;
        uint8_t abilities[24];
        int flag = 0;
        in.ReadHex(id);
        in.ReadInt(birthday);
        in.ReadInt(value);
        in.ReadByteList(abilities, sizeof abilities);
        in.ReadBool(flag);
        in.FindSectionEnd("PLAYER");
        totals.sum += id + static_cast<uint32_t>(birthday) + static_cast<uint32_t>(value) + abilities[23];
        ++totals.players;
      }
      in.FindSectionEnd(clubSection);
    }
    in.FindSectionEnd(section);
  }
  return totals;
}

// The reference reader: one read of the whole file, then count its lines.
uint64_t PlainReadAndCountLines(const std::string& path) {
  std::FILE* file = std::fopen(path.c_str(), "rb");
  if (!file) return 0;
  std::string buffer(std::filesystem::file_size(path), '\0');
  size_t got = std::fread(buffer.data(), 1, buffer.size(), file);
  std::fclose(file);
  return static_cast<uint64_t>(std::count(buffer.data(), buffer.data() + got, '\n'));
}

bool PlainWrite(const std::string& path, const std::string& bytes) {
  std::FILE* file = std::fopen(path.c_str(), "wb");
  if (!file) return false;
  bool ok = std::fwrite(bytes.data(), 1, bytes.size(), file) == bytes.size();
  return (std::fclose(file) == 0) && ok;
}

template <typename Work>
double BestSeconds(Work work) {
  double best = 1e30;
  for (int run = 0; run < kRepeats; ++run) {
    auto start = Clock::now();
    work();
    best = std::min(best, std::chrono::duration<double>(Clock::now() - start).count());
  }
  return best;
}

}  // namespace

int main(int argc, char** argv) {
  const uint64_t megabytes = argc > 1 ? std::strtoull(argv[1], nullptr, 10) : 100;
  std::string folder = argc > 2 ? argv[2] : std::filesystem::temp_directory_path().string();
  const std::string streamPath = torvale::JoinPath(folder, "bench_record_stream.sav");
  const std::string plainPath = torvale::JoinPath(folder, "bench_record_stream.plain");

  uint64_t bytes = 0;
  Totals written;
  double writeSeconds = BestSeconds([&] { written = WriteWorld(streamPath, megabytes << 20, bytes); });
  std::string content;
  torvale::ReadWholeFile(streamPath, content);
  double plainWriteSeconds = BestSeconds([&] {
    if (!PlainWrite(plainPath, content)) std::exit(1);
  });
  content = std::string();

  uint64_t lines = 0;
  Totals read;
  // Interleaved, so both see the same state of the page cache and of the machine.
  double plainReadSeconds = 1e30;
  double streamReadSeconds = 1e30;
  for (int run = 0; run < kRepeats; ++run) {
    plainReadSeconds = std::min(plainReadSeconds, BestSeconds([&] { lines = PlainReadAndCountLines(streamPath); }));
    streamReadSeconds = std::min(streamReadSeconds, BestSeconds([&] { read = ReadWorld(streamPath); }));
  }
  std::filesystem::remove(streamPath);
  std::filesystem::remove(plainPath);

  const double mb = static_cast<double>(bytes) / (1 << 20);
  std::printf("record stream: %.1f MB, %llu lines, %llu players\n", mb, static_cast<unsigned long long>(lines),
              static_cast<unsigned long long>(written.players));
  std::printf("read   CKLFile %8.1f MB/s   plain read + line count %8.1f MB/s   ratio %.2fx\n",
              mb / streamReadSeconds, mb / plainReadSeconds, streamReadSeconds / plainReadSeconds);
  std::printf("write  CKLFile %8.1f MB/s   plain fwrite            %8.1f MB/s   ratio %.2fx\n",
              mb / writeSeconds, mb / plainWriteSeconds, writeSeconds / plainWriteSeconds);
  if (!(read == written)) {
    std::printf("MISMATCH: read back %llu players, checksum differs\n", static_cast<unsigned long long>(read.players));
    return 1;
  }
  return 0;
}
