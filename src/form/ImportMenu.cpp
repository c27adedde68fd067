// The season from the openfootball results: imported from files the user
// chooses, or fetched from the internet and imported. Nothing replaces the
// season file unless the whole season reads; the user is asked before an
// existing one is replaced.
#include "engine/SeasonImport.h"
#include "form/Qmodelop.h"
#include "season/SeasonFile.h"
#include "text/SequentialFile.h"
#include "text/TextRules.h"

#include <QFile>
#include <QFileInfo>

namespace vaticor {

// The raw files of the openfootball project's Spanish leagues; a setting of
// the program can point elsewhere.
const QString kOpenfootballBase = QStringLiteral("https://raw.githubusercontent.com/openfootball/espana/master/");

namespace {

const QString kTitle = QStringLiteral("Importar Temporada");

QString readText(const QString &path, QString *error)
{
  const std::optional<QByteArray> bytes = text::readFileCapped(path, error);
  return bytes ? text::decodeDataFile(*bytes) : QString();
}

} // namespace

std::optional<engine::ImportedSeason> Qmodelop::importedSeason(const QString &first, const QString &firstName,
                                                               const QString &second, const QString &secondName,
                                                               QString *error)
{
  const std::optional<engine::NameTable> names =
      engine::NameTable::read(readableFile(QStringLiteral("nombres.csv")), error);
  if (!names)
    return std::nullopt;
  const std::optional<engine::LeagueFile> league = engine::readLeagueFile(first, firstName, error);
  if (!league)
    return std::nullopt;
  if (league->seasonDigits < 0) {
    *error = QStringLiteral("%1: el título no dice la temporada (por ejemplo «= Spain Primera División 2025/26»).")
                 .arg(firstName);
    return std::nullopt;
  }
  std::optional<engine::ImportedSeason> imported = engine::importTexts(first, firstName, second, secondName, *names, error);
  if (!imported && error->startsWith(QStringLiteral("Estos clubes")))
    *error += QStringLiteral("\nTabla de nombres: ") + readableFile(QStringLiteral("nombres.csv"));
  if (imported)
    imported->seasonDigits = league->seasonDigits;
  return imported;
}

bool Qmodelop::importLeagueTexts(const QString &first, const QString &firstName, const QString &second,
                                 const QString &secondName)
{
  auto fail = [this](const QString &why) {
    refuse(why, kTitle, controls::MessageIcon::Critical);
    return false;
  };
  QString error;
  const std::optional<engine::ImportedSeason> imported = importedSeason(first, firstName, second, secondName, &error);
  if (!imported)
    return fail(error);
  const int digits = imported->seasonDigits;
  const QString path = workDir + QStringLiteral("Edato") + text::fmt(digits, QStringLiteral("00")) + QStringLiteral(".txt");
  if (!settleUnsavedResults(QStringLiteral("reemplazar la temporada")))
    return false;
  if (fileExists(path)) {
    const controls::MessageAnswer answer = services.messages->show(
        QStringLiteral("Ya existe %1.\r\n¿Desea reemplazarlo por la temporada importada?").arg(QFileInfo(path).fileName()),
        kTitle, controls::MessageIcon::Question, controls::MessageButtons::YesNo);
    if (answer != controls::MessageAnswer::Yes)
      return false;
  }
  error = season::writeSeasonFile(path, imported->season);
  if (!error.isEmpty())
    return fail(error);
  if (!loadSeason(path))
    return false;
  QStringList lines = engine::importSummary(*imported);
  for (const QString &warning : imported->warnings)
    lines << QStringLiteral("Aviso: ") + warning;
  services.messages->show(QStringLiteral("Temporada importada en %1\r\n").arg(QFileInfo(path).fileName()) +
                              lines.join(QStringLiteral("\r\n")),
                          kTitle, controls::MessageIcon::Information);
  return true;
}

void Qmodelop::mnuImportar_Click()
{
  const QString filter = QStringLiteral("Resultados openfootball (*.txt)|*.txt|All Files (*.*)|*.*");
  // The league files bundled with the program sit in its folder "openfootball",
  // a folder per season: the dialog opens there.
  const QString bundled = programDir + QStringLiteral("openfootball");
  const QString first = services.fileDialog->openFile(
      QStringLiteral("Importar Temporada: archivo de 1ª División (openfootball)"),
      QFileInfo(bundled).isDir() ? bundled : workDir, filter);
  if (first.isEmpty())
    return;
  const QString second = services.fileDialog->openFile(
      QStringLiteral("Importar Temporada: archivo de 2ª División (Cancelar si no hay)"), QFileInfo(first).absolutePath(),
      filter);
  QString error;
  const QString firstText = readText(first, &error);
  const QString secondText = second.isEmpty() ? QString() : readText(second, &error);
  if (!error.isEmpty()) {
    refuse(error, kTitle, controls::MessageIcon::Critical);
    return;
  }
  importLeagueTexts(firstText, QFileInfo(first).fileName(), secondText, QFileInfo(second).fileName());
}

QString Qmodelop::openfootballSeasonFolder() const
{
  // The season that ends in the year of the season digits: "2025-26".
  const int digits = seasonDigits(services.clock->today()).toInt();
  const int end = 2000 + digits;
  return QStringLiteral("%1-%2").arg(end - 1).arg(text::fmt(digits, QStringLiteral("00")));
}

void Qmodelop::mnuActualizarTemporada_Click()
{
  if (!services.http)
    return;
  if (downloading)
    return refuseSecondDownload();
  if (!settleUnsavedResults(QStringLiteral("traer la temporada de internet")))
    return;
  const QString folder = openfootballBase + openfootballSeasonFolder() + u'/';
  downloading = true;
  services.http->get(folder + QStringLiteral("1-liga.txt"), [this, folder, alive = lifetime()](const controls::HttpReply &first) {
    if (alive.expired())
      return;
    auto failed = [this](const QString &why) {
      downloading = false;
      refuse(QStringLiteral("Actualización NO Realizada\r\n") + why, QStringLiteral("Vaticor"),
                              controls::MessageIcon::Critical);
    };
    if (!first.completed || first.status != 200)
      return failed(QStringLiteral("1-liga.txt: ") +
                    (first.error.isEmpty() ? QStringLiteral("respuesta %1 del servidor").arg(first.status) : first.error));
    const QString firstText = text::decodeDataFile(first.body);
    services.http->get(folder + QStringLiteral("2-liga2.txt"),
                       [this, firstText, failed, alive](const controls::HttpReply &second) {
                         if (alive.expired())
                           return;
                         // A season may have no 2ª División file yet; anything else that fails is no update.
                         QString secondText;
                         if (second.completed && second.status == 200)
                           secondText = text::decodeDataFile(second.body);
                         else if (second.status != 404)
                           return failed(QStringLiteral("2-liga2.txt: ") +
                                         (second.error.isEmpty()
                                              ? QStringLiteral("respuesta %1 del servidor").arg(second.status)
                                              : second.error));
                         downloading = false;
                         importLeagueTexts(firstText, QStringLiteral("1-liga.txt"), secondText,
                                           QStringLiteral("2-liga2.txt"));
                       });
  });
}

} // namespace vaticor
