#include "TestSeasons.h"

#include "season/SeasonFile.h"
#include "text/SequentialFile.h"
#include "text/TextRules.h"

#include <QFile>

#include <csignal>
#include <sys/resource.h>

namespace testing {

namespace {

// Circle-method first round: jornada j (1-based) as HHAA pairs.
QString roundRobin(int n)
{
  QList<int> teams;
  for (int t = 1; t <= n; ++t)
    teams.append(t);
  QString out;
  for (int r = 0; r < n - 1; ++r) {
    for (int i = 0; i < n / 2; ++i) {
      int a = teams[i], b = teams[n - 1 - i];
      if ((r + i) % 2)
        std::swap(a, b);
      out += text::fmt(a, QStringLiteral("00")) + text::fmt(b, QStringLiteral("00"));
    }
    teams.insert(1, teams.takeLast());
  }
  return season::fitCalendar(out);
}

} // namespace

TestSeason::TestSeason(int t1, int t2) : teams1(t1), teams2(t2)
{
  for (int k = 0; k < 968; ++k)
    records.append(QStringLiteral("...."));
  for (int d = 1; d <= 2; ++d)
    for (int k = 1; k <= 22; ++k)
      records.append(k <= (d == 1 ? t1 : t2) ? QStringLiteral("T%1%2").arg(d).arg(k, 3, 10, QChar(u'0'))
                                             : QStringLiteral("     "));
  records.append(QStringLiteral("0101"));
  records.append(text::fmt(t1, QStringLiteral("00")) + text::fmt(t2, QStringLiteral("00")));
  for (int k = 0; k < 22; ++k)
    records.append(QStringLiteral("...."));
  calendar1 = roundRobin(t1);
  calendar2 = roundRobin(t2);
}

void TestSeason::setNames(int division, const QStringList &names)
{
  for (int k = 0; k < names.size(); ++k)
    records[968 + (division - 1) * 22 + k] = names[k];
}

void TestSeason::play(int division, int home, int away, int jornada, int homeGoals, int awayGoals)
{
  records[(division - 1) * 484 + (home - 1) * 22 + away - 1] =
      text::fmt(jornada, QStringLiteral("00")) + QString::number(homeGoals) + QString::number(awayGoals);
}

QString TestSeason::cell(int division, int home, int away) const
{
  return records[(division - 1) * 484 + (home - 1) * 22 + away - 1];
}

std::pair<int, int> TestSeason::fixture(int division, int j, int i) const
{
  const int n = division == 1 ? teams1 : teams2;
  const QString &cal = division == 1 ? calendar1 : calendar2;
  const int jj = j > n - 1 ? j - (n - 1) : j;
  const QString pair = cal.mid((jj - 1) * 2 * n + (i - 1) * 4, 4);
  const int p = pair.left(2).toInt();
  const int q = pair.mid(2, 2).toInt();
  return j < n ? std::make_pair(p, q) : std::make_pair(q, p);
}

season::Season TestSeason::toSeason() const
{
  season::Season s;
  for (int k = 1; k <= season::kRecordCount; ++k)
    s.setRecord(k, records.value(k - 1));
  s.setCalendars(calendar1, calendar2);
  return s;
}

QByteArray TestSeason::bytes() const
{
  return seasonBytes(toSeason());
}

QByteArray realWithLine(int k, const QString &text)
{
  const QByteArray replacement = text::encodeWindows1252(text);
  QList<QByteArray> lines = readAll(samplePath("Edato14.txt")).split('\n');
  if (replacement.startsWith('+'))
    lines.insert(k, replacement.mid(1) + '\r');
  else if (replacement.isEmpty())
    lines.removeAt(k - 1);
  else
    lines[k - 1] = replacement + '\r';
  return lines.join('\n');
}

QByteArray seasonBytes(const season::Season &s)
{
  return season::seasonFileBytes(s, nullptr).value_or(QByteArray());
}

QString TestSeason::writeTo(const QString &folder, const QString &fileName) const
{
  return writeAll(folder + fileName, bytes());
}

FormFixture::FormFixture()
{
  form = std::make_unique<vaticor::Qmodelop>(scripted.services());
  form->programFolderOverride = dir.path();
  form->layOutForm();
}

bool FormFixture::load(const TestSeason &season, const QString &fileName)
{
  return loadFile(season.writeTo(folder(), fileName));
}

bool FormFixture::loadFile(const QString &path)
{
  scripted.fileDialog.choices = {path};
  const int before = scripted.messages.shown.size();
  form->mnuaCargar_Click();
  return scripted.messages.shown.size() == before && form->loadedFileName == path;
}

LocalServer::LocalServer(const QString &folder) : process_(new QProcess)
{
  process_->setWorkingDirectory(folder);
  process_->start(QStringLiteral("python3"), {"-u", QStringLiteral(VATICOR_SOURCE_DIR "/tests/http_server.py")});
  if (!process_->waitForStarted(5000))
    return;
  for (int i = 0; i < 100 && !process_->canReadLine(); ++i)
    process_->waitForReadyRead(100);
  // "Serving HTTP on 127.0.0.1 port 40123 (http://127.0.0.1:40123/) ..."
  const QString banner = QString::fromLatin1(process_->readLine());
  const int port = banner.section(QStringLiteral("port "), 1).section(u' ', 0, 0).toInt();
  if (port > 0)
    base_ = QStringLiteral("http://127.0.0.1:%1/").arg(port);
}

LocalServer::~LocalServer()
{
  process_->kill();
  process_->waitForFinished(3000);
  delete process_;
}

QString samplePath(const QString &fileName)
{
  QString folder = qEnvironmentVariable("VATICOR_SAMPLES");
  if (folder.isEmpty())
    folder = QStringLiteral(VATICOR_SOURCE_DIR "/samples");
  return folder + u'/' + fileName;
}

QByteArray readAll(const QString &path)
{
  QFile f(path);
  return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

QString writeAll(const QString &path, const QByteArray &bytes)
{
  QFile f(path);
  if (f.open(QIODevice::WriteOnly))
    f.write(bytes);
  return path;
}

FileSizeLimit::FileSizeLimit(long long bytes)
{
  rlimit limit{};
  getrlimit(RLIMIT_FSIZE, &limit);
  previous_ = static_cast<long long>(limit.rlim_cur);
  previousHandler_ = std::signal(SIGXFSZ, SIG_IGN);
  limit.rlim_cur = static_cast<rlim_t>(bytes);
  setrlimit(RLIMIT_FSIZE, &limit);
}

FileSizeLimit::~FileSizeLimit()
{
  rlimit limit{};
  getrlimit(RLIMIT_FSIZE, &limit);
  limit.rlim_cur = static_cast<rlim_t>(previous_);
  setrlimit(RLIMIT_FSIZE, &limit);
  std::signal(SIGXFSZ, previousHandler_);
}

} // namespace testing
