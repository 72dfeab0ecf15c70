#include "localization/CheckStateTexts.h"

#include "localization/UiString.h"

namespace cadmira::localization {

std::map<Qt::CheckState, QString> CheckStateTexts() {
  return {{Qt::Unchecked, LoadUiString(332)}, {Qt::Checked, LoadUiString(331)}};
}

}  // namespace cadmira::localization
