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
  std::string key;  // the name as it is compared: whitespace-normalised, then folded
  int hits = 0;
};

// Every entry of the list, so that the report accounts for the whole list. Only faces with a
// name can be matched: entry 0 (" nicht vorhanden") names no head, and a missing file pads
// the list with blank entries.
std::vector<FaceCandidate> FacesOf(const CBaseTextFile& faces) {
  std::vector<FaceCandidate> entries;
  const int noneEntry = faces.Settings().noneTextId != 0 ? 0 : -1;
  for (int i = 0; i < faces.Count(); ++i) {
    std::string key;
    if (i != noneEntry && !faces.GetText(i).empty()) {
      key = std::string(faces.GetText(i));
      CleanName(key);
      key = FoldAccents(key);
    }
    entries.push_back({i, std::move(key), 0});
  }
  return entries;
}

}  // namespace

MappingResult MapVelaFaces(CWorldDatabase* world, const CBaseTextFile& faces, std::string_view reportPath,
                           bool overwrite) {
  if (!world) return MappingResult::kNoWorld;
  std::vector<FaceCandidate> candidates = FacesOf(faces);

  // The first face of the list with the person's name takes it.
  std::unordered_map<std::string, FaceCandidate*> byName;
  for (FaceCandidate& face : candidates)
    if (!face.key.empty()) byName.emplace(face.key, &face);
  if (byName.empty()) return MappingResult::kNoList;

  ForEachMappedPerson(*world, [&](CPlayer& person) {
    if (overwrite) person.starHead = 0;
    // The person's side is folded only, never trimmed: a person without a first name is
    // " Zico" and must not take the head of a list entry "Zico".
    std::string name(FixedText(person.firstName));
    name += ' ';
    name += FixedText(person.surname);
    auto it = byName.find(FoldAccents(name));
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
