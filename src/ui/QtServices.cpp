#include "ui/QtServices.h"

#include "ui/Fonts.h"

#include <QDateTime>
#include <QFileDialog>
#include <QFileInfo>
#include <QMessageBox>
#include <QPageLayout>
#include <QPainter>
#include <QPrinter>
#include <QPrinterInfo>
#include <QWidget>

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
  }
  switch (box.exec()) {
  case QMessageBox::Ok: return controls::MessageAnswer::Ok;
  case QMessageBox::Yes: return controls::MessageAnswer::Yes;
  case QMessageBox::No: return controls::MessageAnswer::No;
  default: return controls::MessageAnswer::Cancel;
  }
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

QString QtPrinter::endDoc()
{
  const QStringList lines = page_.take();
  QPrinter printer(QPrinter::HighResolution);
  const bool toPdf = QPrinterInfo::defaultPrinter().isNull();
  if (toPdf) {
    lastPdf_ = pdfFolder_ + QStringLiteral("Vaticor-") +
               QDateTime::currentDateTime().toString(QStringLiteral("yyyyMMdd-hhmmss")) + QStringLiteral(".pdf");
    printer.setOutputFormat(QPrinter::PdfFormat);
    printer.setOutputFileName(lastPdf_);
  }
  printer.setPageOrientation(orientation_ == 2 ? QPageLayout::Landscape : QPageLayout::Portrait);
  printer.setPageMargins(QMarginsF(15, 15, 15, 15), QPageLayout::Millimeter);
  QPainter painter;
  if (!painter.begin(&printer)) {
    windowImage_ = false;
    return QStringLiteral("No se puede imprimir: la impresora no responde.");
  }
  if (windowImage_ && window_) {
    const QPixmap image = window_->grab();
    const QRect page = painter.viewport();
    const QSize size = image.size().scaled(page.size(), Qt::KeepAspectRatio);
    painter.setViewport(page.x(), page.y(), size.width(), size.height());
    painter.setWindow(image.rect());
    painter.drawPixmap(0, 0, image);
  } else {
    QFont font = fixedFont(size_);
    if (font_ != QStringLiteral("Lucida Console"))
      font = QFont(font_, static_cast<int>(size_));
    painter.setFont(font);
    const QFontMetrics metrics(font, &printer);
    const int lineHeight = metrics.lineSpacing();
    int y = metrics.ascent();
    const int bottom = painter.viewport().height();
    for (const QString &line : lines) {
      if (line == QStringLiteral("\f") || y > bottom) {
        printer.newPage();
        y = metrics.ascent();
        if (line == QStringLiteral("\f"))
          continue;
      }
      painter.drawText(0, y, line);
      y += lineHeight;
    }
  }
  painter.end();
  windowImage_ = false;
  return QString();
}

} // namespace ui
