#include "ui/Fonts.h"

#include <QFontDatabase>
#include <QFontInfo>
#include <QFontMetricsF>

namespace ui {

namespace {

// What the lists, grids and fixed labels write; the font is chosen on these.
QString writtenCharacters()
{
  return QStringLiteral("0123456789ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz"
                        " .,-|/:=>()ÁÇÉÍÓÚÑóªº±»«·");
}

// Measured, not read from QFontInfo::fixedPitch(): Qt reports some monospaced
// fonts (Noto Sans Mono) as proportional, and a font lacking a glyph falls
// back to another font for it, which only the advances show.
bool advancesAreEqual(const QFont &font)
{
  const QFontMetricsF metrics(font);
  const QString characters = writtenCharacters();
  const qreal first = metrics.horizontalAdvance(characters.front());
  if (first <= 0)
    return false;
  for (QChar c : characters)
    if (qAbs(metrics.horizontalAdvance(c) - first) > 0.01)
      return false;
  return true;
}

// The family actually drawn, as QFontInfo resolves it.
QString chooseFamily()
{
  struct Candidate {
    QFont font;
    bool named; // a family asked by name: fontconfig substitutes silently
  };
  const QFont system = QFontDatabase::systemFont(QFontDatabase::FixedFont);
  QFont generic(QStringLiteral("monospace"));
  generic.setStyleHint(QFont::TypeWriter);
  // DejaVu Sans Mono before the desktop's own fixed font: the window is laid
  // out to show every view whole at 1366 x 768 with its 13-pixel lines at 8
  // points, and Noto Sans Mono, the monospace of many desktops, draws them
  // 15 pixels high, which pushes the long lists past the foot of the screen.
  const Candidate candidates[] = {
      {QFont(QStringLiteral("Lucida Console")), true},
      {QFont(QStringLiteral("DejaVu Sans Mono")), true},
      {system, false},
      {QFont(QStringLiteral("Liberation Mono")), true},
      {QFont(QStringLiteral("Noto Sans Mono")), true},
      {generic, false},
  };
  for (Candidate c : candidates) {
    c.font.setPointSizeF(8);
    if (c.named && QFontInfo(c.font).family().compare(c.font.family(), Qt::CaseInsensitive) != 0)
      continue;
    if (advancesAreEqual(c.font))
      return QFontInfo(c.font).family();
  }
  return QFontInfo(system).family();
}

} // namespace

QFont fixedFont(double pointSize)
{
  static const QString family = chooseFamily();
  QFont font(family);
  font.setPointSizeF(pointSize);
  return font;
}

} // namespace ui
