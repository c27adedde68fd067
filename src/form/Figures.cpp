#include "form/Figures.h"

#include "engine/MatchValuation.h"

#include "form/Qmodelop.h"
#include "text/TextRules.h"

using text::fmt;
using text::mid;
using text::right;
using text::val;

namespace forecast {

using namespace engine;

const std::array<int, 14> kCouponColumnWidths = {945, 750, 1995, 1960, 1600, 1690, 1600,
                                                 1800, 2100, 2250, 1350, 750, 400, 750};

QString forecastFigure(const QStringList &lineCounts)
{
  double v = 0, x = 0, t2 = 0;
  for (const QString &counts : lineCounts) {
    const QString digits = right(counts, 3);
    const int a = text::ival(mid(digits, 1, 1));
    const int b = text::ival(mid(digits, 2, 1));
    const int c = text::ival(mid(digits, 3, 1));
    if (b + c >= 11 && a < 3)
      v += 1;
    else if (b + c > 6)
      v += 0.6;
    if (b >= 5 && a + c <= 8)
      x += 0.5;
    else if (b > 3 && a + c > 7)
      x += 0.3;
    if (c >= 5 && a + b <= 4)
      t2 += 1;
    else if (c >= 3)
      t2 += 0.3;
  }
  return fmt(v, QStringLiteral("  @@")) + fmt(x, QStringLiteral(" |@@@")) + fmt(t2, QStringLiteral(" |@@@"));
}

QString realFigure(const QStringList &awayResults)
{
  QString s;
  for (const QString &result : awayResults)
    s += right(result, 1);
  s = s.toUpper();
  const int realX = 15 - static_cast<int>(QString(s).remove(u'X').size());
  const int realTwo = 15 - static_cast<int>(QString(s).remove(u'2').size());
  int changes = 0;
  for (int i = 1; i < s.size(); ++i)
    changes += s[i] != s[i - 1];
  return fmt(realX + realTwo, QStringLiteral("@@")) + fmt(realX, QStringLiteral("@@@")) +
         fmt(realTwo, QStringLiteral("@@@")) + fmt(QString::number(changes, 16).toUpper(), QStringLiteral("@@@")) +
         fmt(realX + 2 * realTwo, QStringLiteral("@@@@"));
}

QString printedLineLength(const std::array<int, 14> &switchedOff)
{
  // Print widths of columns 0..12, two digits each.
  const QString widths = QStringLiteral("08 06 17 18 19 15 18 18 19 20 12 06 03");
  int length = 192;
  for (int i = 1; i <= 12; ++i)
    if (switchedOff[i] == 1)
      length -= text::ival(mid(widths, 3 * i + 1, 2));
  return fmt(length, QStringLiteral("  00 char"));
}

} // namespace forecast

namespace vaticor {

void Qmodelop::Label46_Click()
{
  Command32.enabled = true;
  Label46.caption.clear();
  QStringList counts, results;
  for (int k = 1; k <= 15; ++k) {
    counts.append(tablap.text(2 * k, 11));
    results.append(tablap.text(2 * k, 1));
  }
  Label46.caption = forecast::forecastFigure(counts);
  Label9.caption = forecast::realFigure(results);
  std::array<int, 14> off{};
  for (int i = 0; i < 14; ++i)
    off[i] = Check2[i].value;
  Label25.caption = forecast::printedLineLength(off);
}

void Qmodelop::recountWithSecondThresholds()
{
  for (int k = 1; k <= 15; ++k) {
    if (List14.item(2 * k - 1).size() < 5)
      continue;
    signModeStored = false;
    tablap.setText(2 * k, 12, engine::recountSigns(tablap.text(2 * k - 1, 9)));
  }
}

void Qmodelop::Check2_Click(int)
{
  for (int i = 0; i < 14; ++i)
    tablap.setColWidth(i, Check2[i].value == 1 ? 5 : forecast::kCouponColumnWidths[i]);
}

void Qmodelop::Label47_Click()
{
  tablap.setColWidth(8, 2100);
}

void Qmodelop::Label6_Click()
{
  tablap.fontSize += 1;
  if (tablap.fontSize > 8)
    tablap.fontSize = 4;
}

void Qmodelop::Label9_Click()
{
  tablap.fontSize = 5;
}

void Qmodelop::Command17_Click()
{
  couponLeft += 2025;
  if (couponLeft > 2100)
    couponLeft = 2025;
  // Near the left edge the coupon covers the panels behind it.
  Frame16.visible = couponLeft >= 100;
}

void Qmodelop::Command31_Click()
{
  couponLeft -= 2025;
  Frame16.visible = couponLeft >= 100;
}

} // namespace vaticor
