#pragma once
// String-table texts filled in: each printf conversion of the entry (%s, %d, %i, %u, with
// flags and width) takes the next argument, already given as text; "%%" is a percent sign.
// Names from the world may hold '%' themselves, so texts are never handed to printf.
//
//   ShowMessage(FormatEntry(859, {world.Name()}));

#include <string>
#include <string_view>
#include <vector>

namespace torvale {

std::string FillText(std::string_view format, const std::vector<std::string>& args);
std::string FormatEntry(int id, const std::vector<std::string>& args);

}  // namespace torvale
