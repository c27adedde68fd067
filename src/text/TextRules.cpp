#include "text/TextRules.h"

#include <QLocale>

#include <charconv>
#include <cmath>
#include <limits>

namespace text {

namespace {

bool isDigitPlaceholder(QChar c) { return c == u'0' || c == u'#'; }

// Increments a string of decimal digits by one unit in the last place.
QString incrementDigits(QString digits)
{
  int i = digits.size() - 1;
  while (i >= 0) {
    if (digits[i] == u'9') {
      digits[i] = u'0';
      --i;
    } else {
      digits[i] = QChar(digits[i].unicode() + 1);
      return digits;
    }
  }
  return QStringLiteral("1") + digits;
}

} // namespace

RoundedDecimal roundDecimal(double value, int decimals)
{
  RoundedDecimal r;
  if (decimals < 0)
    decimals = 0;
  r.fractionDigits = QString(decimals, u'0');
  if (!std::isfinite(value) || value == 0.0)
    return r;
  const double a = std::fabs(value);
  if (a < 1e15 && a == std::floor(a)) {
    // Whole numbers, what the views mostly show, need no decimal expansion.
    r.integerDigits = QString::number(static_cast<long long>(a));
    r.negative = value < 0;
    return r;
  }
  // 15 significant digits, "d.dddddddddddddde+XX", whatever the user's locale.
  char buf[64];
  const std::to_chars_result written = std::to_chars(buf, buf + sizeof buf, a, std::chars_format::scientific, 14);
  const char *end = written.ptr;
  QString digits;
  digits += QChar::fromLatin1(buf[0]);
  const char *p = buf + 2;
  while (p < end && *p != 'e')
    digits += QChar::fromLatin1(*p++);
  int exponent = 0;
  if (p < end && *p == 'e') {
    ++p;
    if (p < end && *p == '+')
      ++p;
    std::from_chars(p, end, exponent);
  }
  const int pointPos = exponent + 1; // digits before the decimal point
  const int keep = pointPos + decimals;
  QString kept;
  if (keep >= digits.size()) {
    kept = digits + QString(keep - digits.size(), u'0');
  } else if (keep >= 0) {
    kept = digits.left(keep);
    if (digits[keep] >= u'5')
      kept = incrementDigits(kept);
  }
  // kept is |value| x 10^decimals as an integer string.
  while (kept.size() < decimals + 1)
    kept.prepend(u'0');
  QString integer = kept.left(kept.size() - decimals);
  while (integer.startsWith(u'0'))
    integer.remove(0, 1);
  r.integerDigits = integer;
  r.fractionDigits = kept.right(decimals);
  const bool zero = integer.isEmpty() && r.fractionDigits.count(u'0') == r.fractionDigits.size();
  r.negative = value < 0 && !zero;
  return r;
}

QString numberText(double value)
{
  if (!std::isfinite(value))
    return QStringLiteral("0");
  if (value == std::floor(value) && std::fabs(value) < 1e15)
    return QString::number(static_cast<long long>(value));
  return QString::number(value, 'g', 15);
}

QString str(double value)
{
  const QString t = numberText(value);
  return value >= 0 || !std::isfinite(value) ? QStringLiteral(" ") + t : t;
}

QString fmt(const QString &value, const QString &mask)
{
  if (mask.isEmpty())
    return value;
  const bool leftAlign = mask.startsWith(u'!');
  const QStringView m = leftAlign ? QStringView(mask).mid(1) : QStringView(mask);
  qsizetype places = 0;
  for (QChar c : m)
    places += c == u'@';
  if (places == 0) {
    // A number typed into a box ("05") goes through a digit mask as the number it holds.
    if (!leftAlign && (m.contains(u'0') || m.contains(u'#'))) {
      bool numeric = false;
      const double number = value.trimmed().toDouble(&numeric);
      return numeric ? fmt(number, m.toString()) : value;
    }
    return m.toString(); // nothing to place: the mask's literals stand alone
  }
  // The value fills the places (blanks where it is shorter); a longer value
  // keeps every character, the extra ones before the first place (right
  // aligned) or after the last (left aligned).
  const qsizetype n = value.size();
  const qsizetype extra = std::max<qsizetype>(0, n - places);
  const qsizetype pad = std::max<qsizetype>(0, places - n);
  QString out;
  out.reserve(m.size() + extra);
  qsizetype next = 0;
  for (QChar c : m) {
    if (c != u'@') {
      out += c;
      continue;
    }
    if (leftAlign) {
      out += next < n ? value[next] : QChar(u' ');
      if (++next == places && extra)
        out += QStringView(value).mid(places);
    } else {
      if (next == 0 && extra)
        out += QStringView(value).left(extra);
      out += next < pad ? QChar(u' ') : value[extra + next - pad];
      ++next;
    }
  }
  return out;
}

QString fmt(double value, const QString &mask)
{
  int first = -1;
  int last = -1;
  for (int i = 0; i < mask.size(); ++i) {
    if (isDigitPlaceholder(mask[i])) {
      if (first < 0)
        first = i;
      last = i;
    }
  }
  if (first < 0)
    return mask.isEmpty() ? numberText(value) : fmt(numberText(value), mask);

  const QString prefix = mask.left(first);
  const QString suffix = mask.mid(last + 1);
  const QString body = mask.mid(first, last - first + 1);
  const int point = body.indexOf(u'.');
  const QString intPart = point < 0 ? body : body.left(point);
  const QString fracPart = point < 0 ? QString() : body.mid(point + 1);
  const int intMin = intPart.count(u'0');
  const int decimals = fracPart.count(u'0') + fracPart.count(u'#');
  const int minDecimals = fracPart.count(u'0');

  const RoundedDecimal r = roundDecimal(value, decimals);
  QString integer = r.integerDigits;
  if (integer.size() < intMin)
    integer.prepend(QString(intMin - integer.size(), u'0'));
  QString fraction = r.fractionDigits;
  while (fraction.size() > minDecimals && fraction.endsWith(u'0'))
    fraction.chop(1);

  QString out = prefix;
  if (r.negative)
    out += u'-';
  out += integer;
  if (point >= 0)
    out += u'.' + fraction;
  out += suffix;
  return out;
}

QString spanishDecimal(double value, int decimals)
{
  return QLocale(QLocale::Spanish, QLocale::Spain).toString(value, 'f', decimals);
}

double val(const QString &s)
{
  int i = 0;
  const int n = s.size();
  while (i < n && (s[i] == u' ' || s[i] == u'\t'))
    ++i;
  QByteArray number;
  if (i < n && (s[i] == u'-' || s[i] == u'+'))
    number += static_cast<char>(s[i++].unicode());
  // Whole numbers of up to 15 digits are exact as doubles: no need of strtod.
  {
    long long whole = 0;
    int k = i;
    while (k < n && k - i < 16 && s[k] >= u'0' && s[k] <= u'9')
      whole = whole * 10 + (s[k++].unicode() - u'0');
    if (k > i && k - i <= 15 && (k == n || s[k] != u'.')) {
      const double v = static_cast<double>(whole);
      return !number.isEmpty() && number[0] == '-' ? -v : v;
    }
  }
  bool digits = false;
  bool point = false;
  for (; i < n; ++i) {
    const QChar c = s[i];
    if (c >= u'0' && c <= u'9') {
      number += static_cast<char>(c.unicode());
      digits = true;
    } else if (c == u'.' && !point) {
      number += '.';
      point = true;
    } else {
      break;
    }
  }
  if (!digits)
    return 0.0;
  // from_chars reads the point as a point under any locale (strtod would take
  // the user's decimal comma and read "04.9" as 4).
  double value = 0.0;
  const char *first = number.constData();
  if (*first == '+')
    ++first;
  std::from_chars(first, number.constData() + number.size(), value);
  return value;
}

int16_t toInt16(double value)
{
  if (!std::isfinite(value))
    return 0;
  const double r = std::nearbyint(value); // the default rounding mode: halves to even
  if (r > std::numeric_limits<int16_t>::max())
    return std::numeric_limits<int16_t>::max();
  if (r < std::numeric_limits<int16_t>::min())
    return std::numeric_limits<int16_t>::min();
  return static_cast<int16_t>(r);
}

QString mid(const QString &s, int start, int length)
{
  // The slice is the part of [start, start + length) that lies inside the text,
  // so a start before the first character shortens it instead of shifting it.
  if (length == 0 || start > s.size())
    return QString();
  long long first = start;
  long long last = length < 0 ? s.size() : static_cast<long long>(start) + length - 1;
  if (first < 1)
    first = 1;
  if (last > s.size())
    last = s.size();
  if (last < first)
    return QString();
  return s.mid(static_cast<int>(first - 1), static_cast<int>(last - first + 1));
}

QString left(const QString &s, int length)
{
  return length <= 0 ? QString() : s.left(length);
}

QString right(const QString &s, int length)
{
  return length <= 0 ? QString() : s.right(length);
}

int instr(int start, const QString &hay, const QString &needle)
{
  if (start < 1)
    start = 1;
  if (start > hay.size())
    return 0;
  if (needle.isEmpty())
    return start;
  const int at = hay.indexOf(needle, start - 1);
  return at < 0 ? 0 : at + 1;
}

} // namespace text
