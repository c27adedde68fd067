#pragma once
// What the program asks of the world outside the window: message boxes, the
// file dialog, the printer, today's date and file dates. The program gets the
// real ones; tests get scripted ones (ScriptedServices.h).

#include <QDate>
#include <QDateTime>
#include <QString>
#include <QStringList>
#include <functional>
#include <optional>

namespace controls {

enum class MessageIcon { None, Information, Exclamation, Critical, Question };
// SaveDiscardCancel: "Guardar" answers Yes, "Descartar" No, "Cancelar" Cancel.
enum class MessageButtons { Ok, OkCancel, YesNoCancel, YesNo, SaveDiscardCancel };
enum class MessageAnswer { Ok, Cancel, Yes, No };

class MessageService {
public:
  virtual ~MessageService() = default;
  virtual MessageAnswer show(const QString &text, const QString &title, MessageIcon icon,
                             MessageButtons buttons = MessageButtons::Ok) = 0;
};

class FileDialogService {
public:
  virtual ~FileDialogService() = default;
  // The full name chosen, or an empty text when the dialog was closed without one.
  virtual QString openFile(const QString &title, const QString &initialFolder, const QString &filter) = 0;
};

// The lines of a document as they stand on paper: text placed at 1-based
// character columns, "\f" between pages.
class PageText {
public:
  void printAt(int column, const QString &text)
  {
    if (column > 0 && line_.size() < column - 1)
      line_ += QString(column - 1 - line_.size(), u' ');
    line_ += text;
  }
  void endLine()
  {
    lines_.append(line_);
    line_.clear();
  }
  void newPage()
  {
    if (!line_.isEmpty())
      endLine();
    lines_.append(QStringLiteral("\f"));
  }
  // The document so far, an open line included; the text starts empty again.
  QStringList take()
  {
    if (!line_.isEmpty())
      endLine();
    QStringList out;
    out.swap(lines_);
    return out;
  }

private:
  QString line_;
  QStringList lines_;
};

// The printer every report goes through. Nothing reaches the paper before
// endDoc(); a failure is reported by endDoc() returning an error text.
class PrinterService {
public:
  virtual ~PrinterService() = default;
  virtual QString fontName() const = 0;
  virtual void setFontName(const QString &name) = 0;
  virtual double fontSize() const = 0;
  virtual void setFontSize(double size) = 0;
  virtual void setOrientation(int orientation) = 0; // 1 portrait, 2 landscape
  // Text at a 1-based character column of the current line (0: where the line stands).
  virtual void printAt(int column, const QString &text) = 0;
  virtual void endLine() = 0;
  void printLine(const QString &text = QString())
  {
    printAt(0, text);
    endLine();
  }
  virtual void newPage() = 0;
  virtual QString endDoc() = 0; // empty on success, else the error text
  virtual void printWindowImage() = 0;
};

class ClockService {
public:
  virtual ~ClockService() = default;
  virtual QDate today() const = 0;
};

class FileInfoService {
public:
  virtual ~FileInfoService() = default;
  // Last-modified time; nothing when the file cannot be read.
  virtual std::optional<QDateTime> lastModified(const QString &path) const = 0;
  // True when the file's attributes can be read.
  virtual bool exists(const QString &path) const = 0;
  // True when a new file can be made in the folder.
  virtual bool canWriteFolder(const QString &folder) const = 0;
  // Where the program keeps what it writes when its own folder is read-only.
  virtual QString userDataFolder() const = 0;
};

// The program's second windows, shown modal: the call returns when the
// window has been closed or hidden.
class WindowService {
public:
  virtual ~WindowService() = default;
  virtual void showModal(const QString &window) = 0;
};

// One HTTP GET; the reply comes back on the window's thread once the
// transfer has ended, whole or not.
struct HttpReply {
  bool completed = false; // the server answered and the body arrived whole
  int status = 0;         // the HTTP status
  QByteArray body;
  QString error;
};

class HttpService {
public:
  virtual ~HttpService() = default;
  virtual void get(const QString &url, std::function<void(const HttpReply &)> done) = 0;
};

// Long work told as it goes, with a way to stop it.
class ProgressService {
public:
  virtual ~ProgressService() = default;
  virtual void start(const QString &title, int total) = 0;
  // Where the work stands; false once the user has asked to stop.
  virtual bool advance(int done, const QString &what) = 0;
  virtual void finish() = 0;
};

struct Services {
  MessageService *messages = nullptr;
  FileDialogService *fileDialog = nullptr;
  PrinterService *printer = nullptr;
  ClockService *clock = nullptr;
  FileInfoService *fileInfo = nullptr;
  WindowService *windows = nullptr;
  HttpService *http = nullptr;
  ProgressService *progress = nullptr;
};

} // namespace controls
