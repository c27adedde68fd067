// The start panel: shown while no season is loaded, with the ways to get one.
#include "form/StartPanel.h"

#include "form/Qmodelop.h"
#include "text/TextRules.h"

#include <QDir>
#include <QFileInfo>
#include <QRegularExpression>
#include <algorithm>

namespace vaticor {

namespace {

// The season's last year, for ordering: Edato99.txt is 1999, Edato00.txt 2000.
int seasonEnd(const QString &fileName)
{
  const int y = text::ival(fileName.mid(5, 2));
  return (y > 90 ? 1900 : 2000) + y;
}

} // namespace

QString seasonName(const QString &fileName)
{
  static const QRegularExpression pattern(QStringLiteral("^Edato\\d\\d\\.txt$"));
  if (!pattern.match(fileName).hasMatch())
    return QString();
  const int end = seasonEnd(fileName);
  return QStringLiteral("Temporada %1/%2").arg(end - 1).arg(text::fmt(end % 100, QStringLiteral("00")));
}

QList<SeasonChoice> seasonChoices(const QStringList &folders)
{
  QList<SeasonChoice> choices;
  QStringList names;
  for (const QString &folder : folders) {
    if (folder.isEmpty())
      continue;
    for (const QString &name : QDir(folder).entryList({QStringLiteral("Edato*.txt")}, QDir::Files)) {
      const QString season = seasonName(name);
      if (season.isEmpty() || names.contains(name))
        continue;
      names.append(name);
      choices.append({QDir(folder).filePath(name), season + QStringLiteral(" (") + name + u')'});
    }
  }
  std::stable_sort(choices.begin(), choices.end(), [](const SeasonChoice &a, const SeasonChoice &b) {
    return seasonEnd(QFileInfo(a.path).fileName()) > seasonEnd(QFileInfo(b.path).fileName());
  });
  return choices;
}

void Qmodelop::showStartPanel()
{
  const QString name = defaultSeasonFileName();
  const QString current = seasonName(name).mid(10); // "2026/27"
  const QString file = readableFile(name);
  const QString why =
      fileExists(file)
          ? QStringLiteral("El archivo de la temporada actual, %1, no se ha podido leer.").arg(QDir::toNativeSeparators(file))
          : QStringLiteral("La temporada actual, %1, se guarda en %2, y ese archivo aún no está en %3.")
                .arg(current, name, QDir::toNativeSeparators(workDir));
  start.Label1.caption = QStringLiteral("No hay ninguna temporada cargada.") + kBreak + why + kBreak +
                         QStringLiteral("Elija cómo empezar:");
  start.startInternet.caption = QStringLiteral("Traer la temporada %1 de internet (openfootball)").arg(current);
  start.startImport.caption = QStringLiteral("Importar archivos de liga de openfootball...");
  start.startOpen.caption = QStringLiteral("Abrir otro archivo de temporada...");
  start.seasons = seasonChoices(workDir == programDir ? QStringList{workDir} : QStringList{workDir, programDir});
  start.visible = true;
}

void Qmodelop::startInternet_Click()
{
  mnuActualizarTemporada_Click();
}

void Qmodelop::startImport_Click()
{
  mnuImportar_Click();
}

void Qmodelop::startOpen_Click()
{
  mnuaCargar_Click();
}

void Qmodelop::startSeason_Click(int index)
{
  if (index >= 0 && index < start.seasons.size())
    loadSeason(start.seasons[index].path);
}

} // namespace vaticor
