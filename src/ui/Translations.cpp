#include "ui/Translations.h"

#include <QCoreApplication>
#include <QLibraryInfo>
#include <QTranslator>

namespace ui {

bool installSpanishTranslations(QCoreApplication &app)
{
  const QString folder = QLibraryInfo::path(QLibraryInfo::TranslationsPath);
  auto *translator = new QTranslator(&app);
  // "qt_es" gathers every Qt module's catalogue; "qtbase_es" alone has the dialogs.
  if (translator->load(QStringLiteral("qt_es"), folder) || translator->load(QStringLiteral("qtbase_es"), folder))
    return QCoreApplication::installTranslator(translator);
  delete translator;
  return false;
}

} // namespace ui
