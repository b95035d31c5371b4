#pragma once
// A fresh folder under the system's temporary folder, removed with everything in it when the
// object goes away. Tests that touch files work inside one.

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

namespace torvale::test {

class TempFolder {
 public:
  TempFolder();
  ~TempFolder();
  TempFolder(const TempFolder&) = delete;
  TempFolder& operator=(const TempFolder&) = delete;

  const std::string& Path() const { return path_; }
  // `relative` joined to the folder.
  std::string operator/(std::string_view relative) const;
  // Writes a file below the folder, creating the folders on its way.
  void WriteFile(std::string_view relative, const std::vector<uint8_t>& bytes) const;
  void WriteFile(std::string_view relative, std::string_view text) const;
  // The names of the files directly in `relative` ("" for the folder itself), sorted.
  std::vector<std::string> List(std::string_view relative = {}) const;

 private:
  std::string path_;
};

std::vector<uint8_t> ReadBytes(const std::string& path);

}  // namespace torvale::test
