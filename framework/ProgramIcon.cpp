#include "framework/ProgramIcon.h"

#include <QPixmap>

#include "resources/IconResource.h"

namespace cadmira::framework {

QIcon ProgramIcon() {
  QIcon icon;
  for (const int size : resources::kIconSizes) {
    const std::span<const unsigned char> png = resources::IconResource(size);
    QPixmap pixmap;
    if (!png.empty() && pixmap.loadFromData(png.data(), static_cast<uint>(png.size()), "PNG")) icon.addPixmap(pixmap);
  }
  return icon;
}

}  // namespace cadmira::framework
