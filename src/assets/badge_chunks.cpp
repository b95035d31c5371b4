#include "assets/badge_chunks.h"

#include <vector>

#include "assets/badge_path.h"
#include "platform/path.h"
#include "storage/form_writer.h"

namespace torvale {

int CBadge::WriteChunks(CFormWriter& writer) const {
  if (template_.empty()) return 0;
  int written = 0;
  for (int size : kBadgeSizes) {
    const std::string name = FormatBadgeTemplate(template_, size);
    // The template comes from a database; a name leading out of the badge folder must not
    // carry some other file of the user into an archive that is sent on.
    std::string content;
    if (!ReadConfinedFile(folder_, name, content)) continue;
    std::vector<uint8_t> data(name.begin(), name.end());
    data.push_back(0);
    data.insert(data.end(), content.begin(), content.end());
    if (writer.WriteChunk(kFormTagBadge, data.data(), data.size())) ++written;
  }
  return written;
}

}  // namespace torvale
