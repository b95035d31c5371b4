#include "storage/record_stream.h"

#include <algorithm>
#include <bit>
#include <charconv>
#include <cstring>
#include <exception>

#include "platform/path.h"

namespace torvale {

namespace {

constexpr std::string_view kSectionBegin = "%INDEX%";
constexpr std::string_view kSectionEnd = "%INDEXEND%";
constexpr size_t kWriteFlushSize = 1 << 20;
constexpr size_t kMemoryStartSize = 4096;

bool IsBlank(char c) { return c == ' ' || c == '\t' || c == '\n' || c == '\v' || c == '\f' || c == '\r'; }

bool IsDigit(char c) { return c >= '0' && c <= '9'; }

// A value is one line; a line break inside a text would split it into two values.
void ReplaceLineBreaks(char* begin, char* end) {
  for (char* p = begin; p < end; ++p)
    if (*p == '\n' || *p == '\r') *p = ' ';
}

// The leading decimal integer at `p` (blanks and one sign allowed); `p` ends behind its digits.
// Digits beyond 32 bits wrap around, so an unsigned 32-bit number ("4294967295") reads back as
// the bit pattern it was written from.
inline int32_t ParseLeadingInt(const char*& p, const char* end) {
  bool negative = false;
  if (p < end && !IsDigit(*p)) {
    while (p < end && IsBlank(*p)) ++p;
    if (p < end && (*p == '+' || *p == '-')) negative = *p++ == '-';
  }
  uint32_t value = 0;
  for (; p < end; ++p) {
    uint32_t digit = static_cast<uint32_t>(static_cast<unsigned char>(*p)) - '0';
    if (digit > 9) break;
    value = value * 10u + digit;
  }
  if (negative) value = 0u - value;
  return static_cast<int32_t>(value);
}

// The '\n' ending the line that starts at `begin`, or null. Most lines are a number of a few
// digits, and for those a library call per line or a loop that branches on every character
// costs more than reading the data; so the first bytes are tested eight at a time, and only
// long lines (texts) go to memchr.
inline const char* FindLineEnd(const char* begin, const char* end) {
  const char* p = begin;
  if constexpr (std::endian::native == std::endian::little) {
    constexpr uint64_t kOnes = 0x0101010101010101u;
    constexpr uint64_t kHighBits = 0x8080808080808080u;
    for (int word = 0; word < 2 && end - p >= 8; ++word, p += 8) {
      uint64_t bytes = 0;
      std::memcpy(&bytes, p, sizeof bytes);
      // Bytes equal to '\n' become zero; the lowest zero byte gets the lowest high bit set
      // (higher ones may be false alarms, which never matters for the first).
      const uint64_t x = bytes ^ (kOnes * '\n');
      const uint64_t zeros = (x - kOnes) & ~x & kHighBits;
      if (zeros) return p + std::countr_zero(zeros) / 8;
    }
  }
  return static_cast<const char*>(std::memchr(p, '\n', static_cast<size_t>(end - p)));
}

int HexDigit(char c) {
  if (c >= '0' && c <= '9') return c - '0';
  if (c >= 'a' && c <= 'f') return c - 'a' + 10;
  if (c >= 'A' && c <= 'F') return c - 'A' + 10;
  return -1;
}

}  // namespace

CKLFile::~CKLFile() {
  if (writing_ && out_ && std::uncaught_exceptions() > exceptionsAtOpen_) {
    out_->Abort();
    out_.reset();
  }
  Close();
}

bool CKLFile::OpenRead(std::string_view path, const char* /*mode*/) {
  return OpenReadChecked(path) == FileReadResult::kRead;
}

FileReadResult CKLFile::OpenReadChecked(std::string_view path) {
  Close();
  const FileReadResult result = ReadWholeFileChecked(path, data_);
  if (result != FileReadResult::kRead) {
    data_.clear();
    return result;
  }
  reading_ = true;
  position_ = 0;
  return result;
}

bool CKLFile::OpenReadFromMemory(std::string data) {
  Close();
  data_ = std::move(data);
  reading_ = true;
  position_ = 0;
  return true;
}

bool CKLFile::OpenWrite(std::string_view path, const char* /*mode*/) {
  Close();
  auto out = std::make_unique<AtomicFile>();
  if (!out->Open(path)) return false;
  out_ = std::move(out);
  writing_ = true;
  writeFailed_ = false;
  exceptionsAtOpen_ = std::uncaught_exceptions();
  data_.clear();
  written_ = 0;
  return true;
}

bool CKLFile::OpenWriteToMemory() {
  Close();
  writing_ = true;
  toMemory_ = true;
  writeFailed_ = false;
  data_.clear();
  written_ = 0;
  return true;
}

std::string CKLFile::TakeWritten() {
  data_.resize(written_);
  written_ = 0;
  std::string text = std::move(data_);
  data_.clear();
  return text;
}

std::string CKLFile::CloseStaged(bool sync) {
  if (!writing_ || !out_) {
    Close();
    return {};
  }
  if (written_ && !out_->Write(data_.data(), written_)) writeFailed_ = true;
  std::string staged;
  if (!writeFailed_ && out_->Stage(sync)) staged = out_->TakeStaged();
  out_->Abort();
  out_.reset();
  data_.clear();
  writing_ = false;
  written_ = 0;
  return staged;
}

size_t CKLFile::CurrentLine() const {
  const size_t end = std::min(position_, data_.size());
  return static_cast<size_t>(std::count(data_.begin(), data_.begin() + static_cast<std::ptrdiff_t>(end), '\n')) + 1;
}

bool CKLFile::NextLineBeginsSection(std::string_view name) const {
  size_t position = position_;
  while (position < data_.size()) {
    const std::string_view line = CutLine(position);
    if (!line.empty() && line[0] == ';') continue;
    return line.size() == kSectionBegin.size() + name.size() && line.starts_with(kSectionBegin) &&
           line.substr(kSectionBegin.size()) == name;
  }
  return false;
}

bool CKLFile::Close() {
  bool ok = true;
  if (writing_ && out_) {
    if (written_ && !out_->Write(data_.data(), written_)) writeFailed_ = true;
    ok = !writeFailed_ && out_->Commit();
    if (!ok) out_->Abort();
    out_.reset();
    data_.clear();
  }
  if (reading_) {
    data_.clear();
    data_.shrink_to_fit();
  }
  reading_ = false;
  writing_ = false;
  toMemory_ = false;
  position_ = 0;
  written_ = 0;
  return ok;
}

// ---------------------------------------------------------------- writing
// The output is built in data_, of which the first written_ bytes are taken: a database is
// tens of millions of short lines, and formatting each straight into room that is known to be
// there costs a fraction of appending its pieces to a string.

char* CKLFile::Room(size_t count) {
  if (data_.size() - written_ < count) MakeRoom(count);
  return data_.data() + written_;
}

void CKLFile::MakeRoom(size_t count) {
  // A file gets its output in pieces of about kWriteFlushSize; a stream in memory grows.
  if (!toMemory_ && written_ > 0) {
    if (!out_->Write(data_.data(), written_)) writeFailed_ = true;
    written_ = 0;
  }
  const size_t least = toMemory_ ? kMemoryStartSize : kWriteFlushSize;
  if (data_.size() - written_ < count) data_.resize(std::max({data_.size() * 2, written_ + count, least}));
}

void CKLFile::Append(std::string_view text) {
  std::memcpy(Room(text.size()), text.data(), text.size());
  written_ += text.size();
}

void CKLFile::EndLine() {
  char* p = Room(2);
  p[0] = '\r';
  p[1] = '\n';
  written_ += 2;
}

bool CKLFile::WriteLine(std::string_view text) {
  if (!writing_) return false;
  Append(text);
  EndLine();
  return true;
}

bool CKLFile::BeginSection(std::string_view name) {
  if (!writing_) return false;
  Append(kSectionBegin);
  return WriteLine(name);
}

bool CKLFile::EndSection(std::string_view name) {
  if (!writing_) return false;
  Append(kSectionEnd);
  return WriteLine(name);
}

bool CKLFile::WriteString(std::string_view text) {
  if (!writing_) return false;
  // A value is one line, and a line starting with ';' or '%' would be read as a comment or a
  // section line, shifting every later field of the record. Such texts are kept readable by
  // a leading blank, and line breaks inside a text become blanks.
  if (!text.empty() && (text[0] == ';' || text[0] == '%')) Append(" ");
  Append(text);
  ReplaceLineBreaks(data_.data() + written_ - text.size(), data_.data() + written_);
  EndLine();
  return true;
}

bool CKLFile::WriteInt(int32_t value) {
  if (!writing_) return false;
  constexpr size_t kLongest = 11;  // "-2147483648"
  char* p = Room(kLongest + 2);
  p = std::to_chars(p, p + kLongest, value).ptr;
  *p++ = '\r';
  *p++ = '\n';
  written_ = static_cast<size_t>(p - data_.data());
  return true;
}

bool CKLFile::WriteHex(uint32_t value) {
  if (!writing_) return false;
  char buf[16];
  auto res = std::to_chars(buf, buf + sizeof buf, value, 16);
  return WriteLine(std::string_view(buf, static_cast<size_t>(res.ptr - buf)));
}

bool CKLFile::WriteBool(uint32_t flag) { return WriteLine(flag ? "1" : "0"); }

bool CKLFile::WriteByteList(const uint8_t* bytes, size_t count) {
  if (!writing_) return false;
  // Formatted in pieces on the stack: byte lists (abilities, kits) are the bulk of a database.
  char piece[256];
  size_t used = 0;
  for (size_t i = 0; i < count; ++i) {
    if (used > sizeof piece - 4) {
      Append(std::string_view(piece, used));
      used = 0;
    }
    if (i) piece[used++] = ',';
    unsigned value = bytes[i];
    if (value >= 100) piece[used++] = static_cast<char>('0' + value / 100);
    if (value >= 10) piece[used++] = static_cast<char>('0' + value / 10 % 10);
    piece[used++] = static_cast<char>('0' + value % 10);
  }
  return WriteLine(std::string_view(piece, used));
}

bool CKLFile::WriteByteLines(const uint8_t* bytes, size_t count) {
  if (!writing_) return false;
  // One line per byte ("255\r\n" at most): a person's ratings and abilities are most lines of a
  // database, so they are formatted in one go.
  constexpr size_t kLongestLine = 5;
  char* p = Room(count * kLongestLine);
  for (size_t i = 0; i < count; ++i) {
    p = std::to_chars(p, p + 3, bytes[i]).ptr;
    *p++ = '\r';
    *p++ = '\n';
  }
  written_ = static_cast<size_t>(p - data_.data());
  return true;
}

bool CKLFile::WriteQuotedList(const char* slots, size_t count, size_t slotWidth) {
  if (!writing_) return false;
  std::string line;
  for (size_t i = 0; i < count; ++i) {
    const char* slot = slots + i * slotWidth;
    if (i) line.push_back(',');
    line.push_back('"');
    size_t start = line.size();
    line.append(slot, static_cast<size_t>(std::find(slot, slot + slotWidth, '\0') - slot));
    std::replace(line.begin() + static_cast<std::ptrdiff_t>(start), line.end(), '"', '\'');
    line.push_back('"');
  }
  ReplaceLineBreaks(line.data(), line.data() + line.size());
  return WriteLine(line);
}

bool CKLFile::WriteComment(std::string_view text) {
  if (!writing_) return false;
  Append(";");
  Append(text);
  ReplaceLineBreaks(data_.data() + written_ - text.size(), data_.data() + written_);
  EndLine();
  return true;
}

// ---------------------------------------------------------------- reading

// The line of the stream that starts at `position`, without its line end; `position` moves to
// the start of the next line. Returned by value: the readers below call this once per value,
// and a view handed back through memory costs more than finding the line; inline for the
// same reason.
inline std::string_view CKLFile::CutLine(size_t& position) const {
  const char* begin = data_.data() + position;
  const char* end = data_.data() + data_.size();
  const char* nl = FindLineEnd(begin, end);
  size_t length;
  if (nl) {
    length = static_cast<size_t>(nl - begin);
    position += length + 1;
    if (length && begin[length - 1] == '\r') --length;
  } else {
    // The last line may lack its line end.
    length = static_cast<size_t>(end - begin);
    position = data_.size();
    unsigned char last = length ? static_cast<unsigned char>(begin[length - 1]) : 0;
    if (last >= 1 && last <= 31) --length;
  }
  return std::string_view(begin, length);
}

bool CKLFile::ReadLine(std::string_view& line) {
  if (!reading_ || position_ >= data_.size()) return false;
  line = CutLine(position_);
  return true;
}

std::string_view CKLFile::NextValueLine() {
  if (!reading_) return {};
  size_t position = position_;
  while (position < data_.size()) {
    std::string_view line = CutLine(position);
    if (!line.empty() && line[0] == ';') continue;
    if (!line.empty() && line[0] == '%') break;
    position_ = position;
    return line;
  }
  return {};
}

bool CKLFile::ReadValueLine(std::string_view& line) {
  std::string_view value = NextValueLine();
  if (!value.data()) return false;
  line = value;
  return true;
}

bool CKLFile::ReadString(char* buffer, size_t size) {
  const std::string_view line = NextValueLine();
  if (!line.data()) return false;
  if (size == 0) return true;
  size_t n = std::min(line.size(), size - 1);
  std::memcpy(buffer, line.data(), n);
  std::memset(buffer + n, 0, size - n);
  return true;
}

bool CKLFile::ReadString(std::string& text) {
  const std::string_view line = NextValueLine();
  if (!line.data()) return false;
  text.assign(line);
  return true;
}

int32_t CKLFile::ParseInt(std::string_view text) {
  const char* p = text.data();
  return ParseLeadingInt(p, p + text.size());
}

bool CKLFile::ReadInt32(int32_t& value) {
  const std::string_view line = NextValueLine();
  const char* p = line.data();
  value = p ? ParseLeadingInt(p, p + line.size()) : 0;
  return p != nullptr;
}

bool CKLFile::ReadHex(uint32_t& value) {
  const std::string_view line = NextValueLine();
  value = 0;
  if (!line.data()) return false;
  size_t i = 0;
  // Leading blanks are skipped, as ReadInt skips them: a hand-edited " 1af" keeps its value
  // instead of reading as 0.
  while (i < line.size() && IsBlank(line[i])) ++i;
  for (int digits = 0; digits < 8 && i < line.size(); ++digits, ++i) {
    int d = HexDigit(line[i]);
    if (d < 0) break;
    value = (value << 4) | static_cast<uint32_t>(d);
  }
  return true;
}

bool CKLFile::ReadByteList(uint8_t* bytes, size_t count) {
  const std::string_view line = NextValueLine();
  if (!line.data()) {
    if (count) std::memset(bytes, 0, count);
    return false;
  }
  const char* p = line.data();
  const char* end = p + line.size();
  size_t index = 0;
  while (index < count) {
    bytes[index++] = static_cast<uint8_t>(ParseLeadingInt(p, end));
    while (p < end && *p != ',') ++p;  // whatever follows the number in its field is ignored
    if (p == end) break;
    ++p;
  }
  if (index < count) std::memset(bytes + index, 0, count - index);
  return true;
}

bool CKLFile::ReadByteLines(uint8_t* bytes, size_t count) {
  for (size_t i = 0; i < count; ++i) {
    int32_t v = 0;
    if (!ReadInt32(v)) {
      std::memset(bytes + i, 0, count - i);
      return false;
    }
    bytes[i] = static_cast<uint8_t>(v);
  }
  return true;
}

bool CKLFile::ExtractDelimited(const char*& position, char delimiter, char* buffer, size_t size) {
  // strchr finds a NUL delimiter at the text's end; searching on from there would leave the text.
  const char* first = delimiter ? std::strchr(position, delimiter) : nullptr;
  const char* second = first ? std::strchr(first + 1, delimiter) : nullptr;
  const char* from = second ? first + 1 : position;
  size_t length = second ? static_cast<size_t>(second - from) : std::strlen(position);
  if (size) {
    size_t n = std::min(length, size - 1);
    std::memcpy(buffer, from, n);
    buffer[n] = '\0';
  }
  if (!second) return false;
  position = second + 1;
  return true;
}

// ---------------------------------------------------------------- sections

bool CKLFile::FindSection(std::string_view name) {
  size_t saved = position_;
  std::string_view line;
  while (ReadLine(line)) {
    if (line.size() == kSectionBegin.size() + name.size() && line.starts_with(kSectionBegin) &&
        line.substr(kSectionBegin.size()) == name)
      return true;
    if (line.starts_with(kSectionEnd)) break;
  }
  position_ = saved;
  return false;
}

bool CKLFile::HasSectionAhead(std::string_view name) {
  size_t saved = position_;
  bool found = FindSection(name);
  position_ = saved;
  return found;
}

bool CKLFile::FindSectionEnd(std::string_view name) {
  std::string_view line;
  while (ReadLine(line)) {
    if (line.size() == kSectionEnd.size() + name.size() && line.starts_with(kSectionEnd) &&
        line.substr(kSectionEnd.size()) == name)
      return true;
  }
  return false;
}

// ---------------------------------------------------------------- version

bool WriteVersion(CKLFile& file) {
  if (!file.IsOpenForWriting()) return false;
  file.BeginSection("VERSION");
  file.WriteInt(static_cast<int32_t>(CKLFile::kWrittenVersion));
  return file.EndSection("VERSION");
}

bool ReadVersion(CKLFile& file) {
  if (!file.FindSection("VERSION")) {
    file.SetLoadedVersion(1);
    return false;
  }
  int32_t raw = 0;
  file.ReadInt(raw);
  uint32_t version = static_cast<uint32_t>(raw);
  if ((version >> 16) < (CKLFile::kWrittenVersion >> 16)) version |= 0xFFFF;
  file.SetLoadedVersion(version);
  return file.FindSectionEnd("VERSION");
}

}  // namespace torvale
