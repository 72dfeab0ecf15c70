#pragma once

#include <map>
#include <string>
#include <utility>

#include "document/PageControls.h"

namespace cadmira::document {

// Page controls held in maps, for tests and the command-line tool. Every control starts as a
// fresh page's does: unchecked, at item 0, empty and enabled.
class MapPageControls : public IPageControls {
 public:
  bool Checked(int dialogId, int controlId) const override;
  void SetChecked(int dialogId, int controlId, bool checked) override;
  int ComboIndex(int dialogId, int controlId) const override;
  void SetComboIndex(int dialogId, int controlId, int index) override;
  std::u16string Text(int dialogId, int controlId) const override;
  void SetText(int dialogId, int controlId, const std::u16string& text) override;
  void SetEnabled(int dialogId, int controlId, bool enabled) override;

  bool Enabled(int dialogId, int controlId) const;

  // Same controls set to the same values (a control set to its starting value counts as set).
  friend bool operator==(const MapPageControls& a, const MapPageControls& b) {
    return a.m_checked == b.m_checked && a.m_comboIndex == b.m_comboIndex && a.m_text == b.m_text &&
           a.m_enabled == b.m_enabled;
  }

 private:
  using Id = std::pair<int, int>;
  std::map<Id, bool> m_checked;
  std::map<Id, int> m_comboIndex;
  std::map<Id, std::u16string> m_text;
  std::map<Id, bool> m_enabled;
};

}  // namespace cadmira::document
