#include "localization/InterfaceLanguage.h"

#include <QApplication>
#include <QCoreApplication>
#include <QFont>
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

// Qt's own windows (message boxes, file dialogs) show the dialog faces too.
void UseDialogFacesForQtsWindows(bool chinese) {
  static const QFont original = QApplication::font();
  QFont font = original;
  if (chinese) font.setFamilies(framework::DialogFaces());
  QApplication::setFont(font);
}

}  // namespace

void PrepareInterfaceLanguage(int langid) {
  RemoveCatalogue();
  const bool chinese = static_cast<std::uint16_t>(langid) == kChineseLangId;
  if (chinese) {
    InstallCatalogue();
    // So that quotation marks and Chinese punctuation come from the same face as the characters.
    framework::SetDialogFaces({QStringLiteral("Noto Sans CJK SC"), QStringLiteral("WenQuanYi Micro Hei")});
  } else {
    framework::SetDialogFaces({});
  }
  UseDialogFacesForQtsWindows(chinese);
}

bool QtCatalogueInstalled() { return Catalogue() != nullptr; }

}  // namespace cadmira::localization
