#include "cli/ConfigInput.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstring>

namespace cadmira::cli {

Result<document::ConfigFile> ReadConfigInput(const std::string& path) {
  // The reader is silent about files it cannot open; say why here.
  const int fd = open(path.c_str(), O_RDONLY | O_CLOEXEC);
  struct stat info {};
  const int code = fd < 0 ? errno : fstat(fd, &info) != 0 ? errno : S_ISDIR(info.st_mode) ? EISDIR : 0;
  if (fd >= 0) close(fd);
  if (code != 0) return Error{"cannot read " + path + ": " + std::strerror(code)};
  return document::ReadConfigFile(path, document::ReadForms::PlainThenSealed);
}

}  // namespace cadmira::cli
