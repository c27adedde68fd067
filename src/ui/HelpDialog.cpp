#include "ui/HelpDialog.h"

#include "ui/ListWidget.h"
#include "ui/Widgets.h"

#include <QEvent>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

namespace ui {

HelpDialog::HelpDialog(vaticor::Qmodelop &form, QWidget *parent)
    : QDialog(parent), form_(form), model_(form.ayuda)
{
  setObjectName(QStringLiteral("ayuda"));
  setModal(true);

  Command3 = new QPushButton(model_.Command3.caption, this);
  Command1 = new QPushButton(model_.Command1.caption, this);
  Command2 = new QPushButton(model_.Command2.caption, this);
  Label1 = new QLabel(model_.Label1.caption, this);
  Text1 = new QLineEdit(this);
  Text1->setObjectName(QStringLiteral("Text1"));
  List1 = new ListWidget(model_.List1, this, model_.List1.fontSize > 0 ? model_.List1.fontSize : 9);
  List1->setObjectName(QStringLiteral("List1"));
  List1->setFocusPolicy(Qt::StrongFocus);
  Label2 = new QLabel(this);
  Label2->setTextFormat(Qt::PlainText);
  Label2->setWordWrap(true);
  Label2->setAlignment(Qt::AlignLeft | Qt::AlignTop);
  Label2->setFrameShape(QFrame::StyledPanel);
  Label2->setMinimumHeight(3 * QFontMetrics(Label2->font()).lineSpacing() + 8);
  for (QPushButton *b : {Command1, Command2, Command3})
    b->setAutoDefault(false); // Enter in the search box belongs to the search

  // The selection is the model's: a click toggles a line there and the list
  // shows what the model holds, as a list that selects several lines at once.
  List1->setSelectionMode(QAbstractItemView::NoSelection);
  List1->setMarksListIndex(false);
  List1->setStyleSheet(QStringLiteral("QListView::item:selected { background: #1f4f9e; color: white; }"));

  auto *top = new QHBoxLayout;
  top->setSpacing(6);
  top->addWidget(Command3);
  top->addSpacing(12);
  top->addWidget(Label1);
  top->addWidget(Text1, 1);
  top->addWidget(Command1);
  top->addSpacing(12);
  top->addWidget(Command2);
  auto *layout = new QVBoxLayout(this);
  layout->setContentsMargins(8, 8, 8, 8);
  layout->setSpacing(6);
  layout->addLayout(top);
  layout->addWidget(List1, 1);
  layout->addWidget(Label2);

  connect(List1, &ListWidget::linePicked, this, [this](int line) {
    run([this, line] {
      model_.List1.setSelected(line, !model_.List1.selected(line));
      model_.List1.setListIndex(line);
      model_.List1_Click();
    });
  });
  connect(Command3, &QPushButton::clicked, this, [this] { run([this] { model_.Command3_Click(); }); });
  connect(Command1, &QPushButton::clicked, this, [this] { run([this] { model_.Command1_Click(); }); });
  connect(Command2, &QPushButton::clicked, this, [this] { run([this] { model_.Command2_Click(form_.services); }); });
  bindText(Text1, model_.Text1);
  for (QObject *watched : {static_cast<QObject *>(Command2), static_cast<QObject *>(Command3),
                           static_cast<QObject *>(List1->viewport()), static_cast<QObject *>(Text1)})
    watched->installEventFilter(this);

  const controls::Geometry &g = model_.geometry;
  move(g.left / 15, g.top / 15);
  resize(g.width > 0 ? g.width / 15 : 800, g.height > 0 ? g.height / 15 : 600);
  refresh();
}

void HelpDialog::run(const std::function<void()> &handler)
{
  handler();
  refresh();
}

void HelpDialog::refresh()
{
  setWindowTitle(model_.caption);
  Label1->setText(model_.Label1.caption);
  QString help = model_.Label2.caption;
  Label2->setText(help.replace(QStringLiteral("\r\n"), QStringLiteral("\n")));
  if (Text1->text() != model_.Text1.text)
    Text1->setText(model_.Text1.text);

  List1->sync();
  if (model_.topRequest >= 0 && model_.topRequest < List1->count())
    List1->scrollTo(List1->model()->index(model_.topRequest, 0), QAbstractItemView::PositionAtTop);
  model_.topRequest = -1;
  if (model_.focusedControl == QStringLiteral("Command3"))
    Command3->setFocus();
  else if (model_.focusedControl == QStringLiteral("Text1"))
    Text1->setFocus();
  model_.focusedControl.clear();
}

bool HelpDialog::eventFilter(QObject *watched, QEvent *event)
{
  const char *name = watched == Command2                ? "Command2"
                     : watched == Command3              ? "Command3"
                     : watched == List1->viewport()     ? "List1"
                     : watched == Text1                 ? "Text1"
                                                        : nullptr;
  if (name && event->type() == QEvent::Enter)
    run([this, name] { model_.hover(QLatin1String(name)); });
  if (watched == Text1 && event->type() == QEvent::MouseButtonPress)
    run([this] { model_.Text1_Click(); });
  if (event->type() == QEvent::KeyPress) {
    const auto *key = static_cast<QKeyEvent *>(event);
    const bool enter = key->key() == Qt::Key_Return || key->key() == Qt::Key_Enter;
    const int ascii = enter ? 13 : key->text().isEmpty() ? 0 : key->text().front().unicode();
    if (watched == Text1 && ascii != 0) {
      run([this, ascii] { model_.Text1_KeyPress(ascii); });
      return enter; // any other key goes on into the box
    }
    if (watched == Command3 && ascii == 32) {
      run([this] { model_.Command3_KeyPress(32); });
      return true;
    }
  }
  return QDialog::eventFilter(watched, event);
}

void HelpDialog::done(int result)
{
  model_.Form_Unload();
  QDialog::done(result);
}

} // namespace ui
