#include "database/load_report.h"

#include <algorithm>

#include "platform/text_encoding.h"

namespace torvale {

void LoadReport::Add(std::string file, LoadProblemKind kind, size_t line, std::string text) {
  problems.push_back(LoadProblem{std::move(file), kind, line, std::move(text)});
}

size_t LoadReport::Count(LoadProblemKind kind) const {
  return static_cast<size_t>(
      std::count_if(problems.begin(), problems.end(), [kind](const LoadProblem& p) { return p.kind == kind; }));
}

bool LoadReport::Has(const std::string& file, LoadProblemKind kind) const {
  return std::any_of(problems.begin(), problems.end(),
                     [&](const LoadProblem& p) { return p.kind == kind && p.file == file; });
}

const char* LoadProblemKindText(LoadProblemKind kind) {
  switch (kind) {
    case LoadProblemKind::kMissing: return "fehlt";
    case LoadProblemKind::kUnreadable: return "nicht lesbar";
    case LoadProblemKind::kDamaged: return "besch\xE4" "digt";
    case LoadProblemKind::kRepaired: return "repariert";
  }
  return "";
}

std::string LoadReport::Format() const {
  std::string text;
  for (const LoadProblem& problem : problems) {
    text += problem.file;
    if (problem.line) text += ", Zeile " + std::to_string(problem.line);
    text += " (";
    text += LoadProblemKindText(problem.kind);
    text += "): ";
    text += problem.text;
    text += '\n';
  }
  return text;
}

void PrintLoadReport(const LoadReport& report, std::FILE* stream) {
  if (report.Empty()) return;
  std::fputs(Cp1252ToUtf8(report.Format()).c_str(), stream);
  std::fflush(stream);
}

}  // namespace torvale
