#include "ui/country/country_page.h"

#include "ui/common/editor_context.h"
#include "world/country.h"

namespace torvale {

void CCountryPage::CommitCountryChange(const QString& text, const std::function<void()>& apply) {
  context_.CurrentChanges().Commit(ChangeScope::Country(country_->CountryNumber()), text,
                                   [&](CWorldDatabase&) { apply(); });
}

}  // namespace torvale
