#pragma once
// The view of one list box of the form. It shows the lines exactly (fixed
// pitch, no eliding), highlights the lines the list box marks, and reports
// clicks; it decides nothing.

#include "controls/Controls.h"

#include <QListView>

namespace ui {

class ListModel;

class ListWidget : public QListView {
  Q_OBJECT
public:
  // Its lines in the fixed-pitch font at textSize points.
  explicit ListWidget(controls::ListBox &list, QWidget *parent = nullptr, double textSize = 8);
  controls::ListBox &list() const;

  // Draws what changed in the list box since the last time. True when its
  // lines changed, so that the panel sizes its lists again.
  bool sync();
  // The size that shows every line whole without scrolling; at least minChars
  // characters wide and minRows lines high, so that a panel keeps its size.
  QSize fullSize(int minChars = 0, int minRows = 0) const;
  // The player's zoom, in percent of the list's text size; the panel sizes
  // the list again at its next redraw.
  void setZoom(int percent);
  int zoom() const { return zoom_; }
  // The list index shows highlighted with the lines the list box marks
  // (the default), or only as the current line.
  void setMarksListIndex(bool on) { marksListIndex_ = on; }

  // What the view shows.
  int count() const;
  QString text(int line) const;
  QRect lineRect(int line) const;
  int currentRow() const;
  bool isLineSelected(int line) const;

signals:
  void linePicked(int index);

private:
  void showSelection();

  ListModel *model_ = nullptr;
  double textSize_ = 8;
  int zoom_ = 100;
  bool marksListIndex_ = true;
  bool fresh_ = true;           // nothing drawn yet: the panel sizes it
  bool selectionMoved_ = true;  // the user's click moved the lines highlighted
  bool applyingSelection_ = false;
};

} // namespace ui
