#include "base/ReplaceFileAtomically.h"

namespace cadmira {
namespace {

ReplaceSystemCalls& CallsInPlace() {
  static ReplaceSystemCalls calls;
  return calls;
}

}  // namespace

ScopedReplaceSystemCalls::ScopedReplaceSystemCalls(const ReplaceSystemCalls& calls) : m_previous(CallsInPlace()) {
  CallsInPlace() = calls;
}

ScopedReplaceSystemCalls::~ScopedReplaceSystemCalls() { CallsInPlace() = m_previous; }

Result<Replaced> ReplaceFileAtomically(const std::string& path, std::span<const unsigned char> bytes) {
  return ReplaceFileAtomically(path, bytes, CallsInPlace());
}

}  // namespace cadmira
