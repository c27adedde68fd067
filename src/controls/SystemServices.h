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
  bool canWriteFolder(const QString &folder) const override;
  QString userDataFolder() const override;
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

// A printer whose paper is text: the lines of each document as they would
// stand on the page, pieces at their character columns, "\f" between pages.
// The command line prints reports through it.
class TextPrinter : public PrinterService {
public:
  QString fontName() const override { return font_; }
  void setFontName(const QString &name) override;
  double fontSize() const override { return size_; }
  void setFontSize(double size) override;
  void setOrientation(int orientation) override;
  int orientation() const { return orientation_; }
  void printAt(int column, const QString &text) override { page_.printAt(column, text); }
  void endLine() override { page_.endLine(); }
  void newPage() override;
  QString endDoc() override;
  void printWindowImage() override;

  QStringList log;       // settings, pages and documents, in order
  QStringList pageLines; // every document sent, one after another
  int documents = 0;

protected:
  PageText page_;

private:
  QString font_ = QStringLiteral("Lucida Console");
  double size_ = 8;
  int orientation_ = 1;
};

class NoFileDialog : public FileDialogService {
public:
  QString openFile(const QString &, const QString &, const QString &) override { return QString(); }
};

} // namespace controls
