// Vaticor: statistics and forecasts for the Spanish football pools.
#include "controls/SystemServices.h"
#include "form/Qmodelop.h"
#include "ui/MainWindow.h"
#include "ui/QtHttp.h"
#include "ui/QtServices.h"
#include "ui/QtWindows.h"
#include "ui/Translations.h"

#include <QApplication>
#include "text/Settings.h"
#include <QTimer>

int main(int argc, char **argv)
{
  QApplication app(argc, argv);
  QApplication::setApplicationName(QStringLiteral("Vaticor"));
  QApplication::setApplicationVersion(QStringLiteral(VATICOR_VERSION));
  // Before any dialog is built, so that Qt's own buttons read "Aceptar", "Cancelar".
  ui::installSpanishTranslations(app);

  ui::QtMessages messages;
  ui::QtFileDialog fileDialog;
  controls::SystemClock clock;
  controls::SystemFileInfo fileInfo;
  ui::QtPrinter printer(QApplication::applicationDirPath() + u'/', nullptr);
  ui::QtWindows windows;
  ui::QtHttp http;
  ui::QtProgress progress;
  vaticor::Qmodelop form({&messages, &fileDialog, &printer, &clock, &fileInfo, &windows, &http, &progress});
  // The folders first: the settings and the reports live where the program writes.
  form.layOutForm();
  printer.setPdfFolder(form.workDir);
  // Where seasons come from over the internet, changeable in "Vaticor.ini".
  const text::Settings settings = text::Settings::read(form.readableFile(QStringLiteral("Vaticor.ini")));
  auto folderUrl = [&settings](const QString &key, const QString &fallback) {
    const QString url = settings.value(key, fallback).trimmed();
    return url.isEmpty() ? fallback : url.endsWith(u'/') ? url : url + u'/';
  };
  form.openfootballBase = folderUrl(QStringLiteral("internet/openfootball"), form.openfootballBase);
  form.updateServer = folderUrl(QStringLiteral("internet/actualizaciones"), form.updateServer);
  ui::MainWindow window(form);
  messages.setParent(&window);
  fileDialog.setParent(&window);
  progress.setParent(&window);
  printer.setWindow(&window);
  printer.setMessages(&messages);
  window.setHttp(&http);

  window.refresh();
  window.show();
  // The current season loads once the window is up, so that a message about a
  // missing file stands over the program's own window.
  QTimer::singleShot(0, &window, [&window] { window.run([&window] { window.form().startupLoad(); }); });
  return app.exec();
}
