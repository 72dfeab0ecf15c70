#include "framework/Screen.h"

#include <QGuiApplication>
#include <QScreen>

#include <cmath>

namespace cadmira::framework {
namespace {

constexpr int kNoOverride = 0;
int g_dpiOverride = kNoOverride;

int QueriedScreenDpi() {
  const QScreen* screen = QGuiApplication::primaryScreen();
  if (screen == nullptr) return 96;
  return static_cast<int>(std::lround(screen->logicalDotsPerInchX()));
}

}  // namespace

int ScreenDpi() { return g_dpiOverride != kNoOverride ? g_dpiOverride : QueriedScreenDpi(); }

double ScreenScale() { return ScreenDpi() / 96.0; }

ScopedDpiOverride::ScopedDpiOverride(int dpi) : m_previous(g_dpiOverride) { g_dpiOverride = dpi; }

ScopedDpiOverride::~ScopedDpiOverride() { g_dpiOverride = m_previous; }

}  // namespace cadmira::framework
