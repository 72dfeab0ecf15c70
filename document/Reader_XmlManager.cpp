#include "document/Reader_XmlManager.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstdint>
#include <new>

#include "resources/XmlResource.h"

namespace cadmira::document {
namespace {

// The element-tree reader takes at most 4 GiB - 1; a larger file is not read into memory at all.
constexpr std::uint64_t kLargestReadable = 0xFFFFFFFFull;

}  // namespace

std::vector<unsigned char> ReadWholeFile(const std::string& path) {
  const int fd = open(path.c_str(), O_RDONLY | O_CLOEXEC);
  if (fd < 0) return {};
  std::vector<unsigned char> bytes;
  struct stat info {};
  if (fstat(fd, &info) == 0 && S_ISREG(info.st_mode) && info.st_size > 0 &&
      static_cast<std::uint64_t>(info.st_size) <= kLargestReadable) {
    try {
      bytes.resize(static_cast<std::size_t>(info.st_size));
    } catch (const std::bad_alloc&) {
      close(fd);
      return {};
    }
    std::size_t done = 0;
    while (done < bytes.size()) {
      const ssize_t got = read(fd, bytes.data() + done, bytes.size() - done);
      if (got < 0 && errno == EINTR) continue;
      if (got <= 0) break;
      done += static_cast<std::size_t>(got);
    }
    // A file that shrank while it was read gives what was there.
    bytes.resize(done);
  }
  close(fd);
  return bytes;
}

CXML_TreeElement* CReader_XmlManager::LoadConfigFile(const std::string& path) {
  const std::vector<unsigned char> bytes = ReadWholeFile(path);
  if (bytes.empty()) return nullptr;
  return ParseDocument(bytes.data(), bytes.size());
}

CXML_TreeElement* CReader_XmlManager::LoadConfigResource(int resourceId) {
  const auto bytes = resources::XmlResource(resourceId);
  if (bytes.empty()) return nullptr;
  return ParseDocument(bytes.data(), bytes.size());
}

void CReader_XmlManager::SetRoot(CXML_TreeElement* root) {
  if (root == m_pRootElement) return;
  DestroyTree(m_pRootElement);
  m_pRootElement = root;
}

}  // namespace cadmira::document
