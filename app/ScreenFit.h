#pragma once

#include <optional>

#include <QRect>
#include <QSize>

namespace cadmira::app {

// How a window laid out for `client` pixels, with its pages in `scrolled` and a row of buttons
// whose top edge is `buttonsTop`, fits into `area`: the pages scroll, the buttons stay in view.
struct ScreenFit {
  QSize client;           // the window's new client size
  QRect scrollArea;       // where the pages' scroll area sits
  QSize content;          // the size of what scrolls, the pages where they were
  int buttonsShift = 0;   // how far the buttons move down (negative: up)
  int buttonsOffset = 0;  // how far the buttons move right (negative: left), their row centred
};

// None when the window fits as it is. `scrollBar` is the thickness of a scroll bar.
std::optional<ScreenFit> FitIntoArea(const QSize& client, const QRect& scrolled, int buttonsTop, const QSize& area,
                                     int scrollBar);

}  // namespace cadmira::app
