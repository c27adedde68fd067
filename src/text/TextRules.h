#pragma once
// The text rules every screen shares: lines are built with format masks and
// read back by character position, so these functions must give exactly the
// same characters wherever they are used. Positions are 1-based.

#include <QString>
#include <cstdint>

namespace text {

// Format masks. '@' places the value right-aligned (a leading '!' left-aligns);
// a text longer than the places is written whole. '0'/'#' masks format numbers
// (halves away from zero), numeric texts included; any other mask character is copied.
QString fmt(const QString &value, const QString &mask);
QString fmt(double value, const QString &mask);
inline QString fmt(int value, const QString &mask) { return fmt(static_cast<double>(value), mask); }

// Ordinary text of a number, no blank: 10 -> "10", -3 -> "-3", 0.6 -> "0.6".
QString numberText(double value);
// The plain number-to-text conversion: one blank before a non-negative number.
QString str(double value);

// A figure as Spanish writes it, with a decimal comma: 1234.5, 2 -> "1.234,50".
QString spanishDecimal(double value, int decimals);

// Leading number of a text (blanks skipped, sign and decimal point allowed); 0 when none.
double val(const QString &s);
// Real to integer: nearest, halves to even, clamped to the 16-bit range.
int16_t toInt16(double value);
// val() followed by toInt16().
inline int16_t ival(const QString &s) { return toInt16(val(s)); }

// 1-based slicing that never fails: past the end gives a shorter or empty text.
QString mid(const QString &s, int start, int length = -1);
QString left(const QString &s, int length);
QString right(const QString &s, int length);
// Position (1-based) of needle in hay at or after start; 0 when absent.
int instr(int start, const QString &hay, const QString &needle);
inline int instr(const QString &hay, const QString &needle) { return instr(1, hay, needle); }

// Characters of the season: rounding of a real to `decimals` places, halves away
// from zero judged on the value rounded to 15 significant digits. Returns the
// digits of the absolute value as integer and fraction parts.
struct RoundedDecimal {
  bool negative = false;
  QString integerDigits;  // no leading zeros; "0" never, empty for zero
  QString fractionDigits; // exactly `decimals` digits
};
RoundedDecimal roundDecimal(double value, int decimals);

} // namespace text
