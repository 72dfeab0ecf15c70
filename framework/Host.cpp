#include "framework/Host.h"

#include "framework/QtHost.h"

namespace cadmira::framework {
namespace {

Host* g_host = nullptr;

Host& DefaultHost() {
  static QtHost host;
  return host;
}

}  // namespace

Host& CurrentHost() { return g_host != nullptr ? *g_host : DefaultHost(); }

ScopedHost::ScopedHost(Host& host) : m_previous(g_host) { g_host = &host; }

ScopedHost::~ScopedHost() { g_host = m_previous; }

}  // namespace cadmira::framework
