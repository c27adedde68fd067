#include "ScriptedServices.h"

#include <QFileInfo>

namespace controls {

MessageAnswer ScriptedMessages::show(const QString &text, const QString &title, MessageIcon icon,
                                     MessageButtons buttons)
{
  shown.append({text, title, icon, buttons});
  if (!answers.isEmpty())
    return answers.takeFirst();
  return buttons == MessageButtons::YesNo || buttons == MessageButtons::YesNoCancel ? MessageAnswer::Yes
                                                                                    : MessageAnswer::Ok;
}

QString ScriptedFileDialog::openFile(const QString &title, const QString &initialFolder, const QString &filter)
{
  titles.append(title);
  folders.append(initialFolder);
  filters.append(filter);
  return choices.isEmpty() ? QString() : choices.takeFirst();
}

void ScriptedPrinter::setFontName(const QString &name)
{
  font_ = name;
  log.append(QStringLiteral("font ") + name);
}

void ScriptedPrinter::setFontSize(double size)
{
  size_ = size;
  log.append(QStringLiteral("size ") + QString::number(size));
}

void ScriptedPrinter::setOrientation(int orientation)
{
  log.append(QStringLiteral("orientation ") + QString::number(orientation));
}

void ScriptedPrinter::printAt(int column, const QString &text)
{
  page_.printAt(column, text);
}

void ScriptedPrinter::endLine()
{
  page_.endLine();
}

void ScriptedPrinter::newPage()
{
  page_.newPage();
  log.append(QStringLiteral("new page"));
}

QString ScriptedPrinter::endDoc()
{
  const QStringList lines = page_.take();
  log.append(QStringLiteral("end doc"));
  if (!failWith.isEmpty())
    return failWith;
  pageLines += lines;
  ++documents;
  return QString();
}

void ScriptedPrinter::printWindowImage()
{
  log.append(QStringLiteral("window image"));
}

std::optional<QDateTime> ScriptedFileInfo::lastModified(const QString &path) const
{
  if (dates.contains(path))
    return dates.value(path);
  return SystemFileInfo::lastModified(path);
}

bool ScriptedFileInfo::exists(const QString &path) const
{
  return dates.contains(path) || SystemFileInfo::exists(path);
}

} // namespace controls
