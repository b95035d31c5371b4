#pragma once
// CBadge puts a club's badge into a world archive: one "BADG" chunk per size found in the
// badge folder, so that importing the archive elsewhere restores the images.

#include <string>
#include <utility>

namespace torvale {

class CFormWriter;

class CBadge {
 public:
  // `badgeTemplate` as MakeBadgeTemplate makes it ("GROUP/Badge%d/NAME.TGA").
  CBadge(std::string badgeFolder, std::string badgeTemplate)
      : folder_(std::move(badgeFolder)), template_(std::move(badgeTemplate)) {}

  // For the sizes 180, 74, 48 and 14 in turn: when "<folder>/<name of that size>" exists, one
  // chunk of the name, its NUL and the file's bytes. Missing sizes are skipped. Returns the
  // number of chunks written.
  int WriteChunks(CFormWriter& writer) const;

 private:
  std::string folder_;
  std::string template_;
};

}  // namespace torvale
