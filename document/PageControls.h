#pragma once

#include "resources/ResourceIds.h"

#include <string>

namespace cadmira::document {

// The controls of the option pages and the version box, each addressed by the id of the
// dialog that holds it and its own control id. The pages are the only store of the preference
// values; the document code reads and sets them through this interface only.
class IPageControls {
 public:
  virtual ~IPageControls() = default;

  virtual bool Checked(int dialogId, int controlId) const = 0;
  virtual void SetChecked(int dialogId, int controlId, bool checked) = 0;

  // -1 means no selection, which is written as item 0 would be.
  virtual int ComboIndex(int dialogId, int controlId) const = 0;
  virtual void SetComboIndex(int dialogId, int controlId, int index) = 0;

  virtual std::u16string Text(int dialogId, int controlId) const = 0;
  virtual void SetText(int dialogId, int controlId, const std::u16string& text) = 0;

  virtual void SetEnabled(int dialogId, int controlId, bool enabled) = 0;
};

// The version box of the Preferences page and the advertisement's rolling time.
using resources::kAdvertiseDialog;
using resources::kPreferencesDialog;
using resources::kRollingTimeEdit;
using resources::kVersionEdit;

}  // namespace cadmira::document
