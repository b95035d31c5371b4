#include "app/main_menu_texts.h"

namespace torvale {

namespace {

constexpr size_t kMenuNameLength = 40;

}  // namespace

std::string CapitaliseWords(std::string_view text, bool atStart) {
  std::string out(text);
  for (size_t i = 0; i < out.size(); ++i) {
    const bool wordStart = i == 0 ? atStart : out[i - 1] == ' ';
    if (wordStart && out[i] >= 'a' && out[i] <= 'z') out[i] = static_cast<char>(out[i] - 'a' + 'A');
  }
  return out;
}

std::string MainWindowCaption(std::string_view baseCaption, std::string_view worldName) {
  std::string caption(baseCaption);
  caption += " - ";
  caption += worldName;
  return CapitaliseWords(caption, false);
}

std::string DatabaseMenuText(int position, std::string_view worldName) {
  std::string name(worldName);
  if (name.size() > kMenuNameLength) name = "..." + name.substr(name.size() - kMenuNameLength + 3);
  return CapitaliseWords(std::to_string(position) + ". " + name, true);
}

}  // namespace torvale
