#include "framework/StoredSettings.h"

#include "framework/ProfileStore.h"
#include "resources/LanguageIds.h"

namespace cadmira::framework {
namespace {

const StoredInt& ProductSetting() {
  static const StoredInt setting{QStringLiteral("Versions"), QStringLiteral("verid"),
                                 resources::ProductNumber(resources::Product::Orvanta)};
  return setting;
}

const StoredInt& LanguageSetting() {
  static const StoredInt setting{QStringLiteral("Languages"), QStringLiteral("langid"), resources::kEnglishLangId};
  return setting;
}

}  // namespace

int StoredInt::Read() const { return ProfileInt(section, entry, defaultValue); }

bool StoredInt::Write(int value) const { return WriteProfileInt(section, entry, value); }

resources::Product StoredProduct() { return resources::ProductFromNumber(ProductSetting().Read()); }

bool StoreProduct(resources::Product product) { return ProductSetting().Write(resources::ProductNumber(product)); }

int StoredLanguage() { return LanguageSetting().Read(); }

bool StoreLanguage(int langId) { return LanguageSetting().Write(langId); }

}  // namespace cadmira::framework
