#include "controls/Controls.h"

#include <algorithm>

namespace controls {

Rgb paletteColour(int number)
{
  static const Rgb palette[16] = {
      rgb(0, 0, 0),       rgb(0, 0, 128),   rgb(0, 128, 0),   rgb(0, 128, 128),
      rgb(128, 0, 0),     rgb(128, 0, 128), rgb(128, 128, 0), rgb(192, 192, 192),
      rgb(128, 128, 128), rgb(0, 0, 255),   rgb(0, 255, 0),   rgb(0, 255, 255),
      rgb(255, 0, 0),     rgb(255, 0, 255), rgb(255, 255, 0), rgb(255, 255, 255),
  };
  return number >= 0 && number < 16 ? palette[number] : kNoColour;
}

void ListBox::clear()
{
  if (!lines_.isEmpty())
    changes_->cleared = true;
  if (listIndex_ != -1 || !selection_.isEmpty())
    changes_->selection = true;
  lines_.clear();
  listIndex_ = -1;
  selection_.clear();
}

namespace {

// Alphabetical key of a sorted list: case and accents ignored ("MÁLAG" sorts
// with "MALAG", before "MALLO"); Ñ is a letter of its own right after N.
QString sortKey(const QString &line)
{
  QString key;
  key.reserve(line.size());
  for (QChar c : line) {
    if (c == u'Ñ' || c == u'ñ') {
      key += u'n';
      key += QChar(0xFFFF);
      continue;
    }
    const QString parts = c.decomposition();
    if (!parts.isEmpty() && c.decompositionTag() == QChar::Canonical)
      c = parts[0];
    key += c.toCaseFolded();
  }
  return key;
}

bool sortsBefore(const QString &a, const QString &b)
{
  const int primary = QString::compare(sortKey(a), sortKey(b));
  if (primary != 0)
    return primary < 0;
  return QString::compare(a, b, Qt::CaseInsensitive) < 0;
}

} // namespace

void ListBox::addItem(const QString &line)
{
  if (!sorted) {
    changes_->lineFrom(int(lines_.size()));
    lines_.append(line);
    return;
  }
  // Equal lines keep the order in which they came.
  const auto at = std::upper_bound(lines_.begin(), lines_.end(), line, sortsBefore);
  changes_->lineFrom(int(at - lines_.begin()));
  lines_.insert(at, line);
}

void ListBox::setItem(int i, const QString &line)
{
  if (i >= 0 && i < lines_.size() && lines_[i] != line) {
    lines_[i] = line;
    changes_->lineFrom(i);
  }
}

QString ListBox::item(int i) const
{
  return i >= 0 && i < lines_.size() ? lines_[i] : QString();
}

void ListBox::setListIndex(int i)
{
  if (i >= -1 && i < lines_.size() && i != listIndex_) {
    listIndex_ = i;
    changes_->selection = true;
  }
}

void ListBox::setSelected(int i, bool on)
{
  if (i < 0 || i >= lines_.size() || selection_.contains(i) == on)
    return;
  changes_->selection = true;
  selection_.removeAll(i);
  if (on) {
    selection_.append(i);
    std::sort(selection_.begin(), selection_.end());
  }
}

void GridChanges::cell(int row, int col)
{
  if (top < 0) {
    top = bottom = row;
    left = right = col;
    return;
  }
  top = std::min(top, row);
  bottom = std::max(bottom, row);
  left = std::min(left, col);
  right = std::max(right, col);
}

void Grid::resize(int rows, int cols)
{
  rows = std::max(rows, 0);
  cols = std::max(cols, 0);
  if (rows != rows_ || cols != cols_)
    changes_->layout = true;
  std::vector<QString> cells(static_cast<size_t>(rows) * cols);
  std::vector<Rgb> colours(static_cast<size_t>(rows) * cols, kNoColour);
  for (int r = 0; r < std::min(rows, rows_); ++r) {
    for (int c = 0; c < std::min(cols, cols_); ++c) {
      cells[static_cast<size_t>(r) * cols + c] = cells_[static_cast<size_t>(r) * cols_ + c];
      colours[static_cast<size_t>(r) * cols + c] = colours_[static_cast<size_t>(r) * cols_ + c];
    }
  }
  cells_.swap(cells);
  colours_.swap(colours);
  rows_ = rows;
  cols_ = cols;
  widths_.resize(cols, 600);
  alignments_.resize(cols, Alignment::General);
  row = std::clamp(row, 0, std::max(rows_ - 1, 0));
  col = std::clamp(col, 0, std::max(cols_ - 1, 0));
  rowSel = std::clamp(rowSel, 0, std::max(rows_ - 1, 0));
  colSel = std::clamp(colSel, 0, std::max(cols_ - 1, 0));
}

void Grid::setRows(int n) { resize(n, cols_); }
void Grid::setCols(int n) { resize(rows_, n); }

QString Grid::text(int r, int c) const
{
  if (r < 0 || c < 0 || r >= rows_ || c >= cols_)
    return QString();
  return cells_[static_cast<size_t>(r) * cols_ + c];
}

void Grid::setText(int r, int c, const QString &value)
{
  if (r < 0 || c < 0 || r >= rows_ || c >= cols_)
    return;
  QString &cell = cells_[static_cast<size_t>(r) * cols_ + c];
  if (cell != value) {
    cell = value;
    changes_->cell(r, c);
  }
}

Rgb Grid::cellColour(int r, int c) const
{
  if (r < 0 || c < 0 || r >= rows_ || c >= cols_)
    return kNoColour;
  return colours_[static_cast<size_t>(r) * cols_ + c];
}

void Grid::setCellColour(int r, int c, Rgb colour)
{
  if (r < 0 || c < 0 || r >= rows_ || c >= cols_)
    return;
  Rgb &cell = colours_[static_cast<size_t>(r) * cols_ + c];
  if (cell != colour) {
    cell = colour;
    changes_->cell(r, c);
  }
}

int Grid::colWidth(int c) const
{
  return c >= 0 && c < cols_ ? widths_[c] : 0;
}

void Grid::setColWidth(int c, int twips)
{
  if (c >= 0 && c < cols_ && widths_[c] != twips) {
    widths_[c] = twips;
    changes_->layout = true;
  }
}

Alignment Grid::colAlignment(int c) const
{
  return c >= 0 && c < cols_ ? alignments_[c] : Alignment::General;
}

void Grid::setColAlignment(int c, Alignment a)
{
  if (c >= 0 && c < cols_ && alignments_[c] != a) {
    alignments_[c] = a;
    changes_->layout = true;
  }
}

void Grid::clear()
{
  for (size_t i = 0; i < cells_.size(); ++i) {
    if (!cells_[i].isEmpty()) {
      cells_[i].clear();
      changes_->cell(int(i / cols_), int(i % cols_));
    }
  }
}

} // namespace controls
