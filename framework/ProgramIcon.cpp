#include "framework/ProgramIcon.h"

#include <QIconEngine>
#include <QPainter>
#include <QPixmap>

#include <map>
#include <vector>

#include "resources/IconResource.h"

namespace cadmira::framework {
namespace {

// Decodes each drawn size of the icon resource when it is first needed.
class ResourceIconEngine : public QIconEngine {
 public:
  explicit ResourceIconEngine(std::vector<int> sizes) : m_sizes(std::move(sizes)) {}

  QPixmap pixmap(const QSize& size, QIcon::Mode, QIcon::State) override {
    QPixmap drawn = Decoded(BestSide(size));
    // Like Qt's own icons: smaller sizes are scaled down, none is scaled up.
    if (drawn.width() <= size.width() && drawn.height() <= size.height()) return drawn;
    return drawn.scaled(size, Qt::KeepAspectRatio, Qt::SmoothTransformation);
  }

  void paint(QPainter* painter, const QRect& rect, QIcon::Mode mode, QIcon::State state) override {
    painter->drawPixmap(rect, pixmap(rect.size(), mode, state));
  }

  QSize actualSize(const QSize& size, QIcon::Mode, QIcon::State) override {
    const int side = BestSide(size);
    return side > 0 ? QSize(side, side).boundedTo(size) : QSize();
  }

  QList<QSize> availableSizes(QIcon::Mode, QIcon::State) override {
    QList<QSize> sizes;
    for (const int side : m_sizes) {
      if (!resources::IconResource(side).empty()) sizes << QSize(side, side);
    }
    return sizes;
  }

  QIconEngine* clone() const override { return new ResourceIconEngine(*this); }
  QString key() const override { return QStringLiteral("cadmira-program-icon"); }

 private:
  // The smallest drawn side that covers `size`, else the largest one.
  int BestSide(const QSize& size) const {
    const int wanted = qMax(size.width(), size.height());
    int best = 0;
    for (const int side : m_sizes) {
      if (resources::IconResource(side).empty()) continue;
      if (best == 0 || (best < wanted && side > best) || (side >= wanted && side < best)) best = side;
    }
    return best;
  }

  QPixmap Decoded(int side) {
    if (side <= 0) return {};
    auto known = m_decoded.find(side);
    if (known != m_decoded.end()) return known->second;
    const std::span<const unsigned char> png = resources::IconResource(side);
    QPixmap pixmap;
    pixmap.loadFromData(png.data(), static_cast<uint>(png.size()), "PNG");
    return m_decoded.emplace(side, pixmap).first->second;
  }

  std::vector<int> m_sizes;
  std::map<int, QPixmap> m_decoded;
};

}  // namespace

QIcon ProgramIcon() {
  return QIcon(new ResourceIconEngine(std::vector<int>(resources::kIconSizes.begin(), resources::kIconSizes.end())));
}

QIcon ProgramWindowIcon() { return QIcon(new ResourceIconEngine({16, 32})); }

}  // namespace cadmira::framework
