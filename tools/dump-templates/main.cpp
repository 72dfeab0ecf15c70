// dump-templates             the templates as JSON on standard output
// dump-templates --check F   relabels every dialog with language file F and lists texts that
//                            do not fit; exit status 1 when there are any
#include <cstdio>

#include <QApplication>
#include <QFile>

#include "FitCheck.h"
#include "TemplateDump.h"
#include "localization/InterfaceLanguage.h"
#include "localization/LanguageFile.h"

int main(int argc, char** argv) {
  if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
  QApplication application(argc, argv);
  const QStringList arguments = QApplication::arguments();
  if (arguments.size() == 1) {
    std::puts(DumpTemplates().dump(1).c_str());
    return 0;
  }
  if (arguments.size() != 3 || arguments[1] != "--check") {
    std::fputs("usage: dump-templates [--check LANGUAGE-FILE]\n", stderr);
    return 2;
  }
  QFile file(arguments[2]);
  if (!file.open(QIODevice::ReadOnly)) {
    std::fprintf(stderr, "cannot read %s\n", qPrintable(arguments[2]));
    return 2;
  }
  const QByteArray bytes = file.readAll();
  // The faces the Chinese interface shows, which the texts must fit.
  cadmira::localization::PrepareInterfaceLanguage(cadmira::localization::kChineseLangId);
  cadmira::localization::LoadLanguageDocument(
      {reinterpret_cast<const unsigned char*>(bytes.constData()), static_cast<std::size_t>(bytes.size())});
  const QStringList problems = CheckTextsFit();
  for (const QString& problem : problems) std::puts(qPrintable(problem));
  return problems.isEmpty() ? 0 : 1;
}
