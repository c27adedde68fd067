#pragma once
// The coupon panel `Frame9`: the coupon grid `tablap` with its title, column
// switches, figures and instructions, and the buttons of the forecast store.
// It draws the form's models and forwards clicks to its handlers.

#include "form/Qmodelop.h"
#include "ui/GridWidget.h"
#include "ui/Widgets.h"

#include <QWidget>
#include <array>

class QCheckBox;
class QLineEdit;
class QPushButton;
class QScrollArea;

namespace ui {

class CouponPanel : public QWidget {
  Q_OBJECT
public:
  explicit CouponPanel(vaticor::Qmodelop &form, QWidget *parent = nullptr);
  void draw();

  GridWidget *tablap;
  GridWidget *tablam; // the score model, row for row beside the coupon
  ClickLabel *Label49, *label42, *Label43, *Label46, *Label47, *Label6, *Label9;
  QLabel *Label22, *Label25, *Label39;
  QLabel *playedNote; // the valuation counts a played jornada's results
  QLabel *modelNote;  // whether the model starts from last season
  std::array<QCheckBox *, 14> Check2;
  QPushButton *Command18, *Command19, *Command17, *Command31, *Command22, *Command20, *Command21, *Command32,
      *Command29, *Command23, *Command40;
  QLineEdit *Text5;

private:
  vaticor::Qmodelop &form_;
  QScrollArea *instructions_; // holds Label39
};

// The statistics panel `Frame13`: the signs that fell at each valuation
// (`tablac`) and their counts (`tablacs`).
class StatsPanel : public QWidget {
  Q_OBJECT
public:
  explicit StatsPanel(vaticor::Qmodelop &form, QWidget *parent = nullptr);
  void draw();

  QLabel *Label5;
  GridWidget *tablac, *tablacs;
  QPushButton *Command33, *Command34;

private:
  vaticor::Qmodelop &form_;
};

} // namespace ui
