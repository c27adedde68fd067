#pragma once
// Headless models of the window's controls. They hold exactly what the program
// writes and reads; other screens read texts back by character position, so a
// text always comes back exactly as written. Out-of-range reads give empty
// texts and out-of-range writes are ignored, so no index can break the program.

#include <QtGlobal>
#include <QString>
#include <QStringList>
#include <algorithm>
#include <utility>
#include <vector>

namespace controls {

// A colour as 0xAARRGGBB; alpha 0 means the control's default background.
using Rgb = quint32;
constexpr Rgb rgb(int r, int g, int b) { return 0xFF000000u | (quint32(r) << 16) | (quint32(g) << 8) | quint32(b); }
constexpr int alpha(Rgb c) { return int(c >> 24); }

// The classic 16-colour palette numbers used by the screens.
Rgb paletteColour(int number);
constexpr Rgb kNoColour = 0; // alpha 0: the control's default background

struct Geometry {
  int left = 0, top = 0, width = 0, height = 0; // twips; 0 = free
};

struct Label {
  QString caption;
  bool visible = true;
  Rgb backColour = kNoColour;
};

struct Panel {
  QString caption;
  bool visible = true;
};

struct TextBox {
  QString text;
  bool visible = true;
  bool enabled = true;
};

struct CheckBox {
  QString caption;
  int value = 0;
  bool visible = true;
};

struct Button {
  QString caption;
  QString toolTip;
  bool visible = true;
  bool enabled = true;
};

struct MenuEntry {
  QString caption;
  bool enabled = true;
  bool visible = true;
};

// A control's changes since its view last took them. The window redraws after
// every event, the mouse entering a control included: a view that takes no
// change has nothing to redraw. A new control, or one given another's value,
// has everything to draw.
template <typename Changes>
class Pending {
public:
  Pending() = default;
  Pending(const Pending &) {}
  Pending &operator=(const Pending &)
  {
    changes_ = Changes::everything();
    return *this;
  }
  Changes &operator*() { return changes_; }
  Changes *operator->() { return &changes_; }

private:
  Changes changes_ = Changes::everything();
};

// What changed in a list box.
struct ListChanges {
  bool cleared = false;   // emptied since: every line it holds is new
  int firstLine = -1;     // the first line written or added, the lines after it moved (-1: none)
  bool selection = false; // the list index or the highlighted lines
  bool any() const { return cleared || firstLine >= 0 || selection; }
  void lineFrom(int i) { firstLine = firstLine < 0 ? i : std::min(firstLine, i); }
  static ListChanges everything() { return {true, 0, true}; }
};

class ListBox {
public:
  void clear();
  void addItem(const QString &line);
  void setItem(int i, const QString &line); // out of range is ignored
  int count() const { return static_cast<int>(lines_.size()); }
  // Line i (0-based); empty past the end.
  QString item(int i) const;
  const QStringList &lines() const { return lines_; }
  int listIndex() const { return listIndex_; }
  void setListIndex(int i); // -1 clears the selection; out of range is ignored
  // A list that highlights several lines at once (out of range is ignored).
  void setSelected(int i, bool on);
  bool selected(int i) const { return selection_.contains(i); }
  const QList<int> &selectedLines() const { return selection_; }
  // What changed since the last call; the list then counts from nothing again.
  ListChanges takeChanges() { return std::exchange(*changes_, ListChanges()); }

  double fontSize = 0; // points; 0: the window's own
  bool visible = true;
  bool sorted = false; // a sorted list keeps its lines in alphabetical order as they are added

private:
  QStringList lines_;
  int listIndex_ = -1;
  QList<int> selection_;
  Pending<ListChanges> changes_;
};

enum class Alignment { General, LeftTop, LeftCentre };

// What changed in a grid. Its current cell, selection, font size and
// visibility are plain fields that a view compares on each redraw.
struct GridChanges {
  bool layout = false; // rows, columns, column widths or alignments
  // The cells whose text or colour changed, as the rectangle holding them (top -1: none).
  int top = -1, left = -1, bottom = -1, right = -1;
  bool any() const { return layout || top >= 0; }
  void cell(int row, int col);
  static GridChanges everything() { return {true}; }
};

class Grid {
public:
  int rows() const { return rows_; }
  int cols() const { return cols_; }
  void setRows(int n);
  void setCols(int n);

  QString text(int row, int col) const;
  void setText(int row, int col, const QString &value);
  Rgb cellColour(int row, int col) const;
  void setCellColour(int row, int col, Rgb colour);

  int colWidth(int col) const;
  void setColWidth(int col, int twips);
  Alignment colAlignment(int col) const;
  void setColAlignment(int col, Alignment a);

  // Current cell and selection, as the click handlers read and set them.
  int row = 0;
  int col = 0;
  int rowSel = 0;
  int colSel = 0;
  // Paints the current cell.
  void setCurrentCellColour(Rgb colour) { setCellColour(row, col, colour); }

  void clear(); // every cell's text
  // What changed since the last call; the grid then counts from nothing again.
  GridChanges takeChanges() { return std::exchange(*changes_, GridChanges()); }

  bool visible = true;
  double fontSize = 8;

private:
  void resize(int rows, int cols);
  int rows_ = 0;
  int cols_ = 0;
  std::vector<QString> cells_;
  std::vector<Rgb> colours_;
  std::vector<int> widths_;
  std::vector<Alignment> alignments_;
  Pending<GridChanges> changes_;
};

} // namespace controls
