#pragma once
// The output file is written beside its final place under a temporary name and
// renamed at the end, so a failed or cancelled run leaves no partial file and
// an existing file is only replaced by a complete one.
#include <string>

namespace orvhost {

class OutputFile {
 public:
  /// Reserves the temporary file now, so an unwritable place fails before any work.
  explicit OutputFile(const std::string& path);
  ~OutputFile();
  OutputFile(const OutputFile&) = delete;
  OutputFile& operator=(const OutputFile&) = delete;

  const std::string& TemporaryPath() const { return temporary_; }
  void Commit();

 private:
  std::string path_;
  std::string temporary_;
  bool committed_ = false;
};

/// True when both names lead to the same file (or would).
bool SamePath(const std::string& a, const std::string& b);

}  // namespace orvhost
