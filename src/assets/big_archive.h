#pragma once
// CQZBig: read access to the game's BIG archives ("badges.big"): one file holding many named
// files behind a directory. The whole archive may itself be one packed block; it is then
// unpacked into a temporary file that lives as long as the archive is open.
//
// Archives may come from strangers, so the directory is checked against the file's real
// length before anything is read or allocated through it.

#include <cstdint>
#include <cstdio>
#include <functional>
#include <optional>
#include <string>
#include <string_view>
#include <unordered_map>
#include <vector>

namespace torvale {

struct BigEntry {
  uint32_t offset = 0;        // of the entry's data from the start of the file
  uint32_t length = 0;        // stored bytes
  std::string name;           // relative path with backslashes, e.g. "Badges\GROUP\Badge180\X.TGA"
  uint32_t unpackedSize = 0;  // for a packed entry its unpacked size, else 0
  uint32_t recordPosition = 0;  // where the entry's directory record starts in the file
};

enum class BigError {
  kNoName,     // empty path or entry name
  kCannotOpen, // the archive or its unpacked copy cannot be opened
  kInvalid,    // not a BIG archive, or a directory that does not fit the file
  kNotFound,   // no entry of that name
  kNotOpen,    // a lookup on a closed archive
};

// The German message of an error, with `argument` put in where the text names a file.
std::string BigErrorText(BigError error, std::string_view argument = {});

class CQZBig {
 public:
  // Shows a message to the user (a message box in the GUI); given the Windows-1252 text.
  using MessageSink = std::function<void(const std::string& text)>;

  CQZBig() = default;
  CQZBig(const CQZBig&) = delete;
  CQZBig& operator=(const CQZBig&) = delete;
  virtual ~CQZBig();

  // Opens and indexes the archive at `path`. The file is kept open for reading, and for
  // writing too unless `readOnly` is set or the file does not allow it.
  bool Open(std::string_view path, bool readOnly);
  // Closes the file, removes the temporary copy of a packed archive, forgets all entries.
  void Close();
  bool IsOpen() const { return file_ != nullptr; }
  bool IsReadOnly() const { return readOnly_; }

  int GetEntryCount() const { return IsOpen() ? static_cast<int>(entries_.size()) : 0; }
  // An empty record (empty name) for an index out of range or a closed archive.
  BigEntry GetEntry(int index) const;

  // The index of the first entry whose name equals `name` ignoring letter case, else -1.
  // Only a closed archive is reported; a missing name is an ordinary answer.
  int FindEntry(std::string_view name);
  // As FindEntry, and also reports an empty name and a name that is not there.
  int FindEntryReported(std::string_view name);

  // The entry's bytes; with `unpack`, a packed entry comes back unpacked. None for an index out
  // of range, a read error or an entry that does not unpack.
  std::optional<std::vector<uint8_t>> ReadEntry(int index, bool unpack);
  // Looks the name up as FindEntry does.
  std::optional<std::vector<uint8_t>> ReadEntry(std::string_view name, bool unpack);

  // Quiet archives only record their errors (GetLastError) and never call the message sink.
  void SetQuiet(bool quiet) { quiet_ = quiet; }
  bool IsQuiet() const { return quiet_; }
  void SetMessageSink(MessageSink sink) { sink_ = std::move(sink); }
  const std::string& GetLastError() const { return lastError_; }

  // The file being read: the archive, or the unpacked copy of a packed one.
  const std::string& ReadPath() const { return readPath_; }
  // The archive file itself when it was packed, else empty.
  const std::string& PackedPath() const { return packedPath_; }
  uint32_t GetArchiveLength() const { return archiveLength_; }

 private:
  void ReportError(BigError error, std::string_view argument = {});
  bool OpenPacked(const std::string& path, std::FILE*& file, uint64_t& fileLength, uint8_t header[16]);
  bool ReadDirectory(std::FILE* file, uint64_t fileLength, uint32_t count, const std::string& shownPath);

  bool readOnly_ = true;
  std::FILE* file_ = nullptr;
  std::vector<BigEntry> entries_;
  std::unordered_map<std::string, int> indexByLowerName_;  // first entry of each name
  std::string readPath_;
  std::string packedPath_;
  uint32_t archiveLength_ = 0;
  bool quiet_ = false;
  MessageSink sink_;
  std::string lastError_;
};

}  // namespace torvale
