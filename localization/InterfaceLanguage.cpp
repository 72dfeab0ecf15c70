#include "localization/InterfaceLanguage.h"

#include <QCoreApplication>
#include <QLibraryInfo>
#include <QTranslator>

#include <cstdint>
#include <memory>

#include "framework/DialogFont.h"
#include "localization/LanguageFile.h"

namespace cadmira::localization {
namespace {

std::unique_ptr<QTranslator>& Catalogue() {
  static std::unique_ptr<QTranslator> catalogue;
  return catalogue;
}

void RemoveCatalogue() {
  if (Catalogue()) QCoreApplication::removeTranslator(Catalogue().get());
  Catalogue().reset();
}

void InstallCatalogue() {
  auto catalogue = std::make_unique<QTranslator>();
  if (!catalogue->load(QStringLiteral("qtbase_zh_CN"), QLibraryInfo::path(QLibraryInfo::TranslationsPath))) return;
  QCoreApplication::installTranslator(catalogue.get());
  Catalogue() = std::move(catalogue);
}

}  // namespace

void PrepareInterfaceLanguage(int langid) {
  RemoveCatalogue();
  if (static_cast<std::uint16_t>(langid) != kChineseLangId) {
    framework::SetDialogFaces({});
    return;
  }
  InstallCatalogue();
  // So that quotation marks and Chinese punctuation come from the same face as the characters.
  framework::SetDialogFaces({QStringLiteral("Noto Sans CJK SC"), QStringLiteral("WenQuanYi Micro Hei")});
}

bool QtCatalogueInstalled() { return Catalogue() != nullptr; }

}  // namespace cadmira::localization
