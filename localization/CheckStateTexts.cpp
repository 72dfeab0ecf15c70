#include "localization/CheckStateTexts.h"

#include "localization/UiString.h"
#include "resources/ResourceIds.h"

namespace cadmira::localization {

std::map<Qt::CheckState, QString> CheckStateTexts() {
  return {{Qt::Unchecked, LoadUiString(resources::kNotCheckedText)},
          {Qt::PartiallyChecked, LoadUiString(resources::kPartlyCheckedText)},
          {Qt::Checked, LoadUiString(resources::kCheckedText)}};
}

}  // namespace cadmira::localization
