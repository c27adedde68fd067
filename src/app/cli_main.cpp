// vaticor-cli: prints what a view of the program holds, UTF-8 on standard output.
#include "output/CommandLine.h"

#include <QCoreApplication>
#include <cstdio>

int main(int argc, char **argv)
{
  QCoreApplication app(argc, argv);
  QStringList args = app.arguments();
  args.removeFirst();
  const vaticor::CommandLineResult result = vaticor::runCommandLine(args);
  if (result.exitCode != 0) {
    std::fputs(result.error.toUtf8().constData(), stderr);
    return result.exitCode;
  }
  QByteArray out;
  for (const QString &line : result.lines)
    out += line.toUtf8() + '\n';
  std::fwrite(out.constData(), 1, static_cast<size_t>(out.size()), stdout);
  return 0;
}
