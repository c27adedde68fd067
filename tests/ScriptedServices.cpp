#include "ScriptedServices.h"

#include <QFileInfo>

namespace controls {

MessageAnswer ScriptedMessages::show(const QString &text, const QString &title, MessageIcon icon,
                                     MessageButtons buttons)
{
  shown.append({text, title, icon, buttons});
  if (!answers.isEmpty())
    return answers.takeFirst();
  return buttons == MessageButtons::YesNo || buttons == MessageButtons::YesNoCancel ||
                 buttons == MessageButtons::SaveDiscardCancel
             ? MessageAnswer::Yes
                                                                                    : MessageAnswer::Ok;
}

QString ScriptedFileDialog::openFile(const QString &title, const QString &initialFolder, const QString &filter)
{
  titles.append(title);
  folders.append(initialFolder);
  filters.append(filter);
  return choices.isEmpty() ? QString() : choices.takeFirst();
}

QString ScriptedPrinter::endDoc()
{
  if (failWith.isEmpty())
    return TextPrinter::endDoc();
  page_.take();
  log.append(QStringLiteral("end doc"));
  return failWith;
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
