#pragma once
// What the tests of the real window share: the program started on a folder
// and a date of the test's, letting the layout settle, and screenshots.

#include "ScriptedServices.h"
#include "form/Qmodelop.h"
#include "ui/MainWindow.h"
#include "ui/QtWindows.h"

#include <QApplication>
#include <QCoreApplication>
#include <QDate>
#include <QDir>
#include <QSize>
#include <QtTest>
#include <memory>

#if defined(__SANITIZE_ADDRESS__)
#include <sanitizer/lsan_interface.h>
#endif

namespace testing {

// VATICOR_SCREENSHOTS when set (the build folder's screenshots/), else the temporary folder.
inline QString screenshotFolder()
{
  QString folder = qEnvironmentVariable("VATICOR_SCREENSHOTS");
  if (folder.isEmpty())
    folder = QDir::tempPath();
  QDir().mkpath(folder);
  return folder + u'/';
}

// Layouts settle in posted events: let them run before looking at the screen.
inline void settle()
{
  for (int i = 0; i < 5; ++i)
    QCoreApplication::processEvents();
}

inline bool saveShot(QWidget &w, const QString &name)
{
  settle();
  return w.grab().save(screenshotFolder() + name);
}

// The program as it starts: the form on the scripted services, the window
// shown (at the size given, if any) and the start-up load run.
struct WindowProgram {
  controls::ScriptedServices scripted;
  ui::QtWindows windows; // the program's own second windows, when asked for
  std::unique_ptr<vaticor::Qmodelop> form;
  std::unique_ptr<ui::MainWindow> window;

  WindowProgram(const QString &folder, QDate today, bool realWindows, QSize size = {})
  {
    scripted.clock.date = today;
    controls::Services services = scripted.services();
    if (realWindows)
      services.windows = &windows;
    form = std::make_unique<vaticor::Qmodelop>(services);
    form->programFolderOverride = folder;
    window = std::make_unique<ui::MainWindow>(*form);
    form->layOutForm();
    window->refresh();
    if (size.isValid())
      window->resize(size);
    window->show();
    window->run([this] { form->startupLoad(); });
    settle();
  }
};

} // namespace testing

namespace testing {

// The leak check, run while the tests are over and Qt's own threads (its
// pooled image and host lookup workers) stand idle: at the process's exit
// they end while the check stops every thread, and the check itself can fall.
// After this call the exit runs no second check.
inline void checkLeaksNow()
{
#if defined(__SANITIZE_ADDRESS__)
  __lsan_do_leak_check();
#endif
}

} // namespace testing

// QTEST_MAIN for the window's tests, with the leak check above.
#define VATICOR_WINDOW_TEST_MAIN(TestObject)                                                                         \
  int main(int argc, char **argv)                                                                                   \
  {                                                                                                                 \
    QApplication app(argc, argv);                                                                                   \
    app.setAttribute(Qt::AA_Use96Dpi, true);                                                                        \
    TestObject tc;                                                                                                  \
    QTEST_SET_MAIN_SOURCE_PATH                                                                                      \
    const int failed = QTest::qExec(&tc, argc, argv);                                                               \
    testing::checkLeaksNow();                                                                                       \
    return failed;                                                                                                  \
  }
