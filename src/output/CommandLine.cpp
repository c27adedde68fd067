#include "output/CommandLine.h"

#include "controls/SystemServices.h"
#include "output/ViewDump.h"
#include "season/Qmodelop.h"

#include <QFileInfo>
#include <optional>

namespace vaticor {

QString commandLineUsage()
{
  return QStringLiteral("Uso: vaticor-cli ARCHIVO [--division 2] [--jornada J] VISTA [opciones]\n"
                        "Vistas: %1\n"
                        "Opciones de clasificacion: --sort K (0..6)  --desde J (jornada inicial)\n")
      .arg(knownViews().join(QStringLiteral(", ")));
}

namespace {

std::optional<int> parseNumber(const QString &s)
{
  bool ok = false;
  const int n = s.toInt(&ok);
  return ok ? std::optional<int>(n) : std::nullopt;
}

CommandLineResult failure(int code, const QString &error)
{
  CommandLineResult r;
  r.exitCode = code;
  r.error = error;
  return r;
}

} // namespace

CommandLineResult runCommandLine(const QStringList &args)
{
  QStringList positional;
  std::optional<int> division, jornada, sortKey, firstJornada;
  for (int i = 0; i < args.size(); ++i) {
    const QString &a = args[i];
    if (!a.startsWith(QStringLiteral("--"))) {
      positional.append(a);
      continue;
    }
    if (i + 1 >= args.size())
      return failure(1, QStringLiteral("Falta el valor de %1\n").arg(a) + commandLineUsage());
    const std::optional<int> value = parseNumber(args[++i]);
    if (!value)
      return failure(1, QStringLiteral("Valor no numérico para %1: %2\n").arg(a, args[i]));
    if (a == QStringLiteral("--division"))
      division = value;
    else if (a == QStringLiteral("--jornada"))
      jornada = value;
    else if (a == QStringLiteral("--sort"))
      sortKey = value;
    else if (a == QStringLiteral("--desde"))
      firstJornada = value;
    else
      return failure(1, QStringLiteral("Opción desconocida: %1\n").arg(a) + commandLineUsage());
  }
  if (positional.size() != 2)
    return failure(1, commandLineUsage());
  const QString file = positional[0];
  const QString view = positional[1];
  if (!knownViews().contains(view))
    return failure(1, QStringLiteral("Vista desconocida: %1\n").arg(view) + commandLineUsage());
  if (division && *division != 1 && *division != 2)
    return failure(1, QStringLiteral("La división debe ser 1 o 2.\n"));
  if (sortKey && (*sortKey < 0 || *sortKey > 6))
    return failure(1, QStringLiteral("La clave de orden debe estar entre 0 y 6.\n"));
  if ((sortKey || firstJornada) && view != QStringLiteral("clasificacion"))
    return failure(1, QStringLiteral("--sort y --desde sólo valen para la vista clasificacion.\n"));

  controls::MessageLog messages;
  controls::NoFileDialog noDialog;
  controls::SystemClock clock;
  controls::SystemFileInfo fileInfo;
  Qmodelop form({&messages, &noDialog, nullptr, &clock, &fileInfo});
  const QFileInfo info(file);
  form.programFolderOverride = info.absolutePath();
  form.layOutForm();
  if (!form.loadSeason(info.absoluteFilePath())) {
    const QString why = messages.messages.isEmpty() ? QStringLiteral("no se pudo cargar la temporada")
                                                    : messages.messages.first().text;
    return failure(2, QStringLiteral("Error al cargar %1: %2\n").arg(file, QString(why).replace(QStringLiteral("\r\n"), QStringLiteral("\n"))));
  }
  if (division && *division == 2)
    form.Command6_Click();
  // Jornadas are those of the division's season.
  const int last = form.jornadaCount();
  auto outside = [last](int j) { return j < 1 || j > last; };
  if (jornada && outside(*jornada))
    return failure(1, QStringLiteral("Jornada fuera de 1 .. %1: %2\n").arg(last).arg(*jornada));
  if (firstJornada && outside(*firstJornada))
    return failure(1, QStringLiteral("Jornada inicial fuera de 1 .. %1: %2\n").arg(last).arg(*firstJornada));
  if (jornada) {
    form.jornada = static_cast<int16_t>(*jornada);
    form.recomputeStandings = false;
    form.showDivision();
  }

  if (view == QStringLiteral("clasificacion")) {
    if (sortKey)
      form.sortKey = static_cast<int16_t>(*sortKey);
    if (firstJornada)
      form.firstJornada = static_cast<int16_t>(*firstJornada);
    form.Command12_Click();
  } else if (view == QStringLiteral("cuadrante")) {
    form.Command7_Click();
  } else if (view == QStringLiteral("evolucion-equipos")) {
    form.Command11_Click();
  } else if (view == QStringLiteral("evolucion-signos")) {
    form.Command4_Click();
  } else if (view == QStringLiteral("equivalente")) {
    form.Command3_Click();
  }
  CommandLineResult result;
  result.lines = viewLines(form, view);
  return result;
}

} // namespace vaticor
