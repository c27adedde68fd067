#pragma once
// Scripted services for the tests: answers queued in advance, every call recorded.

#include "controls/SystemServices.h"

#include <QList>
#include <functional>
#include <QMap>
#include <QStringList>

namespace controls {

struct RecordedMessage {
  QString text;
  QString title;
  MessageIcon icon;
  MessageButtons buttons;
};

class ScriptedMessages : public MessageService {
public:
  MessageAnswer show(const QString &text, const QString &title, MessageIcon icon, MessageButtons buttons) override;
  QList<RecordedMessage> shown;
  QList<MessageAnswer> answers; // taken in order; Ok (or Yes) when empty
};

class ScriptedFileDialog : public FileDialogService {
public:
  QString openFile(const QString &title, const QString &initialFolder, const QString &filter) override;
  QStringList choices; // taken in order; an empty text (cancel) when none is left
  QStringList titles;
  QStringList folders;
  QStringList filters;
};

// The text printer with a failure that the next document reports.
class ScriptedPrinter : public TextPrinter {
public:
  QString endDoc() override;
  QString failWith; // endDoc() reports this error when set
};

class FixedClock : public ClockService {
public:
  explicit FixedClock(QDate d = QDate(2026, 12, 6)) : date(d) {}
  QDate today() const override { return date; }
  QDate date;
};

// Real file dates, or fixed ones for the paths given.
class ScriptedFileInfo : public SystemFileInfo {
public:
  std::optional<QDateTime> lastModified(const QString &path) const override;
  bool exists(const QString &path) const override;
  bool canWriteFolder(const QString &folder) const override
  {
    return !readOnly.contains(folder) && SystemFileInfo::canWriteFolder(folder);
  }
  QString userDataFolder() const override { return dataFolder; }
  QMap<QString, QDateTime> dates;
  QStringList readOnly; // folders that cannot be written, whoever runs the test
  QString dataFolder;   // the user's data folder
};

// A second window shown modal: the test acts in it while it is open.
class ScriptedWindows : public WindowService {
public:
  void showModal(const QString &window) override
  {
    opened.append(window);
    if (whileOpen)
      whileOpen(window);
  }
  QStringList opened;
  std::function<void(const QString &)> whileOpen;
};

// A bundle owning one of each, wired into a Services value.
struct ScriptedServices {
  ScriptedMessages messages;
  ScriptedFileDialog fileDialog;
  ScriptedPrinter printer;
  FixedClock clock;
  ScriptedFileInfo fileInfo;
  ScriptedWindows windows;
  Services services() { return Services{&messages, &fileDialog, &printer, &clock, &fileInfo, &windows}; }
};

} // namespace controls
