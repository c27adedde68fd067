// Loading a season: choosing the file, reading it, and the division display.
#include "form/Qmodelop.h"
#include "season/SeasonFile.h"
#include "text/TextRules.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>

using text::fmt;
using text::ival;
using text::left;
using text::mid;
using text::right;

namespace vaticor {


void Qmodelop::mnuaCargar_Click()
{
  const QString defaultName = defaultSeasonFileName();
  // The season is replaced only once a new file has been read and checked
  // whole, so a refused or failed choice leaves the season in memory as it was.
  QString chosen;
  if (!loadedFileName.isEmpty() && !settleUnsavedResults(QStringLiteral("cargar otra temporada")))
    return;
  for (;;) {
    const QString title = QStringLiteral("Abrir Archivos Datos .. DIR Trabajo=: ") + workDir;
    const QString filter = QStringLiteral("Archivos Datos: 1X2(*.txt)|E*.txt|All Files (*.*)|*.*");
    if (loadTodaysSeason) {
      chosen = readableFile(defaultName);
      loadTodaysSeason = false;
    } else {
      chosen = services.fileDialog->openFile(title, seasonFolder(), filter);
    }
    if (chosen == loadedFileName && loadedFileName.isEmpty()) {
      // Nothing chosen and nothing loaded: back to the start panel's choices,
      // or, without it, the program ends, as it has nothing to show.
      if (!start.visible)
        endRequested = true;
      return;
    }
    if (chosen.isEmpty())
      return; // a plain cancel keeps the season loaded
    if (chosen == loadedFileName) {
      services.messages->show(QStringLiteral("DEBE INTRODUCIR OTRA DIFERENTE??"),
                              QStringLiteral(" YA EXISTE LA COMBINACION"), controls::MessageIcon::Information);
      return;
    }
    if (isReservedName(chosen)) {
      refuseReservedName();
      continue;
    }
    break;
  }
  loadSeason(chosen);
}

QString Qmodelop::seasonFolder() const
{
  if (workDir == programDir || !QDir(workDir).entryList({QStringLiteral("Edato*.txt")}, QDir::Files).isEmpty())
    return workDir;
  return programDir;
}

bool Qmodelop::isReservedName(const QString &path)
{
  return QFileInfo(path).fileName() == QStringLiteral("EdatoAA.txt");
}

void Qmodelop::refuseReservedName()
{
  refuse(QStringLiteral(" File no válido, por favor elija otro!!!"), QStringLiteral("File no válido!!"),
                          controls::MessageIcon::Information);
}

bool Qmodelop::loadSeason(const QString &path)
{
  if (isReservedName(path)) {
    refuseReservedName();
    return false;
  }
  QString error;
  std::optional<season::Season> loaded = season::readSeasonFile(path, &error);
  if (!loaded) {
    refuse(error, QStringLiteral("Vaticor"), controls::MessageIcon::Critical);
    return false;
  }

  // Results typed for the season replaced were settled before it was read.
  resultsUnsaved = false;
  entryOpen = false;
  archivePending = false;
  releaseEntryLock();
  seasonFilePath = path;
  showFileDate(seasonFilePath);
  Label1.caption = QDir::toNativeSeparators(path);
  loadedFileName = path;
  start.visible = false;

  season = std::move(*loaded);
  jornada = static_cast<int16_t>(season.storedJornada(1));
  Text1.text = left(season.record(season::kJornadasRecord), 2);
  // The caption names the division shown after the load, which is always 1ª.
  division = 1;
  showSeasonCaption();
  Frame2.visible = true;
  Frame4.visible = false;

  division = 1;
  // A new season always gets its own general standings, even after the
  // jornada keys have switched the rebuild off.
  recomputeStandings = true;
  showDivision();

  couponEnlarged = false;
  Frame9.visible = false;
  Frame13.visible = false;
  Label49_Click();

  Frame2.visible = true;
  Frame5.visible = true;
  Frame1.visible = true;
  Command32.enabled = true;

  Command7_Click();
  return true;
}

void Qmodelop::showFileDate(const QString &path)
{
  const std::optional<QDateTime> modified = services.fileInfo->lastModified(path);
  if (!modified)
    return;
  // One date in the caption, the date of the file loaded last.
  const int previous = caption.indexOf(QStringLiteral("   Ult. Modif.: "));
  if (previous >= 0)
    caption.truncate(previous);
  caption += QStringLiteral("   Ult. Modif.: ") + modified->toString(QStringLiteral("dd/MM/yyyy hh:mm:ss")).left(10);
}

void Qmodelop::showSeasonCaption()
{
  const QString yy = mid(seasonFilePath, seasonFilePath.size() - 5, 2);
  const int y = ival(yy);
  const int century = y > 90 ? 1900 : 2000;
  Label18.caption = fmt(division, QStringLiteral("0ª")) + QStringLiteral(" División-") +
                    fmt(jornada, QStringLiteral("@@")) + QStringLiteral(" Temporada ") + text::str(century + y - 1) +
                    u'/' + fmt(y, QStringLiteral("00"));
}

void Qmodelop::showDivision()
{
  const int n = teamCount();
  teamNameList.clear();
  for (int i = 1; i <= n; ++i) {
    teamName[i] = nameOf(i);
    teamNameList += teamName[i] + u'-';
  }
  Text1.text = fmt(jornada, QStringLiteral("00"));
  if (jornada == 0)
    jornada = 1;
  buildFixture(jornada);
  shownDivision = division;
  shownJornada = jornada;

  for (ListBox *list : {&List1, &List6}) {
    list->clear();
  }
  List1.addItem(fmt(division == 1 ? QStringLiteral("1ªDIVISIÓN") : QStringLiteral("2ªDIVISIÓN"),
                    QStringLiteral("@@@@@@@@@@@@@")));
  List6.addItem(QString());
  List1.addItem(QString());
  List6.addItem(QString());
  for (int i = 1; i <= n / 2; ++i) {
    lookUpResult(fmt(homeTeam[i], QStringLiteral("00")) + fmt(awayTeam[i], QStringLiteral("00")));
    List1.addItem(fmt(i, QStringLiteral("@@ ")) + fmt(safeTeamName(homeTeam[i]), QStringLiteral("@@@@@")) +
                  fmt(safeTeamName(awayTeam[i]), QStringLiteral("-@@@@@.")));
    List6.addItem(fmt(lookupGoals, QStringLiteral("@@")));
  }

  if (recomputeStandings) {
    computeSeasonTotals();
    fillGeneralGrid();
    Label10.caption = QStringLiteral(" Clasf. General  Jorn: ") + fmt(jornada, QStringLiteral("@@"));
    for (int i = 1; i <= n; ++i) {
      tablag.setText(i, 1, fmt(teamName[i], QStringLiteral("@@@@@@")));
      tablag.setText(i, 2,
                     fmt(tally.points[i], QStringLiteral("@@ ")) + fmt(tally.negativeTotal[i], QStringLiteral("@@@")));
    }
    Text3.text = QString::number(division == 1 ? jornada + 1 : jornada);
  }
}

} // namespace vaticor
