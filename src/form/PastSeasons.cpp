// Seasons before this one, for the score model's past and for Fiabilidad:
// every season the openfootball site has from 2012/13 to last season, fetched
// one after another, imported and written beside the program; the seasons
// already there are left as they are. The work goes on through the replies
// of the transfers, so the window stays free, and can be stopped.
#include "form/Qmodelop.h"
#include "season/SeasonFile.h"
#include "text/SequentialFile.h"
#include "text/TextRules.h"

#include <QDir>
#include <QFileInfo>
#include <memory>

namespace vaticor {

namespace {

const QString kTitle = QStringLiteral("Temporadas anteriores");
constexpr int kFirstSeason = 13; // 2012/13, the first the site has

QString seasonFolderName(int digits)
{
  const int end = 2000 + digits;
  return QStringLiteral("%1-%2").arg(end - 1).arg(text::fmt(digits, QStringLiteral("00")));
}

QString seasonText(int digits)
{
  return QStringLiteral("%1/%2").arg(2000 + digits - 1).arg(text::fmt(digits, QStringLiteral("00")));
}

QString replyProblem(const controls::HttpReply &r)
{
  return r.error.isEmpty() ? QStringLiteral("respuesta %1 del servidor").arg(r.status) : r.error;
}

} // namespace

void Qmodelop::mnuImportarAnteriores_Click()
{
  if (!services.http)
    return;
  if (downloading)
    return refuseSecondDownload();
  const int current = seasonDigits(services.clock->today()).toInt();
  struct Run {
    QList<int> wanted; // seasons to fetch, oldest first
    QStringList present, imported, failed;
    int done = 0;
  };
  auto run = std::make_shared<Run>();
  for (int d = kFirstSeason; d < current; ++d) {
    const QString name = QStringLiteral("Edato") + text::fmt(d, QStringLiteral("00")) + QStringLiteral(".txt");
    if (fileExists(workDir + name) || fileExists(programDir + name))
      run->present << seasonText(d);
    else
      run->wanted << d;
  }
  if (run->wanted.isEmpty()) {
    services.messages->show(QStringLiteral("Ya están todas las temporadas anteriores, de %1 a %2.")
                                .arg(seasonText(kFirstSeason), seasonText(current - 1)),
                            kTitle, controls::MessageIcon::Information);
    return;
  }
  downloading = true;
  if (services.progress)
    services.progress->start(QStringLiteral("Importando las temporadas anteriores de openfootball"),
                             static_cast<int>(run->wanted.size()));

  // One season after another; each ends by asking for the next. The step
  // holds itself only through the transfers it has asked for, so the chain
  // is gone once the last one has answered.
  auto next = std::make_shared<std::function<void()>>();
  auto finish = [this, run](bool stopped) {
    downloading = false;
    if (services.progress)
      services.progress->finish();
    QStringList lines;
    if (!run->imported.isEmpty())
      lines << QStringLiteral("Importadas: ") + run->imported.join(QStringLiteral(", "));
    if (!run->present.isEmpty())
      lines << QStringLiteral("Ya estaban: ") + run->present.join(QStringLiteral(", "));
    lines += run->failed;
    if (stopped)
      lines << QStringLiteral("Importación detenida: las demás temporadas no se han traído.");
    if (stopped || !run->failed.isEmpty())
      operationFailed = true;
    services.messages->show(lines.join(kBreak), kTitle,
                            run->failed.isEmpty() ? controls::MessageIcon::Information : controls::MessageIcon::Exclamation);
  };
  *next = [this, run, self = std::weak_ptr(next), finish, alive = lifetime()] {
    const std::shared_ptr<std::function<void()>> next = self.lock();
    if (alive.expired() || !next)
      return;
    if (run->done >= run->wanted.size())
      return finish(false);
    const int d = run->wanted[run->done];
    if (services.progress && !services.progress->advance(run->done, QStringLiteral("Temporada %1").arg(seasonText(d))))
      return finish(true);
    const QString folder = openfootballBase + seasonFolderName(d) + u'/';
    auto failed = [run, next, d](const QString &why) {
      run->failed << QStringLiteral("%1: %2").arg(seasonText(d), why);
      ++run->done;
      (*next)();
    };
    services.http->get(folder + QStringLiteral("1-liga.txt"), [this, run, next, failed, d, folder,
                                                              alive](const controls::HttpReply &first) {
      if (alive.expired())
        return;
      if (!first.completed || first.status != 200)
        return failed(QStringLiteral("1-liga.txt: ") + replyProblem(first));
      const QString firstText = text::decodeDataFile(first.body);
      services.http->get(folder + QStringLiteral("2-liga2.txt"), [this, run, next, failed, d, firstText,
                                                                  alive](const controls::HttpReply &second) {
        if (alive.expired())
          return;
        QString secondText;
        if (second.completed && second.status == 200)
          secondText = text::decodeDataFile(second.body);
        else if (second.status != 404)
          return failed(QStringLiteral("2-liga2.txt: ") + replyProblem(second));
        QString error;
        const std::optional<engine::ImportedSeason> imported = importedSeason(
            firstText, QStringLiteral("1-liga.txt"), secondText, QStringLiteral("2-liga2.txt"), &error);
        if (!imported)
          return failed(error.section(u'\n', 0, 0));
        if (imported->seasonDigits != d)
          return failed(QStringLiteral("el archivo es de otra temporada"));
        const QString path = workDir + QStringLiteral("Edato") + text::fmt(d, QStringLiteral("00")) + QStringLiteral(".txt");
        error = season::writeSeasonFile(path, imported->season);
        if (!error.isEmpty())
          return failed(error);
        run->imported << seasonText(d);
        ++run->done;
        (*next)();
      });
    });
  };
  (*next)();
}

} // namespace vaticor
