#pragma once

#include <QString>

#include "resources/Product.h"

namespace cadmira::framework {

// One integer of the profile store with its section, entry and default named once.
struct StoredInt {
  QString section;
  QString entry;
  int defaultValue;

  int Read() const;
  bool Write(int value) const;
};

// The product the editor is set up for: [Versions] verid, Orvanta when none is stored.
resources::Product StoredProduct();
bool StoreProduct(resources::Product product);

// The interface language: [Languages] langid, English when none is stored.
int StoredLanguage();
bool StoreLanguage(int langId);

}  // namespace cadmira::framework
