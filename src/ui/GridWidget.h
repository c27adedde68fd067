#pragma once
// The view of one grid of the form. It shows the grid's texts exactly (fixed
// pitch, no eliding, columns wide enough for their longest text), takes the
// size that shows every cell, and reports clicks; it decides nothing.

#include "controls/Controls.h"

#include <QTableView>

namespace ui {

class GridModel;

class GridWidget : public QTableView {
  Q_OBJECT
public:
  explicit GridWidget(controls::Grid &grid, QWidget *parent = nullptr);
  controls::Grid &grid() const;

  // Draws what changed in the grid since the last time; nothing when nothing did.
  void sync();
  // The size that shows every cell without scrolling.
  QSize fullSize() const;
  // The grid draws its text at the model's font size (the coupon's size steps).
  void setFollowsFontSize(bool on) { followsFontSize_ = on; }
  // Text at this size whatever the model says (the wide tables of signs).
  void setTextSize(double points);
  double textSize() const { return textSize_; }
  // The player's zoom, in percent of the text size: what is drawn.
  void setZoom(int percent);
  int zoom() const { return zoom_; }
  double shownSize() const { return textSize_ * zoom_ / 100.0; }
  // Columns only as wide as their texts, not as their widths in twips ask:
  // the coupon's widths were made for a smaller letter than it is read at.
  void setColumnsFitText(bool on);
  // The current cell is shown selected (the cell that typing goes to).
  void setMarksCurrentCell(bool on) { marksCurrentCell_ = on; }

  // What the view shows.
  int rowCount() const;
  int columnCount() const;
  QString text(int row, int col) const;
  QRect cellRect(int row, int col) const;

signals:
  void cellPicked(int row, int col);
  // The mouse came over a cell (mouse tracking on).
  void cellEntered(int row, int col);

private:
  void fitColumns(int first, int last);
  void showSelection();
  void applyFont();

  GridModel *model_ = nullptr;
  bool followsFontSize_ = false;
  bool marksCurrentCell_ = false;
  double textSize_ = 8;
  int zoom_ = 100;
  bool columnsFitText_ = false;
  bool selectionMoved_ = true; // the user's click, or a change of the grid, moved the selection shown
  bool applyingSelection_ = false;
  int shownRow_ = -1, shownCol_ = -1, shownRowSel_ = -1, shownColSel_ = -1;
};

} // namespace ui
