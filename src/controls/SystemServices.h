#pragma once
// The services that need no window: today's date and file dates from the
// system, and, for the command line, messages kept to be printed and a file
// dialog that chooses nothing.

#include "controls/Services.h"

#include <QList>

namespace controls {

class SystemClock : public ClockService {
public:
  QDate today() const override;
};

class SystemFileInfo : public FileInfoService {
public:
  std::optional<QDateTime> lastModified(const QString &path) const override;
  bool exists(const QString &path) const override;
};

struct Message {
  QString text;
  QString title;
};

// Keeps every message; a question gets the answer that goes on (OK or Yes).
class MessageLog : public MessageService {
public:
  MessageAnswer show(const QString &text, const QString &title, MessageIcon icon, MessageButtons buttons) override;
  QList<Message> messages;
};

class NoFileDialog : public FileDialogService {
public:
  QString openFile(const QString &, const QString &, const QString &) override { return QString(); }
};

} // namespace controls
