#pragma once
// Three views of the season, each a panel of lists drawn from the form:
// the jornadas ten by ten (`Frame6`), the team history (`Frame8`) and the
// results by goal difference (`Frame4`).

#include "form/Qmodelop.h"
#include "ui/ListWidget.h"
#include "ui/Widgets.h"

#include <QWidget>
#include <array>

class QPushButton;

namespace ui {

class TenByTenPanel : public QWidget {
  Q_OBJECT
public:
  explicit TenByTenPanel(vaticor::Qmodelop &form, QWidget *parent = nullptr);
  void draw();

  QLabel *Label24;
  QPushButton *Command25, *Command26, *Command39;
  std::array<ListWidget *, 10> List10, List11;

private:
  vaticor::Qmodelop &form_;
};

class HistoryPanel : public QWidget {
  Q_OBJECT
public:
  explicit HistoryPanel(vaticor::Qmodelop &form, QWidget *parent = nullptr);
  // The lists are at most maxHeight pixels high; longer ones scroll.
  void draw(int maxHeight);
  // The height of what stands above the lists.
  int headerHeight() const;

  QLabel *caption, *Label38;
  ClickLabel *Label36;
  QPushButton *Command27, *Command28;
  std::array<ListWidget *, 6> List13;

private:
  vaticor::Qmodelop &form_;
  QWidget *header_;
  int fittedTo_ = -1; // the height the lists were last fitted within
};

class DifferencePanel : public QWidget {
  Q_OBJECT
public:
  explicit DifferencePanel(vaticor::Qmodelop &form, QWidget *parent = nullptr);
  void draw(int maxHeight);
  int headerHeight() const;

  QLabel *caption;
  ClickLabel *Label37;
  std::array<ListWidget *, 6> List9;

private:
  vaticor::Qmodelop &form_;
  QWidget *header_;
  int fittedTo_ = -1; // the height the lists were last fitted within
};

// Sizes a list to show its lines whole, at most maxHeight high: a longer list
// scrolls down, and is widened by its scroll bar so that no line is cut.
void fitListWithin(ListWidget *list, int minChars, int rows, int maxHeight);

} // namespace ui
