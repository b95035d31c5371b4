#pragma once
// The stored fixture templates (fixture_template_data.cpp); use FixtureTemplate() instead.

#include <cstdint>

namespace torvale::fixture_template_data {

extern const uint8_t kTeams10[], kTeams11[], kTeams12[], kTeams13[], kTeams14[], kTeams15[],
    kTeams16[], kTeams17[], kTeams18[], kTeams19[], kTeams20[], kTeams21[], kTeams22[],
    kTeams23[], kTeams24[];

}  // namespace torvale::fixture_template_data
