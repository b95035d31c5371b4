#pragma once
// What loading a database met, file by file: files that were missing or could not be read,
// files that were damaged (cut off, counts that did not match, references to clubs or
// stadiums that do not exist) and what loading repaired. The editor shows it once after
// opening a database with problems, the validation report lists it, and the window-less
// master build prints it to standard error. A damaged file stays as it is on disk until the
// user saves.

#include <cstddef>
#include <cstdio>
#include <string>
#include <vector>

namespace torvale {

enum class LoadProblemKind { kMissing, kUnreadable, kDamaged, kRepaired };

struct LoadProblem {
  std::string file;  // the file's name within the database folder
  LoadProblemKind kind = LoadProblemKind::kDamaged;
  size_t line = 0;   // 1-based line of the file where it was noticed; 0: the file as a whole
  std::string text;  // German, Windows-1252
  friend bool operator==(const LoadProblem&, const LoadProblem&) = default;
};

struct LoadReport {
  std::vector<LoadProblem> problems;

  void Add(std::string file, LoadProblemKind kind, size_t line, std::string text);
  void Clear() { problems.clear(); }
  bool Empty() const { return problems.empty(); }
  size_t Count(LoadProblemKind kind) const;
  // True when `file` has a problem of `kind`.
  bool Has(const std::string& file, LoadProblemKind kind) const;
  // One line per problem: "Country14.sav, Zeile 12: <text>" (Windows-1252).
  std::string Format() const;
  friend bool operator==(const LoadReport&, const LoadReport&) = default;
};

// The German name of a kind ("fehlt", "nicht lesbar", "beschädigt", "repariert").
const char* LoadProblemKindText(LoadProblemKind kind);

// Prints the report (as UTF-8) to `stream`, one line per problem.
void PrintLoadReport(const LoadReport& report, std::FILE* stream);

}  // namespace torvale
