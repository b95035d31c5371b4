// torvale-make-install OUTDIR [--scale S] [--seed N] [--source DIR] [--settings DIR] [--renderer FILE]
//
// Makes the sample game installation in OUTDIR: the hand-written game data, a generated
// world in its database folder, the badge archive, and the settings file that records OUTDIR
// as the install folder. With --scale S it makes a benchmark world instead, every country
// playable with about 48·S clubs.

#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <string_view>

#include "exchange/sample_installation.h"

#ifndef TORVALE_SOURCE_DIR
#define TORVALE_SOURCE_DIR "."
#endif

namespace {

int Usage() {
  std::fprintf(stderr,
               "usage: torvale-make-install OUTDIR [--scale S] [--seed N] [--source DIR] [--settings DIR] "
               "[--renderer FILE]\n");
  return 2;
}

}  // namespace

int main(int argc, char** argv) {
  torvale::SampleInstallOptions options;
  options.sourceFolder = std::string(TORVALE_SOURCE_DIR) + "/data/install";
  for (int i = 1; i < argc; ++i) {
    const std::string_view arg = argv[i];
    const bool hasValue = i + 1 < argc;
    if (arg == "--scale" && hasValue) {
      options.world.scale = std::atoi(argv[++i]);
      if (options.world.scale < 0) return Usage();
    } else if (arg == "--seed" && hasValue) {
      options.world.seed = static_cast<uint32_t>(std::strtoul(argv[++i], nullptr, 10));
    } else if (arg == "--source" && hasValue) {
      options.sourceFolder = argv[++i];
    } else if (arg == "--settings" && hasValue) {
      options.settingsFolder = argv[++i];
    } else if (arg == "--renderer" && hasValue) {
      options.rendererPath = argv[++i];
    } else if (!arg.starts_with("--") && options.outFolder.empty()) {
      options.outFolder = arg;
    } else {
      return Usage();
    }
  }
  if (options.outFolder.empty()) return Usage();

  const auto start = std::chrono::steady_clock::now();
  const torvale::SampleInstallResult result = torvale::MakeSampleInstallation(options);
  const double seconds = std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
  if (!result.ok) {
    std::fprintf(stderr, "torvale-make-install: %s\n", result.error.c_str());
    return 1;
  }
  std::printf("%s: %d playable countries, %d clubs, %d persons, %zu badges in %.1f s\n", options.outFolder.c_str(),
              result.summary.playableCountries, result.summary.clubs, result.summary.persons,
              result.summary.badges.size(), seconds);
  return 0;
}
