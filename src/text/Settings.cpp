#include "text/Settings.h"

#include "text/SequentialFile.h"

namespace text {

std::pair<QString, QString> Settings::split(const QString &key)
{
  const int slash = static_cast<int>(key.indexOf(u'/'));
  return slash < 0 ? std::pair{QStringLiteral("General"), key} : std::pair{key.left(slash), key.mid(slash + 1)};
}

Settings Settings::read(const QString &path)
{
  Settings settings;
  const std::optional<QByteArray> bytes = readFileCapped(path, nullptr);
  if (!bytes)
    return settings;
  QString group = QStringLiteral("General");
  for (const QString &raw : QString::fromUtf8(*bytes).split(u'\n')) {
    const QString line = raw.trimmed();
    if (line.isEmpty() || line.startsWith(u';') || line.startsWith(u'#'))
      continue;
    if (line.startsWith(u'[') && line.endsWith(u']')) {
      group = line.mid(1, line.size() - 2).trimmed();
      continue;
    }
    const int equals = static_cast<int>(line.indexOf(u'='));
    if (equals <= 0)
      continue;
    QString value = line.mid(equals + 1).trimmed();
    if (value.size() >= 2 && value.startsWith(u'"') && value.endsWith(u'"'))
      value = value.mid(1, value.size() - 2);
    settings.groups_[group][line.left(equals).trimmed()] = value;
  }
  return settings;
}

QString Settings::value(const QString &key, const QString &fallback) const
{
  const auto [group, name] = split(key);
  const auto g = groups_.constFind(group);
  if (g == groups_.cend())
    return fallback;
  return g->value(name, fallback);
}

void Settings::setValue(const QString &key, const QString &value)
{
  const auto [group, name] = split(key);
  groups_[group][name] = value;
}

QString Settings::write(const QString &path) const
{
  QString out;
  for (auto g = groups_.cbegin(); g != groups_.cend(); ++g) {
    if (!out.isEmpty())
      out += QStringLiteral("\n");
    out += u'[' + g.key() + QStringLiteral("]\n");
    for (auto v = g->cbegin(); v != g->cend(); ++v)
      out += v.key() + u'=' + v.value() + u'\n';
  }
  return writeFileAtomically(path, out.toUtf8());
}

} // namespace text
