#pragma once
// The services of the window: Qt message boxes and file dialog, and the printer (the default one, or a PDF in the program folder).

#include "controls/Services.h"

#include <QProgressDialog>
#include <memory>

#include <QStringList>
#include <memory>

class QPrinter;
class QWidget;

namespace ui {

class QtMessages : public controls::MessageService {
public:
  explicit QtMessages(QWidget *parent = nullptr) : parent_(parent) {}
  void setParent(QWidget *parent) { parent_ = parent; }
  controls::MessageAnswer show(const QString &text, const QString &title, controls::MessageIcon icon,
                               controls::MessageButtons buttons) override;

private:
  QWidget *parent_;
};

// Long work in a window of its own over the main one, with Cancelar.
class QtProgress : public controls::ProgressService {
public:
  void setParent(QWidget *parent) { parent_ = parent; }
  void start(const QString &title, int total) override;
  bool advance(int done, const QString &what) override;
  void finish() override;

private:
  QWidget *parent_ = nullptr;
  std::unique_ptr<QProgressDialog> dialog_;
};

class QtFileDialog : public controls::FileDialogService {
public:
  explicit QtFileDialog(QWidget *parent = nullptr) : parent_(parent) {}
  void setParent(QWidget *parent) { parent_ = parent; }
  QString openFile(const QString &title, const QString &initialFolder, const QString &filter) override;
  // "desc|pattern|desc|pattern" as the program writes filters, in Qt's form.
  static QString qtFilter(const QString &filter);

private:
  QWidget *parent_;
};

// Collects a document's lines and sends them on endDoc(): to the default
// printer when there is one (after a preview of the pages), otherwise to a
// PDF in the output folder named after the report and the time, and the user
// is told where it went. The text is set in the fixed-pitch font whatever
// name the report gives, so that its character columns line up on paper.
class QtPrinter : public controls::PrinterService {
public:
  QtPrinter(QString pdfFolder, QWidget *window) : pdfFolder_(std::move(pdfFolder)), window_(window) {}
  void setWindow(QWidget *window) { window_ = window; }
  // Where the notice of a PDF written goes; none, no notice.
  void setMessages(controls::MessageService *messages) { messages_ = messages; }
  QString fontName() const override { return font_; }
  void setFontName(const QString &name) override { font_ = name; }
  double fontSize() const override { return size_; }
  void setFontSize(double size) override { size_ = size; }
  void setOrientation(int orientation) override { orientation_ = orientation; }
  void printAt(int column, const QString &text) override;
  void endLine() override;
  void newPage() override;
  QString endDoc() override;
  void printWindowImage() override;
  QString lastPdf() const { return lastPdf_; }
  void setPdfFolder(const QString &folder) { pdfFolder_ = folder; }
  // The report the next document holds; it names the PDF.
  void setDocumentName(const QString &name) { documentName_ = name; }
  // A PDF even when a printer is installed (the tests read it back).
  void setAlwaysPdf(bool on) { alwaysPdf_ = on; }

private:
  // Draws the document on the printer's pages; false when the printer refuses.
  bool render(QPrinter &printer, const QStringList &lines, bool windowImage);
  QString pdfName() const;

  QString pdfFolder_;
  QWidget *window_;
  controls::MessageService *messages_ = nullptr;
  QString font_ = QStringLiteral("Lucida Console");
  double size_ = 8;
  int orientation_ = 1;
  controls::PageText page_;
  bool windowImage_ = false;
  bool alwaysPdf_ = false;
  QString lastPdf_;
  QString documentName_;
};

} // namespace ui
