#pragma once

#include <optional>
#include <string>

#include "base/XmlTree.h"

namespace cadmira::localization {

// The interface texts of one language without a window, looked up as the window looks them up:
// for Chinese from the embedded language file, falling back to the English string table; for
// any other language from the string table alone.
class CUiStrings {
 public:
  explicit CUiStrings(int langid);

  bool Chinese() const { return m_tree != nullptr; }

  // The text of string-table id `id`.
  std::u16string Text(int id) const;
  // The text the language file gives a control of a dialog (its caption for controlId 0) when
  // relabelling replaces it; none when the control keeps its template text.
  std::optional<std::u16string> ControlText(int dialogId, int controlId) const;

 private:
  XmlTreePtr m_tree;
};

}  // namespace cadmira::localization
