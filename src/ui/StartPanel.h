#pragma once
// The start panel: while no season is loaded it stands in the place of the
// views, with one button for each way to get a season. The form decides what
// it offers; the panel draws it and its buttons run the form's handlers.

#include "form/Qmodelop.h"
#include "ui/Widgets.h"

#include <QWidget>
#include <array>

class QPushButton;

namespace ui {

class StartPanel : public QWidget {
  Q_OBJECT
public:
  explicit StartPanel(vaticor::Qmodelop &form, QWidget *parent = nullptr);
  void draw();

  QLabel *title, *Label1, *seasonsHeading;
  QPushButton *startInternet, *startImport, *startOpen;
  std::array<QPushButton *, vaticor::StartPanel::kMostSeasons> startSeason;

private:
  vaticor::Qmodelop &form_;
};

} // namespace ui
