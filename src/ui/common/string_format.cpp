#include "ui/common/string_format.h"

#include "platform/string_table.h"

namespace torvale {

std::string FillText(std::string_view format, const std::vector<std::string>& args) {
  std::string out;
  size_t next = 0;
  for (size_t i = 0; i < format.size(); ++i) {
    if (format[i] != '%' || i + 1 >= format.size()) {
      out += format[i];
      continue;
    }
    if (format[i + 1] == '%') {
      out += '%';
      ++i;
      continue;
    }
    size_t j = i + 1;
    while (j < format.size() && std::string_view("-+ #0123456789.l").find(format[j]) != std::string_view::npos) ++j;
    if (j < format.size() && std::string_view("sdiuf").find(format[j]) != std::string_view::npos) {
      if (next < args.size()) out += args[next];
      ++next;
      i = j;
      continue;
    }
    out += format[i];
  }
  return out;
}

std::string FormatEntry(int id, const std::vector<std::string>& args) { return FillText(LoadString(id), args); }

}  // namespace torvale
