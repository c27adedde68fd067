#pragma once
// Small pieces shared by the window's panels: a label that reports clicks,
// the drawing of a label, button or check box from its model, and the name a
// widget carries so that the window can tell the form which control the mouse
// is over.

#include "controls/Controls.h"

#include <QLabel>
#include <functional>

class QCheckBox;
class QHBoxLayout;
class QLineEdit;
class QPushButton;

namespace ui {

// Runs a handler as a user event does (the handler, then the window redrawn).
using Handler = std::function<void()>;
struct Runner {
  std::function<void(const Handler &)> run;
  // A handler that prints a report: the printer is told the report's name
  // first, which names the PDF when no printer is installed.
  std::function<void(const QString &report, const Handler &)> print;
  void operator()(const Handler &handler) const { run(handler); }
};

// A label that reports clicks (sort headings, the coupon's title, the figures).
class ClickLabel : public QLabel {
  Q_OBJECT
public:
  using QLabel::QLabel;
signals:
  void clicked();

protected:
  void mousePressEvent(QMouseEvent *event) override;
};

// A label for a file's path: cut in the middle when it is longer than the
// room it has, so that the file's name always shows; the whole path on hover.
class PathLabel : public QLabel {
  Q_OBJECT
public:
  using QLabel::QLabel;
  void setPath(const QString &path);
  QString path() const { return path_; }

protected:
  void resizeEvent(QResizeEvent *event) override;

private:
  void elide();
  QString path_;
};

// The control's name and, for a control array, its index, for the help line.
void nameControl(QObject *control, const QString &name, int index = -1);
QString controlName(const QObject *widget);
int controlIndex(const QObject *widget);

QLabel *newLabel(QWidget *parent, bool fixed = false);
ClickLabel *newClickLabel(QWidget *parent, bool fixed = false);
// A raised caption that prints a report when clicked.
ClickLabel *newPrintLabel(QWidget *parent, const QString &name);
QPushButton *newButton(const controls::Button &model);
// A button made from its model and named after its control.
QPushButton *newButton(QWidget *parent, const controls::Button &model, const QString &name);
// A view's caption with its print controls beside it.
QHBoxLayout *captionRow(QWidget *caption, QWidget *print, QWidget *second = nullptr);
// A box whose typing goes into its model as it comes.
void bindText(QLineEdit *widget, controls::TextBox &box);

// A label with a colour of its model's shows it; without one it shows the
// look the window gave it.
void drawLabel(QLabel *widget, const controls::Label &label);
void drawButton(QPushButton *widget, const controls::Button &button);
void drawCheck(QCheckBox *widget, const controls::CheckBox &check);
// A box the form writes into: its text is replaced only when it differs, so
// the cursor of a box being typed in stays where it is.
void drawText(QLineEdit *widget, const controls::TextBox &box);

} // namespace ui
