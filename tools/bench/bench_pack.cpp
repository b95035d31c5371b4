// Throughput of the packed-block codec on the two kinds of data our archives carry: a country
// file in the record-stream format and a 32-bit TGA badge. Every figure is printed beside
// memcpy and gzip measured on the same bytes in the same run, so a busy machine still gives
// meaningful ratios.
//
//   bench-pack [country-megabytes]

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <functional>
#include <random>
#include <string>
#include <vector>

#include "storage/pack.h"
#include "storage/record_stream.h"

namespace {

using torvale::CKLFile;
using Bytes = std::vector<uint8_t>;
using Clock = std::chrono::steady_clock;

// ---- sample data ----

const char* const kFirstNames[] = {"Thomas", "Michael", "Andreas", "Stefan", "Jürgen", "Lukas", "Jonas",
                                   "Mehmet", "Pierre", "João", "Sören", "Kevin", "Marco", "Tim"};
const char* const kSurnames[] = {"Müller", "Schmidt", "Schneider", "Fischer", "Weber", "Meyer", "Wagner",
                                 "Becker", "Schulz", "Hoffmann", "Koch", "Richter", "Klein", "Wolf"};
const char* const kTowns[] = {"München", "Dortmund", "Bremen", "Hamburg", "Köln", "Stuttgart",
                              "Leipzig", "Freiburg", "Bochum", "Mainz", "Augsburg", "Kiel"};

// One person the way the club writer saves it: mostly small numbers, many of them defaults.
void WritePerson(CKLFile& file, std::mt19937& random) {
  auto pick = [&](const auto& list) { return list[random() % std::size(list)]; };
  auto number = [&](int low, int high) {
    return static_cast<int32_t>(low + random() % static_cast<uint32_t>(high - low + 1));
  };
  auto date = [&](int32_t day) {
    file.BeginSection("DATE");
    file.WriteInt(day);
    file.EndSection("DATE");
  };
  auto bytes = [&](size_t count, int low, int high) {
    uint8_t values[16] = {};
    for (size_t i = 0; i < count; ++i) values[i] = static_cast<uint8_t>(high > 0 ? number(low, high) : 0);
    file.WriteByteLines(values, count);
  };
  file.BeginSection("PLAYER");
  file.WriteString(pick(kFirstNames));
  file.WriteString(pick(kSurnames));
  file.WriteString("");
  file.WriteString("");
  for (int32_t v : {0, number(0, 1), 14, random() % 8 ? 0 : number(1, 206), 1}) file.WriteInt(v);
  date(2440000 + number(0, 7000));
  file.WriteInt(number(0, 3) * 8 + number(0, 7));
  file.WriteInt(number(1, 14));
  bytes(2, 0, random() % 3 ? 0 : 14);
  bytes(4, 20, 99);
  bytes(16, 30, 99);
  bytes(9, 1, 20);
  for (int32_t v : {number(0, 9), number(0, 5), number(0, 30), number(0, 20), number(0, 6), number(165, 200),
                    number(60, 95), number(0, 2), number(0, 6), number(0, 4), number(1, 40)}) {
    file.WriteInt(v);
  }
  file.WriteInt(random() % 4 ? 0 : number(1, 90000));
  for (int32_t v : {14, number(1, 18), 14, number(1, 18), number(2004, 2006), number(2005, 2010), number(0, 40),
                    number(0, 8)}) {
    file.WriteInt(v);
  }
  bytes(4, 0, 0);
  const uint8_t languages[4] = {7, 0, 0, 0};
  file.WriteByteLines(languages, 4);
  for (int i = 0; i < 7; ++i) file.WriteInt(0);
  file.WriteString("");
  for (int32_t v : {number(0, 3), 0, 0, 0}) file.WriteInt(v);
  date(0);
  date(0);
  for (int i = 0; i < 6; ++i) file.WriteInt(0);
  file.WriteInt(number(0, 20));
  file.WriteInt(0);
  file.WriteString("");
  file.EndSection("PLAYER");
}

// A country file as the editor saves it: clubs with their stadium and squad, each a nested
// section of numbers and names.
Bytes MakeCountryFile(size_t targetBytes, uint32_t seed) {
  std::mt19937 random(seed);
  auto pick = [&](const auto& list) { return list[random() % std::size(list)]; };
  CKLFile file;
  file.OpenWriteToMemory();
  torvale::WriteVersion(file);
  std::string text;
  file.BeginSection("COUNTRY");
  for (int club = 0; text.size() < targetBytes; ++club) {
    const std::string clubSection = "CLUB" + std::to_string(club);
    file.BeginSection(clubSection);
    file.WriteHex(0x0E0000u + static_cast<uint32_t>(club));
    for (int language = 0; language < 5; ++language) {
      file.WriteString(std::string(pick(kTowns)) + (club % 3 ? " SV" : " FC"));
    }
    for (int i = 0; i < 12; ++i) file.WriteInt(static_cast<int32_t>(random() % 1000));
    file.BeginSection("STADIUM");
    file.WriteString(std::string(pick(kTowns)) + "-Arena");
    file.WriteInt(static_cast<int32_t>(random() % 80000));
    file.EndSection("STADIUM");
    for (int person = 0; person < 28; ++person) WritePerson(file, random);
    file.EndSection(clubSection);
    text += file.TakeWritten();
  }
  file.EndSection("COUNTRY");
  text += file.TakeWritten();
  return Bytes(text.begin(), text.end());
}

// A 32-bit TGA badge: a shield with a two-colour gradient, a stripe and a transparent
// background, the kind of image the badge archive holds.
Bytes MakeBadgeTga(int size) {
  Bytes tga(18, 0);
  tga[2] = 2;  // uncompressed true colour
  tga[12] = static_cast<uint8_t>(size);
  tga[13] = static_cast<uint8_t>(size >> 8);
  tga[14] = static_cast<uint8_t>(size);
  tga[15] = static_cast<uint8_t>(size >> 8);
  tga[16] = 32;
  tga[17] = 8;  // 8 alpha bits
  for (int y = 0; y < size; ++y) {
    for (int x = 0; x < size; ++x) {
      const double u = (x + 0.5) / size - 0.5, v = (y + 0.5) / size;
      const bool inside = std::abs(u) < 0.42 * (v < 0.6 ? 1.0 : (1.0 - v) / 0.4);
      const bool stripe = std::abs(u - (v - 0.5)) < 0.08;
      uint8_t b = static_cast<uint8_t>(stripe ? 250 : 40 + 120 * v);
      uint8_t g = static_cast<uint8_t>(stripe ? 250 : 20);
      uint8_t r = static_cast<uint8_t>(stripe ? 250 : 200 - 100 * v);
      tga.insert(tga.end(), {b, g, r, static_cast<uint8_t>(inside ? 255 : 0)});
    }
  }
  return tga;
}

// ---- timing ----

// Best time of repeated runs, repeated for at least a quarter second in total.
double BestSeconds(const std::function<void()>& work) {
  double best = 1e30, total = 0;
  for (int run = 0; run < 3 || total < 0.25; ++run) {
    const auto start = Clock::now();
    work();
    const double seconds = std::chrono::duration<double>(Clock::now() - start).count();
    best = std::min(best, seconds);
    total += seconds;
  }
  return best;
}

double MegabytesPerSecond(size_t bytes, double seconds) { return bytes / 1e6 / seconds; }

struct Gzip {
  double packSeconds = 0, unpackSeconds = 0;
  size_t packedBytes = 0;
  bool ok = false;
};

Gzip MeasureGzip(const Bytes& input) {
  const auto dir = std::filesystem::temp_directory_path();
  const std::string plain = (dir / ("bench-pack-" + std::to_string(::getpid()) + ".bin")).string();
  const std::string packed = plain + ".gz";
  {
    std::ofstream out(plain, std::ios::binary);
    out.write(reinterpret_cast<const char*>(input.data()), static_cast<std::streamsize>(input.size()));
  }
  Gzip result;
  const std::string packCommand = "gzip -6 -c '" + plain + "' > '" + packed + "'";
  const std::string unpackCommand = "gzip -d -c '" + packed + "' > /dev/null";
  bool ok = true;
  result.packSeconds = BestSeconds([&] { ok = ok && std::system(packCommand.c_str()) == 0; });
  result.unpackSeconds = BestSeconds([&] { ok = ok && std::system(unpackCommand.c_str()) == 0; });
  std::error_code error;
  result.packedBytes = static_cast<size_t>(std::filesystem::file_size(packed, error));
  result.ok = ok && !error;
  std::filesystem::remove(plain, error);
  std::filesystem::remove(packed, error);
  return result;
}

void Report(const char* name, const Bytes& input) {
  Bytes packed(torvale::PACK_packedBound(input.size()));
  size_t packedLength = 0;
  const double packSeconds = BestSeconds([&] {
    packedLength = torvale::PACK_pack(input.data(), input.size(), packed.data(), packed.size(), true);
  });
  packed.resize(packedLength);

  Bytes unpacked(input.size());
  bool roundTrip = false;
  const double unpackSeconds = BestSeconds([&] {
    roundTrip = torvale::PACK_unpack(packed.data(), packed.size(), unpacked.data(), unpacked.size()) == input.size();
  });
  roundTrip = roundTrip && unpacked == input;

  Bytes deep = input;
  const double deepSeconds = BestSeconds([&] {
    deep = input;
    torvale::PACK_packInPlace(deep);
  });

  Bytes copy(input.size());
  const double copySeconds = BestSeconds([&] { std::memcpy(copy.data(), input.data(), input.size()); });
  const Gzip gzip = MeasureGzip(input);

  const size_t n = input.size();
  std::printf("\n%s: %zu bytes%s\n", name, n, roundTrip ? "" : "  ROUND TRIP FAILED");
  std::printf("  %-22s %10s %10s\n", "", "MB/s", "size");
  std::printf("  %-22s %10.1f\n", "memcpy", MegabytesPerSecond(n, copySeconds));
  std::printf("  %-22s %10.1f %9.1f%%\n", "PACK_pack", MegabytesPerSecond(n, packSeconds), 100.0 * packedLength / n);
  std::printf("  %-22s %10.1f %9.1f%%\n", "PACK_packInPlace", MegabytesPerSecond(n, deepSeconds),
              100.0 * deep.size() / n);
  std::printf("  %-22s %10.1f\n", "PACK_unpack", MegabytesPerSecond(n, unpackSeconds));
  if (gzip.ok) {
    std::printf("  %-22s %10.1f %9.1f%%\n", "gzip -6", MegabytesPerSecond(n, gzip.packSeconds),
                100.0 * gzip.packedBytes / n);
    std::printf("  %-22s %10.1f\n", "gzip -d", MegabytesPerSecond(n, gzip.unpackSeconds));
  } else {
    std::printf("  gzip not available\n");
  }
  std::printf("  ratios: PACK_unpack / memcpy = %.2f (aim >= 0.25)\n", copySeconds / unpackSeconds);
  if (gzip.ok) {
    std::printf("          PACK_pack / gzip -6  = %.2f (aim > 1)\n", gzip.packSeconds / packSeconds);
    std::printf("          PACK_unpack / gzip -d = %.2f\n", gzip.unpackSeconds / unpackSeconds);
  }
}

}  // namespace

int main(int argc, char** argv) {
  const double megabytes = argc > 1 ? std::atof(argv[1]) : 4.0;
  if (megabytes <= 0) {
    std::fprintf(stderr, "usage: bench-pack [country-megabytes]\n");
    return 2;
  }
  Report("country file", MakeCountryFile(static_cast<size_t>(megabytes * 1e6), 14));
  Report("badge 256x256x32 TGA", MakeBadgeTga(256));
  return 0;
}
