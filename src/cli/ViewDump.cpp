#include "cli/ViewDump.h"

namespace vaticor {

void appendLabel(QStringList &out, const Label &label)
{
  QString caption = label.caption;
  caption.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
  out += caption.split(u'\n');
}

void appendList(QStringList &out, const ListBox &list)
{
  out += list.lines();
}

void appendGrid(QStringList &out, const Grid &grid)
{
  for (int r = 0; r < grid.rows(); ++r) {
    QStringList cells;
    for (int c = 0; c < grid.cols(); ++c)
      cells.append(grid.text(r, c));
    out.append(cells.join(u'|'));
  }
}

QStringList knownViews()
{
  return {QStringLiteral("general"), QStringLiteral("clasificacion"), QStringLiteral("cuadrante"),
          QStringLiteral("evolucion-equipos"), QStringLiteral("evolucion-signos"), QStringLiteral("equivalente"),
          QStringLiteral("quiniela"), QStringLiteral("guardar"), QStringLiteral("pronostico"),
          QStringLiteral("estadistica"), QStringLiteral("jornada"), QStringLiteral("jornadas"),
          QStringLiteral("historial"), QStringLiteral("tablas1x2"), QStringLiteral("imprimir"), QStringLiteral("exportar"),
          QStringLiteral("backtest")};
}

QStringList viewLines(const Qmodelop &f, const QString &view)
{
  QStringList out;
  if (view == QStringLiteral("general")) {
    appendLabel(out, f.Label18);
    appendLabel(out, f.Label10);
    appendLabel(out, f.Label11);
    appendGrid(out, f.tablag);
    appendList(out, f.List1);
    appendList(out, f.List6);
  } else if (view == QStringLiteral("clasificacion")) {
    appendLabel(out, f.Label7);
    for (const ListBox &list : f.List12)
      appendList(out, list);
  } else if (view == QStringLiteral("cuadrante")) {
    appendLabel(out, f.Label4);
    appendGrid(out, f.tab1);
    appendList(out, f.List7);
    appendList(out, f.List8);
  } else if (view == QStringLiteral("evolucion-equipos")) {
    appendLabel(out, f.Label27);
    for (const ListBox &list : f.List2)
      appendList(out, list);
    for (const ListBox &list : f.List3)
      appendList(out, list);
  } else if (view == QStringLiteral("evolucion-signos")) {
    appendLabel(out, f.Label53);
    appendLabel(out, f.Label14);
    appendGrid(out, f.tabl1x2);
  } else if (view == QStringLiteral("equivalente")) {
    appendList(out, f.List7);
    appendList(out, f.List8);
  } else if (view == QStringLiteral("quiniela")) {
    appendLabel(out, f.Label49);
    appendGrid(out, f.tablap);
    appendLabel(out, f.Label46);
    appendLabel(out, f.Label9);
    appendLabel(out, f.Label25);
  } else if (view == QStringLiteral("pronostico")) {
    appendLabel(out, f.Label49);
    appendGrid(out, f.tablap);
    appendLabel(out, f.Label46);
    appendLabel(out, f.Label9);
  } else if (view == QStringLiteral("jornadas")) {
    appendLabel(out, f.Label24);
    for (const ListBox &list : f.List10)
      appendList(out, list);
    for (const ListBox &list : f.List11)
      appendList(out, list);
  } else if (view == QStringLiteral("historial")) {
    out.append(f.Frame8.caption);
    appendLabel(out, f.Label38);
    for (const ListBox &list : f.List13)
      appendList(out, list);
    // The highlighted lines (matches not lost), counted from 1, list by list.
    for (int k = 0; k < 6; ++k) {
      QStringList numbers;
      for (int i : f.List13[k].selectedLines())
        numbers.append(QString::number(i + 1));
      out.append(QStringLiteral("List13(%1): %2").arg(k).arg(numbers.join(u' ')));
    }
  } else if (view == QStringLiteral("tablas1x2")) {
    for (const ListBox &list : f.List9)
      appendList(out, list);
  } else if (view == QStringLiteral("jornada")) {
    appendList(out, f.List1);
    appendList(out, f.List6);
  } else if (view == QStringLiteral("estadistica")) {
    appendGrid(out, f.tablac);
    appendGrid(out, f.tablacs);
  }
  return out;
}

} // namespace vaticor
