#include "exchange/vela_face_mapping.h"

#include <string>
#include <unordered_map>
#include <vector>

#include "exchange/accent_folding.h"
#include "exchange/text_data_file.h"
#include "platform/fatal_error.h"
#include "world/fixed_text.h"
#include "world/player.h"
#include "world/player_format.h"

namespace torvale {

namespace {

struct FaceCandidate {
  int index = 0;    // in the face list
  std::string key;  // the name as MatchKey gives it
  int hits = 0;
};

// Names are compared whitespace-normalised and accent-folded.
std::string MatchKey(std::string_view name) {
  std::string key(name);
  CleanName(key);
  return FoldAccents(key);
}

// The faces of the list, without the leading "none" entry and the blank entries a missing
// file is padded with: neither names a head.
std::vector<FaceCandidate> FacesOf(const CBaseTextFile& faces) {
  std::vector<FaceCandidate> candidates;
  const int first = faces.Settings().noneTextId != 0 ? 1 : 0;
  for (int i = first; i < faces.Count(); ++i)
    if (!faces.GetText(i).empty()) candidates.push_back({i, MatchKey(faces.GetText(i)), 0});
  return candidates;
}

}  // namespace

MappingResult MapVelaFaces(CWorldDatabase* world, const CBaseTextFile& faces, std::string_view reportPath,
                           bool overwrite) {
  if (!world) return MappingResult::kNoWorld;
  std::vector<FaceCandidate> candidates = FacesOf(faces);
  if (candidates.empty()) return MappingResult::kNoList;

  // The first face of the list with the person's name takes it.
  std::unordered_map<std::string, FaceCandidate*> byName;
  for (FaceCandidate& face : candidates) byName.emplace(face.key, &face);

  ForEachMappedPerson(*world, [&](CPlayer& person) {
    if (overwrite) person.starHead = 0;
    std::string name(FixedText(person.firstName));
    name += ' ';
    name += FixedText(person.surname);
    auto it = byName.find(MatchKey(name));
    if (it == byName.end()) return;
    person.starHead = static_cast<uint16_t>(faces.GetId(it->second->index));
    ++it->second->hits;
  });

  if (reportPath.empty()) return MappingResult::kMapped;
  int successful = 0, unmapped = 0, overmapped = 0;
  for (const FaceCandidate& face : candidates) {
    if (face.hits == 0) ++unmapped;
    else if (face.hits == 1) ++successful;
    else ++overmapped;
  }
  std::string report = "Face mapping statistics:\r\n";
  report += FormatText("Successful: %i:\r\n", successful);
  report += FormatText("Unmapped: %i:\r\n", unmapped);
  report += FormatText("Overmapped: %i\r\n\r\n", overmapped);
  report += "Unmapped:\r\n";
  for (const FaceCandidate& face : candidates)
    if (face.hits == 0) report += FormatText("%s\r\n", std::string(faces.GetText(face.index)).c_str());
  report += "\r\nOvermapped:\r\n";
  for (const FaceCandidate& face : candidates)
    if (face.hits > 1)
      report += FormatText("%s (%i)\r\n", std::string(faces.GetText(face.index)).c_str(), face.hits);
  return FinishReport(report, reportPath);
}

}  // namespace torvale
