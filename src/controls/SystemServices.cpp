#include "controls/SystemServices.h"

#include <QDir>
#include <QFileInfo>
#include <QStandardPaths>
#include <QTemporaryFile>

namespace controls {

QDate SystemClock::today() const
{
  return QDate::currentDate();
}

std::optional<QDateTime> SystemFileInfo::lastModified(const QString &path) const
{
  const QFileInfo info(path);
  if (!info.exists() || !info.isFile())
    return std::nullopt;
  return info.lastModified();
}

bool SystemFileInfo::exists(const QString &path) const
{
  return QFileInfo::exists(path);
}

bool SystemFileInfo::canWriteFolder(const QString &folder) const
{
  // Made and removed at once: the permission bits alone do not tell a
  // read-only mount, nor what the administrator may do.
  QTemporaryFile probe(QDir(folder).filePath(QStringLiteral(".vaticor-XXXXXX")));
  return probe.open();
}

QString SystemFileInfo::userDataFolder() const
{
  return QStandardPaths::writableLocation(QStandardPaths::AppDataLocation);
}

MessageAnswer MessageLog::show(const QString &text, const QString &title, MessageIcon, MessageButtons buttons)
{
  messages.append({text, title});
  return buttons == MessageButtons::YesNo || buttons == MessageButtons::YesNoCancel ||
                 buttons == MessageButtons::SaveDiscardCancel
             ? MessageAnswer::Yes
                                                                                    : MessageAnswer::Ok;
}

void TextPrinter::setFontName(const QString &name)
{
  font_ = name;
  log.append(QStringLiteral("font ") + name);
}

void TextPrinter::setFontSize(double size)
{
  size_ = size;
  log.append(QStringLiteral("size ") + QString::number(size));
}

void TextPrinter::setOrientation(int orientation)
{
  orientation_ = orientation;
  log.append(QStringLiteral("orientation ") + QString::number(orientation));
}

void TextPrinter::newPage()
{
  page_.newPage();
  log.append(QStringLiteral("new page"));
}

QString TextPrinter::endDoc()
{
  const QStringList lines = page_.take();
  log.append(QStringLiteral("end doc"));
  if (lines.isEmpty())
    return QString(); // nothing was printed: no sheet
  pageLines += lines;
  ++documents;
  return QString();
}

void TextPrinter::printWindowImage()
{
  log.append(QStringLiteral("window image"));
}

} // namespace controls
