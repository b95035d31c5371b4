#pragma once
// CKLFile: the record stream every database file is written in. A line-oriented text format
// of named, nested sections ("%INDEX%name" ... "%INDEXEND%name") holding one value per line.
//
// Readers ask for sections in the order they were written; a missing section or value is not
// an error but yields the field's default, and leaves the position where it was so that the
// next read sees the same line. Unlike the game's own reader this one has no file-size or
// line-length cap: a file is read whole, however large, and no value is ever cut short.

#include <algorithm>
#include <cstdint>
#include <memory>
#include <string>
#include <string_view>
#include <type_traits>

#include "platform/atomic_file.h"
#include "platform/path.h"

namespace torvale {

class CKLFile {
 public:
  // The data version this program writes: 0x2004 in the high half, 0x0008 in the low half.
  static constexpr uint32_t kWrittenVersion = 0x20040008;

  CKLFile() = default;
  CKLFile(const CKLFile&) = delete;
  CKLFile& operator=(const CKLFile&) = delete;
  // Closes like Close, except that a file being written while an exception unwinds the
  // writer is discarded: its records are incomplete, so the old file stays.
  virtual ~CKLFile();

  // ---- open / close ----
  // `mode` is accepted for the callers' sake ("r", "w"); files are always read whole and
  // written with CRLF line ends.
  bool OpenRead(std::string_view path, const char* mode = "r");
  // As OpenRead, telling a missing file from one that exists but cannot be read.
  FileReadResult OpenReadChecked(std::string_view path);
  // Reads a stream that is already in memory (archive entries, tests).
  bool OpenReadFromMemory(std::string data);
  // Opens for writing; the file replaces the old one only when Close succeeds.
  bool OpenWrite(std::string_view path, const char* mode = "w");
  // Writes into memory; TakeWritten hands the text over (archive export, tests).
  bool OpenWriteToMemory();
  std::string TakeWritten();
  // Closes the file. For a file opened for writing, false means the data did not reach the
  // disk (the old file, if any, is unchanged).
  bool Close();
  // Closes a file opened for writing without replacing the target: the complete temporary
  // file is handed over by path (for a commit of several files at once, which syncs them
  // unless `sync`). Empty when writing failed; the temporary is then removed.
  std::string CloseStaged(bool sync = true);
  bool IsOpenForReading() const { return reading_; }
  bool IsOpenForWriting() const { return writing_; }

  // ---- writing primitives: false when no file is open for writing ----
  bool BeginSection(std::string_view name);
  bool EndSection(std::string_view name);
  // A text that begins with ';' or '%' gets a leading blank and line breaks become blanks:
  // otherwise it would read back as a comment, a section line or several values and shift
  // every later field of its record.
  bool WriteString(std::string_view text);
  // Fixed-width text fields: never reads past the array even when it lacks its NUL.
  template <size_t N>
  bool WriteString(const char (&text)[N]) {
    return WriteString(std::string_view(text, static_cast<size_t>(std::find(text, text + N, '\0') - text)));
  }
  bool WriteInt(int32_t value);
  template <typename T>
    requires std::is_integral_v<T>
  bool WriteInt(T value) { return WriteInt(static_cast<int32_t>(value)); }
  bool WriteHex(uint32_t value);
  bool WriteBool(uint32_t flag);
  bool WriteByteList(const uint8_t* bytes, size_t count);
  bool WriteByteLines(const uint8_t* bytes, size_t count);
  // `slots` holds `count` NUL-terminated texts of `slotWidth` bytes each. There is no escaping,
  // so a '"' inside a text is written as '\'' (it would end the text early and shift the others).
  bool WriteQuotedList(const char* slots, size_t count, size_t slotWidth);
  bool WriteComment(std::string_view text);

  // ---- reading primitives: false when no value line is there (the position is unchanged) ----
  // Fixed buffer of `size` bytes: cut to size - 1, NUL-terminated and NUL-padded; unchanged
  // when no value is there.
  bool ReadString(char* buffer, size_t size);
  template <size_t N>
  bool ReadString(char (&buffer)[N]) { return ReadString(buffer, N); }
  bool ReadString(std::string& text);
  // The line's leading decimal integer (blanks and one sign allowed), cut to the target width;
  // 0 when there is no value.
  template <typename T>
    requires std::is_integral_v<T>
  bool ReadInt(T& value) {
    int32_t v = 0;
    bool ok = ReadInt32(v);
    value = static_cast<T>(v);
    return ok;
  }
  // Up to 8 hexadecimal digits after any leading blanks; 0 when the line starts otherwise.
  bool ReadHex(uint32_t& value);
  template <typename T>
    requires std::is_integral_v<T>
  bool ReadBool(T& flag) {
    int32_t v = 0;
    bool ok = ReadInt32(v);
    flag = static_cast<T>(v != 0 ? 1 : 0);
    return ok;
  }
  bool ReadByteList(uint8_t* bytes, size_t count);
  bool ReadByteLines(uint8_t* bytes, size_t count);
  // The next value line as it is; the view stays valid until the file is closed.
  bool ReadValueLine(std::string_view& line);

  // Copies the text between the next two occurrences of `delimiter` into buffer (cut to
  // size - 1) and moves `position` past the second one. Without two delimiters: the whole rest
  // of the text, position unchanged, false.
  static bool ExtractDelimited(const char*& position, char delimiter, char* buffer, size_t size);

  // ---- sections ----
  // True when the next section begins with `name` before any section end; otherwise the
  // position is unchanged.
  bool FindSection(std::string_view name);
  // True when FindSection(name) would succeed; the position does not move. Lets a reader
  // stop at the records a file really holds when its count line promises more.
  bool HasSectionAhead(std::string_view name);
  // Skips everything up to and including the end line of `name`.
  bool FindSectionEnd(std::string_view name);
  // One raw line (comments included) without its line end; false at the end of the data.
  bool ReadLine(std::string_view& line);
  bool AtEnd() const { return position_ >= data_.size(); }
  // True when the next line other than a comment begins section `name`. Lets a list whose
  // items are id lines followed by their record stop at an id without its record, instead of
  // searching the rest of the file for it per id.
  bool NextLineBeginsSection(std::string_view name) const;
  // The 1-based number of the line at the read position (for reports on damaged files).
  size_t CurrentLine() const;

  // ---- data version of the stream being read ----
  uint32_t LoadedVersion() const { return loadedVersion_; }
  uint16_t GetLoadedVersionMajor() const { return static_cast<uint16_t>(loadedVersion_ >> 16); }
  uint16_t GetLoadedVersionMinor() const { return static_cast<uint16_t>(loadedVersion_ & 0xFFFF); }
  void SetLoadedVersion(uint32_t version) { loadedVersion_ = version; }

  // Parses the leading decimal integer of a text the way ReadInt does.
  static int32_t ParseInt(std::string_view text);

 private:
  bool ReadInt32(int32_t& value);
  std::string_view CutLine(size_t& position) const;
  // The next value line (comments skipped), the position moved past it; a view without data
  // (data() null) when a section line or the end comes first, the position unchanged.
  std::string_view NextValueLine();
  bool WriteLine(std::string_view text);
  // Room for `count` more bytes of output at data_[written_]; may hand earlier output to the file.
  char* Room(size_t count);
  void MakeRoom(size_t count);
  void Append(std::string_view text);
  void EndLine();

  bool reading_ = false;
  bool writing_ = false;
  bool toMemory_ = false;
  std::string data_;      // the whole stream when reading, room for the output when writing
  size_t position_ = 0;   // read position in data_
  size_t written_ = 0;    // bytes of output pending in data_
  std::unique_ptr<AtomicFile> out_;
  bool writeFailed_ = false;
  int exceptionsAtOpen_ = 0;
  uint32_t loadedVersion_ = kWrittenVersion;
};

// "VERSION" section with the written data version.
bool WriteVersion(CKLFile& file);
// Reads "VERSION" into the file's loaded data version: 1 when the section is missing; a file
// of an older major version gets 0xFFFF as its minor half.
bool ReadVersion(CKLFile& file);

}  // namespace torvale
