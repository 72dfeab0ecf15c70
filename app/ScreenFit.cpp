#include "app/ScreenFit.h"

#include <algorithm>

namespace cadmira::app {

std::optional<ScreenFit> FitIntoArea(const QSize& client, const QRect& scrolled, int buttonsTop, const QSize& area,
                                     int scrollBar) {
  if (client.width() <= area.width() && client.height() <= area.height()) return std::nullopt;
  ScreenFit fit;
  fit.client = client.boundedTo(area);
  const int bottomPart = client.height() - buttonsTop;
  fit.buttonsShift = fit.client.height() - client.height();
  fit.buttonsOffset = (fit.client.width() - client.width()) / 2;
  fit.scrollArea = QRect(0, 0, fit.client.width(), std::max(0, fit.client.height() - bottomPart));
  // What scrolls keeps the pages where they were; a vertical scroll bar takes the room of the
  // margin to their right before any horizontal one is needed.
  const bool scrollsDown = buttonsTop > fit.scrollArea.height();
  const int width = scrollsDown ? std::max(scrolled.right() + 1, client.width() - scrollBar) : client.width();
  fit.content = QSize(width, buttonsTop);
  return fit;
}

}  // namespace cadmira::app
