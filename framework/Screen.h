#pragma once

#include <optional>

#include <QByteArray>
#include <QRect>

namespace cadmira::framework {

// The screen's horizontal logical dots per inch (96 on an unscaled screen), or the value of the
// innermost ScopedDpiOverride while one lives.
int ScreenDpi();

// The screen's scale against 96 dots per inch.
double ScreenScale();

// Qt scales windows by whole factors only, so that frames stay whole and text sharp: a fractional
// factor asked through QT_SCALE_FACTOR keeps its whole part and passes the rest on as font dots per
// inch (QT_FONT_DPI, 96 unless set), which the templates turn into whole pixels themselves.
struct ScaleSettings {
  QByteArray scaleFactor;
  QByteArray fontDpi;
};
// The settings that replace `scaleFactor` and `fontDpi`; none when they need no change.
std::optional<ScaleSettings> WholeScaleSettings(const QByteArray& scaleFactor, const QByteArray& fontDpi);
// Applies the above to the environment and chooses Qt's rounding of screen factors. Must run
// before the application object exists.
void PrepareScreenScaling();

// The part of the screen a window may take (without the panels), or the area of the innermost
// ScopedScreenAreaOverride while one lives.
QRect AvailableScreenArea();

class ScopedScreenAreaOverride {
 public:
  explicit ScopedScreenAreaOverride(const QRect& area);
  ~ScopedScreenAreaOverride();
  ScopedScreenAreaOverride(const ScopedScreenAreaOverride&) = delete;
  ScopedScreenAreaOverride& operator=(const ScopedScreenAreaOverride&) = delete;

 private:
  std::optional<QRect> m_previous;
};

// Makes ScreenDpi() answer `dpi` for its lifetime, so tests can lay windows out as on a
// high-density screen; the previous answer comes back when it ends.
class ScopedDpiOverride {
 public:
  explicit ScopedDpiOverride(int dpi);
  ~ScopedDpiOverride();
  ScopedDpiOverride(const ScopedDpiOverride&) = delete;
  ScopedDpiOverride& operator=(const ScopedDpiOverride&) = delete;

 private:
  int m_previous;
};

}  // namespace cadmira::framework
