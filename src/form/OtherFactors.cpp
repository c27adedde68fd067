// The other-factors window `factor`: per coupon line, three numbers the user
// types for what the statistics cannot see (referee, coaches, weather...).
// Their sum is the eighth value of the match's valuation while the window
// belongs to the coupon number in Text5.
#include "form/Qmodelop.h"
#include "text/TextRules.h"

#include <algorithm>

using text::fmt;
using text::mid;

namespace vaticor {

void Qmodelop::loadFactorWindow()
{
  if (factor.loaded)
    return;
  factor = FactorWindow{};
  factor.loaded = true;
  controls::Grid &g = factor.tablaf;
  g.setRows(16);
  g.setCols(5);
  const char16_t *headings[5] = {u"Nº", u" ENCUENTROS:", u"Arbitro", u"Dif.Entrenador", u"C. Clima"};
  const int widths[5] = {300, 1900, 700, 700, 700};
  const controls::Rgb colours[5] = {controls::kNoColour, controls::rgb(213, 210, 208), controls::rgb(196, 228, 236),
                                    controls::rgb(249, 211, 125), controls::rgb(196, 228, 236)};
  for (int c = 0; c < 5; ++c) {
    g.setText(0, c, QString::fromUtf16(headings[c]));
    g.setColWidth(c, widths[c]);
    for (int r = 1; r <= 15; ++r)
      g.setCellColour(r, c, colours[c]);
  }
  g.row = 1;
  g.col = 2;
}

void Qmodelop::Command23_Click()
{
  processAfterFactors = true;
  loadFactorWindow();
  factor.visible = true;
  if (services.windows)
    services.windows->showModal(QStringLiteral("factor"));
  if (processAfterFactors)
    Command32_Click();
}

void Qmodelop::factor_Command2_Click()
{
  for (int r = 1; r <= 15; ++r) {
    factor.tablaf.setText(r, 0, fmt(r, QStringLiteral("@@")));
    factor.tablaf.setText(r, 1, mid(tablap.text(2 * r - 1, 0), 4, 5) + QStringLiteral("- ") +
                                    mid(tablap.text(2 * r, 0), 4, 5));
  }
  factor.Label1.caption = Text3.text;
}

void Qmodelop::factor_Command1_Click()
{
  for (int r = 1; r <= 15; ++r)
    for (int c = 2; c <= 4; ++c)
      factor.tablaf.setText(r, c, QString());
}

void Qmodelop::factor_tablaf_KeyPress(QChar key)
{
  controls::Grid &g = factor.tablaf;
  if (g.col <= 1)
    return;
  if (key == QChar(8) || key == QChar(u' ')) {
    g.setText(g.row, g.col, QString());
    if (g.row + 1 < g.rows())
      ++g.row;
    return;
  }
  g.setText(g.row, g.col, g.text(g.row, g.col) + key);
}

void Qmodelop::factor_Form_Unload()
{
  const QStringList lines = {
      QStringLiteral(" Obtenido el pronóstico y procesado para obtener el 14% y el 25%"),
      QStringLiteral(" debe Guardarlo con el nº de quiniela actual."),
      QStringLiteral(" Ocultar y Procesar(Si),  Salir(No),   Ocultar solamente(C)"),
      QStringLiteral(" Se recomienda Salir por Cancelar"),
      QStringLiteral("De esta forma se queda en memoria."),
      QStringLiteral(" Y se puede manejar directamente con el navegador"),
  };
  const controls::MessageAnswer answer =
      services.messages->show(lines.join(QStringLiteral("\r\n")), QStringLiteral("Salir?"), controls::MessageIcon::None,
                              controls::MessageButtons::YesNoCancel);
  if (answer == controls::MessageAnswer::No) {
    processAfterFactors = false;
    factor = FactorWindow{}; // unloaded: what was typed is lost
    return;
  }
  if (answer == controls::MessageAnswer::Cancel)
    processAfterFactors = false;
  factor.visible = false;
}

int Qmodelop::otherFactorsOf(int k) const
{
  // The window's coupon number and the one in Text5 are compared as numbers:
  // the rebuild writes " 5" where the user typed "5".
  if (!factor.loaded || text::val(factor.Label1.caption) != text::val(Text5.text))
    return 0;
  const controls::Grid &g = factor.tablaf;
  const double sum = text::val(g.text(k, 3)) + text::val(g.text(k, 4)) + text::val(g.text(k, 2));
  return std::clamp<int>(text::toInt16(sum), -140, 140);
}

} // namespace vaticor
