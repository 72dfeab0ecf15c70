#pragma once

namespace cadmira::framework {

// The screen's horizontal logical dots per inch (96 on an unscaled screen), or the value of the
// innermost ScopedDpiOverride while one lives.
int ScreenDpi();

// The screen's scale against 96 dots per inch.
double ScreenScale();

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
