#include "ui/lists/list_texts.h"

#include <QCollator>

#include "app/qt_text.h"
#include "platform/string_table.h"
#include "world/country.h"

namespace torvale {

QString TableText(int id, const char* fallback) {
  const std::string text = LoadString(id);
  return text.empty() ? QString::fromUtf8(fallback) : FromCp1252(text);
}

namespace {
NameCompare CollationWith(Qt::CaseSensitivity sensitivity) {
  auto collator = std::make_shared<QCollator>();
  collator->setCaseSensitivity(sensitivity);
  return [collator](std::string_view left, std::string_view right) {
    return collator->compare(FromCp1252(left), FromCp1252(right));
  };
}
}  // namespace

NameCompare UserCollation() { return CollationWith(Qt::CaseInsensitive); }
NameCompare UserCollationCaseSensitive() { return CollationWith(Qt::CaseSensitive); }

ChangeScope ScopeListingPerson(const CWorldDatabase& world, uint32_t playerId) {
  ChangeScope scope = ChangeScope::ListingPersons(world, std::span<const uint32_t>(&playerId, 1));
  scope |= ChangeScope::PlayersWithoutClub();
  return scope;
}

}  // namespace torvale
