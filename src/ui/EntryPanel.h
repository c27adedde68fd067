#pragma once
// The results entry beside the jornada's matches: `Frame10` with the entry
// line `Text4` under its ruler while a jornada is typed in or archived, and
// `Frame11` with the season's file the rest of the time.

#include "form/Qmodelop.h"
#include "ui/Widgets.h"

#include <QWidget>

class QGroupBox;
class QLineEdit;

namespace ui {

class EntryPanel : public QWidget {
  Q_OBJECT
public:
  EntryPanel(vaticor::Qmodelop &form, Runner run, QWidget *parent = nullptr);
  void draw();

  QGroupBox *Frame10;
  QWidget *Frame11;
  QLabel *Label17;
  PathLabel *Label1; // the season's file
  QLineEdit *Label15; // the ruler, drawn as the entry line is so that its marks stand over the characters
  QLineEdit *Text4;

private:
  vaticor::Qmodelop &form_;
  Runner run_;
};

} // namespace ui
