#include "ui/QtServices.h"

#include "ui/Fonts.h"

#include "text/SequentialFile.h"

#include <QDateTime>
#include <QDir>
#include <QFileDialog>
#include <QFileInfo>
#include <QTemporaryFile>
#include <QMessageBox>
#include <QPushButton>
#include <QPageLayout>
#include <QPainter>
#include <QPrinter>
#include <QPrintPreviewDialog>
#include <QPrinterInfo>
#include <QWidget>
#include <algorithm>
#include <cmath>

namespace ui {

controls::MessageAnswer QtMessages::show(const QString &text, const QString &title, controls::MessageIcon icon,
                                         controls::MessageButtons buttons)
{
  QMessageBox box(parent_);
  box.setWindowTitle(title);
  box.setText(text);
  switch (icon) {
  case controls::MessageIcon::Information: box.setIcon(QMessageBox::Information); break;
  case controls::MessageIcon::Exclamation: box.setIcon(QMessageBox::Warning); break;
  case controls::MessageIcon::Critical: box.setIcon(QMessageBox::Critical); break;
  case controls::MessageIcon::Question: box.setIcon(QMessageBox::Question); break;
  case controls::MessageIcon::None: break;
  }
  switch (buttons) {
  case controls::MessageButtons::Ok: box.setStandardButtons(QMessageBox::Ok); break;
  case controls::MessageButtons::OkCancel: box.setStandardButtons(QMessageBox::Ok | QMessageBox::Cancel); break;
  case controls::MessageButtons::YesNoCancel:
    box.setStandardButtons(QMessageBox::Yes | QMessageBox::No | QMessageBox::Cancel);
    break;
  case controls::MessageButtons::YesNo: box.setStandardButtons(QMessageBox::Yes | QMessageBox::No); break;
  case controls::MessageButtons::SaveDiscardCancel: {
    QPushButton *save = box.addButton(QStringLiteral("Guardar"), QMessageBox::AcceptRole);
    QPushButton *discard = box.addButton(QStringLiteral("Descartar"), QMessageBox::DestructiveRole);
    QPushButton *cancel = box.addButton(QStringLiteral("Cancelar"), QMessageBox::RejectRole);
    box.setDefaultButton(save);
    box.setEscapeButton(cancel);
    box.exec();
    return box.clickedButton() == save      ? controls::MessageAnswer::Yes
           : box.clickedButton() == discard ? controls::MessageAnswer::No
                                            : controls::MessageAnswer::Cancel;
  }
  }
  switch (box.exec()) {
  case QMessageBox::Ok: return controls::MessageAnswer::Ok;
  case QMessageBox::Yes: return controls::MessageAnswer::Yes;
  case QMessageBox::No: return controls::MessageAnswer::No;
  default: return controls::MessageAnswer::Cancel;
  }
}

void QtProgress::start(const QString &title, int total)
{
  dialog_ = std::make_unique<QProgressDialog>(title, QStringLiteral("Cancelar"), 0, std::max(total, 1), parent_);
  dialog_->setWindowTitle(QStringLiteral("Vaticor"));
  dialog_->setWindowModality(Qt::WindowModal);
  dialog_->setMinimumDuration(0);
  dialog_->setAutoClose(false);
  dialog_->setAutoReset(false);
  dialog_->setValue(0);
}

bool QtProgress::advance(int done, const QString &what)
{
  if (!dialog_)
    return true;
  dialog_->setLabelText(what);
  dialog_->setValue(done);
  return !dialog_->wasCanceled();
}

void QtProgress::finish()
{
  dialog_.reset();
}

QString QtFileDialog::qtFilter(const QString &filter)
{
  const QStringList parts = filter.split(u'|');
  QStringList out;
  for (int i = 0; i + 1 < parts.size(); i += 2) {
    QString pattern = parts[i + 1];
    pattern.replace(u';', u' ');
    out.append(parts[i] + QStringLiteral(" (") + pattern + u')');
  }
  return out.join(QStringLiteral(";;"));
}

QString QtFileDialog::openFile(const QString &title, const QString &initialFolder, const QString &filter)
{
  return QFileDialog::getOpenFileName(parent_, title, initialFolder, qtFilter(filter));
}

void QtPrinter::printAt(int column, const QString &text)
{
  page_.printAt(column, text);
}

void QtPrinter::endLine()
{
  page_.endLine();
}

void QtPrinter::newPage()
{
  page_.newPage();
}

void QtPrinter::printWindowImage()
{
  windowImage_ = true;
}

QString QtPrinter::pdfName() const
{
  const QString report = documentName_.isEmpty() ? QStringLiteral("Informe") : documentName_;
  const QString stem = pdfFolder_ + QStringLiteral("Vaticor-") + report + u'-' +
                       QDateTime::currentDateTime().toString(QStringLiteral("yyyyMMdd-hhmmss"));
  // Two reports in the same second (the sign evolution in landscape) keep both files.
  QString name = stem + QStringLiteral(".pdf");
  for (int n = 2; QFileInfo::exists(name); ++n)
    name = stem + QStringLiteral("-%1.pdf").arg(n);
  return name;
}

QString QtPrinter::endDoc()
{
  const QStringList lines = page_.take();
  const bool windowImage = windowImage_;
  windowImage_ = false;
  // A document of blank lines only (the lines fed before a report) wastes no sheet.
  const bool empty = std::all_of(lines.begin(), lines.end(), [](const QString &line) {
    return line.trimmed().isEmpty() || line == QStringLiteral("\f");
  });
  if (empty && !windowImage)
    return QString();

  QPrinter printer(QPrinter::HighResolution);
  printer.setDocName(QStringLiteral("Vaticor - ") + documentName_);
  printer.setPageOrientation(orientation_ == 2 ? QPageLayout::Landscape : QPageLayout::Portrait);
  printer.setPageMargins(QMarginsF(12, 12, 12, 12), QPageLayout::Millimeter);
  const bool toPdf = alwaysPdf_ || QPrinterInfo::defaultPrinter().isNull();
  if (!toPdf) {
    // The user sees the pages before paper is used; closing the preview prints nothing.
    QPrintPreviewDialog preview(&printer, window_);
    QObject::connect(&preview, &QPrintPreviewDialog::paintRequested, &preview,
                     [&](QPrinter *p) { render(*p, lines, windowImage); });
    preview.exec();
    return QString();
  }
  lastPdf_ = pdfName();
  // Qt's PDF writer does not report a disk that fills up: the document is
  // drawn into a file of its own, checked whole, and only then put in place.
  QTemporaryFile drawn(QDir(QFileInfo(lastPdf_).absolutePath()).filePath(QStringLiteral(".vaticor-pdf-XXXXXX")));
  if (!drawn.open())
    return QStringLiteral("No se puede escribir el archivo %1: %2")
        .arg(QDir::toNativeSeparators(lastPdf_), drawn.errorString());
  drawn.close();
  printer.setOutputFormat(QPrinter::PdfFormat);
  printer.setOutputFileName(drawn.fileName());
  const bool rendered = render(printer, lines, windowImage);
  QByteArray pdf;
  if (rendered && drawn.open()) {
    pdf = drawn.readAll();
    drawn.close();
  }
  if (!rendered || !pdf.trimmed().endsWith("%%EOF")) {
    const QString failed = QStringLiteral("Error al escribir el archivo %1: el informe no se ha podido escribir entero")
                               .arg(QDir::toNativeSeparators(lastPdf_));
    lastPdf_.clear();
    return failed;
  }
  const QString error = text::writeFileAtomically(lastPdf_, pdf);
  if (!error.isEmpty()) {
    lastPdf_.clear();
    return error;
  }
  if (messages_)
    messages_->show(QStringLiteral(" No hay impresora instalada: el informe se ha guardado en") + QStringLiteral("\r\n ") +
                        QDir::toNativeSeparators(lastPdf_),
                    QStringLiteral("Vaticor"), controls::MessageIcon::Information);
  return QString();
}

bool QtPrinter::render(QPrinter &printer, const QStringList &lines, bool windowImage)
{
  QPainter painter;
  if (!painter.begin(&printer))
    return false;
  const QRect page = painter.viewport();
  if (windowImage && window_) {
    const QPixmap image = window_->grab();
    const QSize size = image.size().scaled(page.size(), Qt::KeepAspectRatio);
    painter.setViewport(page.x(), page.y(), size.width(), size.height());
    painter.setWindow(image.rect());
    painter.drawPixmap(0, 0, image);
    return painter.end();
  }
  // The report's size, unless its longest line would run off the sheet:
  // then the size that holds it, so that no column is lost.
  QFont font = fixedFont(size_);
  qsizetype longest = 0;
  for (const QString &line : lines)
    longest = std::max(longest, line.size());
  const qreal advance = QFontMetricsF(font, &printer).horizontalAdvance(u'0');
  if (longest > 0 && advance * longest > page.width())
    font.setPointSizeF(std::floor(size_ * page.width() / (advance * longest) * 10) / 10);
  painter.setFont(font);
  const QFontMetricsF metrics(font, &printer);
  const qreal lineHeight = metrics.lineSpacing();
  qreal y = metrics.ascent();
  bool feed = false; // a new page asked for, started by the next line printed
  for (const QString &line : lines) {
    if (line == QStringLiteral("\f")) {
      feed = true;
      continue;
    }
    if (feed || y + metrics.descent() > page.height()) {
      printer.newPage();
      y = metrics.ascent();
      feed = false;
    }
    painter.drawText(QPointF(0, y), line);
    y += lineHeight;
  }
  return painter.end();
}

} // namespace ui
