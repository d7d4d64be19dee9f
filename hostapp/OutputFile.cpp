#include "hostapp/OutputFile.h"

#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstdlib>
#include <cstring>
#include <filesystem>
#include <stdexcept>
#include <vector>

namespace orvhost {

namespace fs = std::filesystem;

OutputFile::OutputFile(const std::string& path) : path_(path) {
  std::error_code error;
  const fs::path target(path);
  if (fs::is_directory(target, error)) throw std::runtime_error("is a folder");
  const fs::path folder = target.has_parent_path() ? target.parent_path() : fs::path(".");
  if (!fs::is_directory(folder, error)) throw std::runtime_error("the folder " + folder.string() + " does not exist");
  const std::string extension = target.extension().string();
  std::string pattern = (folder / ("." + target.filename().string() + ".XXXXXX")).string() + extension;
  std::vector<char> name(pattern.begin(), pattern.end());
  name.push_back('\0');
  const int fd = ::mkstemps(name.data(), static_cast<int>(extension.size()));
  if (fd < 0) throw std::runtime_error(std::string("cannot write: ") + std::strerror(errno));
  ::close(fd);
  temporary_ = name.data();
}

OutputFile::~OutputFile() {
  if (!committed_) ::unlink(temporary_.c_str());
}

void OutputFile::Commit() {
  // mkstemp makes the file private; give it the permissions a new file gets.
  const mode_t mask = ::umask(0);
  ::umask(mask);
  ::chmod(temporary_.c_str(), 0666 & ~mask);
  if (::rename(temporary_.c_str(), path_.c_str()) != 0)
    throw std::runtime_error(std::string("cannot write: ") + std::strerror(errno));
  committed_ = true;
}

bool SamePath(const std::string& a, const std::string& b) {
  std::error_code error;
  if (fs::exists(a, error) && fs::exists(b, error)) return fs::equivalent(a, b, error);
  return fs::weakly_canonical(a, error) == fs::weakly_canonical(b, error);
}

}  // namespace orvhost
