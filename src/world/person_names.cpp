#include "world/person_names.h"

namespace torvale {

std::string ShortDisplayName(std::string_view firstName, std::string_view surname,
                             std::string_view separator) {
  if (firstName.empty()) return std::string(surname);
  if (surname.empty()) return std::string(firstName);
  std::string name(surname);
  name += separator;
  name += firstName.front();
  name += '.';
  return name;
}

}  // namespace torvale
