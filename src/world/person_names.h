#pragma once
// Short forms of person names for lists: "Surname, F." with the first initial. Either part
// alone when the other is empty.

#include <string>
#include <string_view>

namespace torvale {

// `separator` goes between the surname and the initial: ", " for persons, "," for the
// entries of a country's youth pool (their list is narrower).
std::string ShortDisplayName(std::string_view firstName, std::string_view surname,
                             std::string_view separator = ", ");

}  // namespace torvale
