#pragma once
// Line-by-line reading of the game's plain text files. Lines end in CRLF or LF; no line is
// cut, whatever its length (field limits are the reader's business).

#include <string>
#include <string_view>

namespace torvale {

class TextLineReader {
 public:
  explicit TextLineReader(std::string text) : text_(std::move(text)) {}

  // The next line without its line end; false at the end of the text.
  bool Next(std::string_view& line) {
    if (pos_ >= text_.size()) return false;
    size_t end = text_.find('\n', pos_);
    if (end == std::string::npos) end = text_.size();
    line = std::string_view(text_).substr(pos_, end - pos_);
    pos_ = end + 1;
    if (!line.empty() && line.back() == '\r') line.remove_suffix(1);
    return true;
  }

 private:
  std::string text_;
  size_t pos_ = 0;
};

}  // namespace torvale
