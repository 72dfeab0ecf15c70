#pragma once

#include <string>

#include "pages/view/PageView.h"
#include "resources/Product.h"

namespace cadmira::localization {
class CUiStrings;
}

namespace cadmira::pages {

// The words the pages of one product show in one interface language: a control's row on the
// Preferences page, its label on the option page and its value as the control shows it.
class CPageWords {
 public:
  CPageWords(resources::Product product, const localization::CUiStrings& strings);

  const localization::CUiStrings& Strings() const { return m_strings; }
  std::u16string Text(int id) const;

  // The text of the Preferences page's row that shows the control.
  std::u16string RowText(const document::PreferenceBinding& binding) const;
  // A check box's own text; for a combo box or an edit the label before it on its page.
  std::u16string Label(const document::PreferenceBinding& binding) const;
  // "checked"/"not checked", the combo item's text, or the text ("(empty)" for none).
  std::u16string Value(const ShownSetting& setting) const;
  // The product as the interface change dialog names it.
  std::u16string ProductName(resources::Product product) const;

 private:
  std::u16string ControlText(int dialogId, int controlId) const;

  resources::Product m_product;
  const localization::CUiStrings& m_strings;
};

// Titles joined from the top down with " › ".
std::u16string TitlePath(const std::vector<std::u16string>& titles);

}  // namespace cadmira::pages
