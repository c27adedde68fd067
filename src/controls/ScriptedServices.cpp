#include "controls/ScriptedServices.h"

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
  if (column > 0 && line_.size() < column - 1)
    line_ += QString(column - 1 - line_.size(), u' ');
  line_ += text;
}

void ScriptedPrinter::endLine()
{
  pending_.append(line_);
  line_.clear();
}

void ScriptedPrinter::newPage()
{
  if (!line_.isEmpty())
    endLine();
  pending_.append(QStringLiteral("\f"));
  log.append(QStringLiteral("new page"));
}

QString ScriptedPrinter::endDoc()
{
  if (!line_.isEmpty())
    endLine();
  log.append(QStringLiteral("end doc"));
  if (!failWith.isEmpty()) {
    pending_.clear();
    return failWith;
  }
  pageLines += pending_;
  pending_.clear();
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
  const QFileInfo info(path);
  if (!info.exists() || !info.isFile())
    return std::nullopt;
  return info.lastModified();
}

bool ScriptedFileInfo::exists(const QString &path) const
{
  return dates.contains(path) || QFileInfo::exists(path);
}

} // namespace controls
