#include "competition/fixture_templates.h"

#include <iterator>

#include "competition/fixture_creator.h"
#include "competition/fixture_list.h"
#include "competition/fixture_template_data.h"

namespace torvale {

namespace {

constexpr int kFirstStored = 10;

constexpr const uint8_t* kStored[] = {
    fixture_template_data::kTeams10, fixture_template_data::kTeams11,
    fixture_template_data::kTeams12, fixture_template_data::kTeams13,
    fixture_template_data::kTeams14, fixture_template_data::kTeams15,
    fixture_template_data::kTeams16, fixture_template_data::kTeams17,
    fixture_template_data::kTeams18, fixture_template_data::kTeams19,
    fixture_template_data::kTeams20, fixture_template_data::kTeams21,
    fixture_template_data::kTeams22, fixture_template_data::kTeams23,
    fixture_template_data::kTeams24,
};
static_assert(std::size(kStored) == kFixtureTemplateMaxTeams - kFirstStored + 1);

const uint8_t* StoredTemplate(int teams) {
  if (teams < kFirstStored || teams > kFixtureTemplateMaxTeams) return nullptr;
  return kStored[teams - kFirstStored];
}

size_t TemplateSize(int teams) {
  return 2 * static_cast<size_t>(HalfSeasonMatchdays(teams)) * static_cast<size_t>(teams);
}

}  // namespace

int HalfSeasonMatchdays(int teams) { return teams < 1 ? 0 : ((teams + 1) & ~1) - 1; }

std::vector<uint8_t> FixtureTemplate(int teams) {
  if (const uint8_t* stored = StoredTemplate(teams)) {
    return std::vector<uint8_t>(stored, stored + TemplateSize(teams));
  }
  if (teams >= kFixtureTemplateMinTeams && teams < kFirstStored) {
    return GenerateFixtureTemplate(teams);
  }
  return {};
}

std::vector<uint8_t> GenerateFixtureTemplate(int teams) {
  CFixtureCreator creator;
  if (!creator.Create(teams, 2)) return {};
  std::vector<uint8_t> bytes;
  bytes.reserve(TemplateSize(teams));
  auto place = [](int32_t team) { return static_cast<uint8_t>(team < 0 ? 0 : team + 1); };
  for (int row = 0; row < creator.Rows(); ++row) {
    // The generator puts the resting team's pairing last, so the full pairs come first and the
    // last pair yields the resting team's place.
    for (int c = 0; c < teams / 2; ++c) {
      const CFixtureCreator::Pairing p = creator.Get(row, c);
      bytes.push_back(place(p.home));
      bytes.push_back(place(p.away));
    }
    if (teams % 2 != 0) {
      const CFixtureCreator::Pairing rest = creator.Get(row, creator.Columns() - 1);
      bytes.push_back(place(rest.home >= 0 ? rest.home : rest.away));
    }
  }
  return bytes;
}

bool FillFromTemplate(CDBFixturelist& grid, int teams, int rounds) {
  const std::vector<uint8_t> bytes = FixtureTemplate(teams);
  if (bytes.empty()) return false;
  const int halfRows = HalfSeasonMatchdays(teams);
  const size_t rowBytes = static_cast<size_t>(teams);
  for (int r = 0; r < rounds; ++r) {
    const size_t half = static_cast<size_t>(r % 2) * static_cast<size_t>(halfRows) * rowBytes;
    for (int m = 0; m < halfRows; ++m) {
      const uint8_t* row = bytes.data() + half + static_cast<size_t>(m) * rowBytes;
      for (int c = 0; c < teams / 2; ++c) {
        grid.SetPair(r * halfRows + m, c, row[2 * c], row[2 * c + 1]);
      }
    }
  }
  return true;
}

}  // namespace torvale
