#pragma once
// The left column of the window: the season's title and the general
// standings grid `tablag`, always in view, coloured by zones.

#include "form/Qmodelop.h"
#include "ui/GridWidget.h"
#include "ui/Widgets.h"

#include <QWidget>

namespace ui {

class GeneralStandingsPanel : public QWidget {
  Q_OBJECT
public:
  explicit GeneralStandingsPanel(vaticor::Qmodelop &form, QWidget *parent = nullptr);
  void draw();

  QLabel *Label18, *Label10, *Label11, *Label3;
  ClickLabel *Label48;
  GridWidget *tablag;

private:
  vaticor::Qmodelop &form_;
};

} // namespace ui
