#pragma once
// Headless models of the window's controls. They hold exactly what the program
// writes and reads; other screens read texts back by character position, so a
// text always comes back exactly as written. Out-of-range reads give empty
// texts and out-of-range writes are ignored, so no index can break the program.

#include <QtGlobal>
#include <QString>
#include <QStringList>
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
  QString fontName;
  double fontSize = 0;
  Geometry geometry;
};

struct Panel {
  QString caption;
  bool visible = true;
  Geometry geometry;
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

  QString fontName;
  double fontSize = 0;
  bool visible = true;
  bool sorted = false; // a sorted list keeps its lines in alphabetical order as they are added
  int height = 0;      // twips; 0 = free

private:
  QStringList lines_;
  int listIndex_ = -1;
  QList<int> selection_;
};

enum class Alignment { General, LeftTop, LeftCentre };

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
  bool visible = true;
  double fontSize = 8;
  Geometry geometry;

private:
  void resize(int rows, int cols);
  int rows_ = 0;
  int cols_ = 0;
  std::vector<QString> cells_;
  std::vector<Rgb> colours_;
  std::vector<int> widths_;
  std::vector<Alignment> alignments_;
};

} // namespace controls
