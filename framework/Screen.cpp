#include "framework/Screen.h"

#include <QGuiApplication>
#include <QScreen>

#include <algorithm>
#include <cmath>

namespace cadmira::framework {
namespace {

constexpr int kNoOverride = 0;
int g_dpiOverride = kNoOverride;
std::optional<QRect> g_areaOverride;

int QueriedScreenDpi() {
  const QScreen* screen = QGuiApplication::primaryScreen();
  if (screen == nullptr) return 96;
  return static_cast<int>(std::lround(screen->logicalDotsPerInchX()));
}

}  // namespace

std::optional<ScaleSettings> WholeScaleSettings(const QByteArray& scaleFactor, const QByteArray& fontDpi) {
  bool numeric = false;
  const double factor = scaleFactor.toDouble(&numeric);
  if (!numeric || !(factor > 0) || factor > 64) return std::nullopt;
  const double whole = std::max(1.0, std::floor(factor));
  if (factor == whole) return std::nullopt;
  const int baseDpi = fontDpi.toInt() > 0 ? fontDpi.toInt() : 96;
  return ScaleSettings{QByteArray::number(static_cast<int>(whole)),
                       QByteArray::number(static_cast<int>(std::lround(baseDpi * factor / whole)))};
}

void PrepareScreenScaling() {
  if (const auto settings = WholeScaleSettings(qgetenv("QT_SCALE_FACTOR"), qgetenv("QT_FONT_DPI"))) {
    qputenv("QT_SCALE_FACTOR", settings->scaleFactor);
    qputenv("QT_FONT_DPI", settings->fontDpi);
  }
  // A screen of 144 dots per inch is drawn at factor 1 and laid out at 144; one of 192 at factor 2.
  QGuiApplication::setHighDpiScaleFactorRoundingPolicy(Qt::HighDpiScaleFactorRoundingPolicy::Floor);
}

int ScreenDpi() { return g_dpiOverride != kNoOverride ? g_dpiOverride : QueriedScreenDpi(); }

double ScreenScale() { return ScreenDpi() / 96.0; }

QRect AvailableScreenArea() {
  if (g_areaOverride) return *g_areaOverride;
  const QScreen* screen = QGuiApplication::primaryScreen();
  return screen != nullptr ? screen->availableGeometry() : QRect();
}

ScopedScreenAreaOverride::ScopedScreenAreaOverride(const QRect& area) : m_previous(g_areaOverride) {
  g_areaOverride = area;
}

ScopedScreenAreaOverride::~ScopedScreenAreaOverride() { g_areaOverride = m_previous; }

ScopedDpiOverride::ScopedDpiOverride(int dpi) : m_previous(g_dpiOverride) { g_dpiOverride = dpi; }

ScopedDpiOverride::~ScopedDpiOverride() { g_dpiOverride = m_previous; }

}  // namespace cadmira::framework
