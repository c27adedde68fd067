// Fetching the current season's file, or its forecast store, from the update
// server. Nothing reaches the disk unless the whole body reads as what it
// should be: a failed transfer never replaces a good file.
#include "form/ForecastStore.h"
#include "form/Qmodelop.h"
#include "season/SeasonFile.h"
#include "text/SequentialFile.h"
#include "text/TextRules.h"

#include <QDir>

namespace vaticor {

void Qmodelop::mnuActTI_Click()
{
  if (downloading)
    return refuseSecondDownload();
  // No update server set in Vaticor.ini: the season comes up to date from the
  // openfootball results, the source there is.
  if (updateServer.isEmpty())
    return mnuActualizarTemporada_Click();
  transferMode = Transfer::Season;
  if (!settleUnsavedResults(QStringLiteral("descargar la temporada")) || !confirmReplacing())
    return;
  requestDownload();
}

void Qmodelop::mnuActGI_Click()
{
  if (downloading)
    return refuseSecondDownload();
  if (updateServer.isEmpty()) {
    refuse(QStringLiteral("No hay ningún servidor de actualizaciones del que traer los pronósticos.") + kBreak +
               QStringLiteral("Se indica en Vaticor.ini, en el grupo [internet]: actualizaciones=https://..."),
           QStringLiteral("Vaticor"), controls::MessageIcon::Information);
    return;
  }
  transferMode = Transfer::Store;
  if (!confirmReplacing())
    return;
  requestDownload();
}

void Qmodelop::refuseSecondDownload()
{
  refuse(QStringLiteral("Ya hay una descarga en curso: espere a que termine."), QStringLiteral("Vaticor"),
         controls::MessageIcon::Information);
}

bool Qmodelop::confirmReplacing()
{
  const QString path = workDir + downloadFileName();
  if (!fileExists(path))
    return true;
  const QString what = transferMode == Transfer::Season ? QStringLiteral("la temporada guardada en %1")
                                         : QStringLiteral("los pronósticos guardados en %1");
  return services.messages->show(QStringLiteral("La descarga reemplazará ") + what.arg(QDir::toNativeSeparators(path)) +
                                     QStringLiteral(".") + kBreak + QStringLiteral("¿Desea continuar?"),
                                 QStringLiteral("Vaticor"), controls::MessageIcon::Question,
                                 controls::MessageButtons::OkCancel) == controls::MessageAnswer::Ok;
}

QString Qmodelop::downloadFileName() const
{
  const QString digits = seasonDigits(services.clock->today());
  if (transferMode == Transfer::Season)
    return QStringLiteral("Edato") + digits + QStringLiteral(".txt");
  if (transferMode == Transfer::Store)
    return QStringLiteral("gprono") + digits + QStringLiteral(".txt");
  return QString();
}

void Qmodelop::requestDownload()
{
  const QString name = downloadFileName();
  if (name.isEmpty() || !services.http)
    return;
  downloading = true;
  services.http->get(updateServer + name, [this, alive = lifetime()](const controls::HttpReply &reply) {
    if (!alive.expired())
      Inet1_StateChanged(reply);
  });
}

void Qmodelop::Inet1_StateChanged(const controls::HttpReply &reply)
{
  downloading = false;
  const QString name = downloadFileName();
  if (name.isEmpty())
    return;
  auto notDone = [this] {
    refuse(QStringLiteral("Actualización NO Realizada"), QStringLiteral("Vaticor"),
                            controls::MessageIcon::Critical);
  };
  // An error page, a refused connection or a body cut short is no update.
  if (!reply.completed || reply.status < 200 || reply.status > 299 || reply.body.size() < 5)
    return notDone();
  const QByteArray bytes = reply.body + "\r\n";
  std::optional<season::Season> fetched;
  if (transferMode == Transfer::Season) {
    fetched = season::parseSeasonText(text::decodeDataFile(bytes), nullptr);
    if (!fetched)
      return notDone();
  } else if (!forecast::parseStore(bytes, nullptr)) {
    return notDone();
  }
  const QString path = workDir + name;
  QString holder;
  if (transferMode == Transfer::Season && seasonLockedElsewhere(path, &holder)) {
    refuse(QStringLiteral("Actualización NO Realizada") + kBreak + holder, QStringLiteral("Vaticor"),
           controls::MessageIcon::Critical);
    return;
  }
  const QString error = text::writeFileAtomically(path, bytes);
  if (!error.isEmpty()) {
    refuse(error, QStringLiteral("Vaticor"), controls::MessageIcon::Critical);
    return;
  }
  if (transferMode == Transfer::Season) {
    start.visible = false;
    seasonFilePath = path;
    loadedFileName = path;
    resultsUnsaved = false;
    releaseEntryLock();
    season = std::move(*fetched);
    jornada = static_cast<int16_t>(season.storedJornada(1));
    Text1.text = text::left(season.record(season::kJornadasRecord), 2);
    division = 1;
    showSeasonCaption();
    showDivision();
    // The jornadas line opens, so that the file is rewritten in the program's own layout.
    archivePending = false;
    archiveJornadas();
  }
  services.messages->show(QStringLiteral("Actualización Realizada"), QStringLiteral("Vaticor"),
                          controls::MessageIcon::Critical);
}

} // namespace vaticor
