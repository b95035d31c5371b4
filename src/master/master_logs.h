#pragma once
// The optional plain-text logs of a master build: "badges.txt", "kits.txt", "stadium.txt"
// and "logPS2_Database.txt". Each line is appended on its own (open, write, close), so logs
// grow over repeated builds; the record writers run in both passes of a build, so every line
// appears twice per build. A log that cannot be opened loses that line only.

#include <cstdint>
#include <string>
#include <string_view>

namespace torvale {

enum class MasterLog { kBadges, kKits, kStadium, kPs2Database };

class MasterLogs {
 public:
  // `folder` empty: the working folder. `flags` are the build's MasterBuildFlags; a log is
  // written only when its bit is set.
  MasterLogs(uint32_t flags, std::string folder = {});

  bool Enabled(MasterLog log) const;
  // Appends `line` (which ends in '\n'; written with CR LF like every text file we write).
  void Append(MasterLog log, std::string_view line) const;
  // printf-style convenience.
  void Appendf(MasterLog log, const char* format, ...) const __attribute__((format(printf, 3, 4)));

  static const char* FileName(MasterLog log);

 private:
  uint32_t flags_;
  std::string folder_;
};

}  // namespace torvale
