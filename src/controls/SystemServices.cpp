#include "controls/SystemServices.h"

#include <QFileInfo>

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

MessageAnswer MessageLog::show(const QString &text, const QString &title, MessageIcon, MessageButtons buttons)
{
  messages.append({text, title});
  return buttons == MessageButtons::YesNo || buttons == MessageButtons::YesNoCancel ? MessageAnswer::Yes
                                                                                    : MessageAnswer::Ok;
}

} // namespace controls
