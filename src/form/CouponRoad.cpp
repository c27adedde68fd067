// The road of a player to a coupon, through the window's own handlers.
#include "form/CouponRoad.h"

#include "form/Qmodelop.h"
#include "text/TextRules.h"

#include <QList>
#include <optional>

namespace vaticor {

namespace {

std::optional<int> number(const QString &s)
{
  bool ok = false;
  const int n = s.toInt(&ok);
  return ok ? std::optional<int>(n) : std::nullopt;
}

} // namespace

namespace {

// One pass of the coupon road: match M of jornada J of division D, or the
// whole jornada (match 0).
struct CouponPass {
  int division = 1, jornada = 1, match = 0;
};

std::optional<CouponPass> parsePass(const QString &text)
{
  const QStringList parts = text.split(u'/');
  if (parts.size() != 3)
    return std::nullopt;
  CouponPass p;
  const std::optional<int> d = number(parts[0]), j = number(parts[1]);
  const std::optional<int> m = parts[2] == QStringLiteral("todo") ? std::optional<int>(0) : number(parts[2]);
  if (!d || !j || !m || (*d != 1 && *d != 2) || *m < 0)
    return std::nullopt;
  p.division = *d, p.jornada = *j, p.match = *m;
  return p;
}

// The division whose matches List1 shows, from its heading.
int divisionListed(const Qmodelop &form)
{
  return text::instr(form.List1.item(0), QStringLiteral("1")) > 0 ? 1 : 2;
}

} // namespace

// For each pass: the division switch until the list shows the division, the
// jornada keys to the jornada, the coupon prepared before the first pass, the
// mode button, and a click on the match (or on the list).
QString playCoupon(Qmodelop &form, int number, const QStringList &passTexts)
{
  QList<CouponPass> passes;
  for (const QString &text : passTexts) {
    const std::optional<CouponPass> pass = parsePass(text);
    if (!pass)
      return QStringLiteral("Paso no válido: %1 (D/J/M o D/J/todo)\n").arg(text);
    passes.append(*pass);
  }
  bool first = true;
  for (const CouponPass &p : passes) {
    for (int i = 0; i < 2 && divisionListed(form) != p.division; ++i)
      form.Command6_Click();
    if (divisionListed(form) != p.division)
      return QStringLiteral("La %1ª División no tiene equipos.\n").arg(p.division);
    const int last = form.jornadaCount();
    if (p.jornada < 1 || p.jornada > last)
      return QStringLiteral("Jornada fuera de 1 .. %1: %2\n").arg(last).arg(p.jornada);
    if (p.match > form.teamCount() / 2)
      return QStringLiteral("La jornada tiene %1 partidos: %2\n").arg(form.teamCount() / 2).arg(p.match);
    for (int guard = 0; form.jornada != p.jornada && guard < 100; ++guard)
      form.Text2_KeyPress(form.jornada < p.jornada ? Qmodelop::kPlus : Qmodelop::kMinus);
    if (first) {
      form.Text3.text = QString::number(number);
      form.Command13_Click();
      first = false;
    }
    const bool whole = p.match == 0;
    if (form.wholeJornadaMode != whole)
      form.Command16_Click();
    if (!whole)
      form.List1.setListIndex(p.match + 1);
    form.List1_Click();
  }
  form.Label46_Click();
  return QString();
}

bool isCouponPass(const QString &text)
{
  return parsePass(text).has_value();
}

} // namespace vaticor
