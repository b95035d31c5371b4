#include "competition/competition_texts.h"

#include "competition/competition_keywords.h"

namespace torvale {

std::string_view RoundTypeLabel(int roundType) {
  switch (roundType) {
    case 0:
    case RoundType::QUALI: return "Qualif. int. Wett.";
    case RoundType::ROUND_1: return "1. Runde";
    case RoundType::ROUND_2: return "2. Runde";
    case RoundType::ROUND_3: return "3. Runde";
    case RoundType::ROUND_4: return "4. Runde";
    case RoundType::PREROUND1: return "Vorrunde";
    case RoundType::LAST_16: return "Achtelfinale";
    case RoundType::QUARTERFINAL: return "Viertelfinale";
    case RoundType::SEMIFINAL: return "Halbfinale";
    case RoundType::FINAL: return "Finale";
    default: return {};
  }
}

}  // namespace torvale
