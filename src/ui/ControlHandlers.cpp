#include "ui/ControlHandlers.h"

#include "form/Qmodelop.h"
#include "ui/GridWidget.h"
#include "ui/ListWidget.h"

#include <QAction>
#include <QCheckBox>
#include <QEvent>
#include <QHash>
#include <QLineEdit>
#include <QPushButton>

namespace ui {

namespace {

using Form = vaticor::Qmodelop;

// Where the user acted: the control's index in its array, the cell picked,
// the switch's new state.
struct Target {
  int index = -1;
  int row = 0, col = 0;
  bool checked = false;
};
using Call = std::function<void(Form &, const Target &)>;

template <typename R>
Call call(R (Form::*handler)())
{
  return [handler](Form &form, const Target &) { (form.*handler)(); };
}

template <typename R>
Call call(R (Form::*handler)(int))
{
  return [handler](Form &form, const Target &t) { (form.*handler)(t.index); };
}

template <typename R>
Call call(R (Form::*handler)(int, int))
{
  return [handler](Form &form, const Target &t) { (form.*handler)(t.row, t.col); };
}

struct Binding {
  QString control;
  Call handler;
  QString report = {};  // a report: the name the printer gives its PDF
  bool onPress = false; // runs as the mouse button goes down, not on the click
};

const QList<Binding> &bindings()
{
  static const QList<Binding> table = {
      // The menus.
      {"mnuaCargar", call(&Form::mnuaCargar_Click)},
      {"mnuActTI", call(&Form::mnuActTI_Click)},
      {"mnuactualiza", call(&Form::mnuactualiza_Click)},
      {"mnuActGI", call(&Form::mnuActGI_Click)},
      {"mnuProMmnu", call(&Form::mnuProMmnu_Click)},
      {"mnuImportar", call(&Form::mnuImportar_Click)},
      {"mnuActualizarTemporada", call(&Form::mnuActualizarTemporada_Click)},
      {"mnuImportarAnteriores", call(&Form::mnuImportarAnteriores_Click)},
      {"mnuIventana", call(&Form::mnuIventana_Click), "Ventana"},
      {"mnupronos", call(&Form::mnupronos_Click)},
      {"mnuFiabilidad", call(&Form::mnuFiabilidad_Click)},
      {"mnucreditos", call(&Form::mnucreditos_Click)},
      {"mnuAyuda", call(&Form::mnuAyuda_Click)},
      {"mnuSalir", call(&Form::mnuSalir_Click)},
      {"mnuAmpliar", call(&Form::zoomIn)},
      {"mnuReducir", call(&Form::zoomOut)},
      // The start panel, while no season is loaded.
      {"startInternet", call(&Form::startInternet_Click)},
      {"startImport", call(&Form::startImport_Click)},
      {"startOpen", call(&Form::startOpen_Click)},
      {"startSeason", call(&Form::startSeason_Click)},
      // The general standings and the jornada's matches.
      {"tablag", call(&Form::tablag_Click)},
      {"Label48", call(&Form::Label48_Click), "General"},
      {"List1", call(&Form::List1_Click)},
      {"List6", call(&Form::List6_Click)},
      // The boxes: a press prepares one for typing.
      {"Text2", call(&Form::Text2_Click), {}, true},
      {"Text3", call(&Form::Text3_Click), {}, true},
      {"Text5", call(&Form::Text5_Click), {}, true},
      // The division, view and printer buttons, and the navigator.
      {"Command1", call(&Form::Command1_Click), "Equivalentes"},
      {"Command3", call(&Form::Command3_Click)},
      {"Command4", call(&Form::Command4_Click)},
      {"Command6", call(&Form::Command6_Click)},
      {"Command7", call(&Form::Command7_Click)},
      {"Command8", call(&Form::Command8_Click)},
      {"Command9", call(&Form::Command9_Click)},
      {"Command10", call(&Form::Command10_Click)},
      {"Command11", call(&Form::Command11_Click)},
      {"Command12", call(&Form::Command12_Click)},
      {"Command13", call(&Form::Command13_Click)},
      {"Command14", call(&Form::Command14_Click)},
      {"Command15", call(&Form::Command15_MouseDown), {}, true}, // one blank line as the button goes down
      {"Command16", call(&Form::Command16_Click)},
      {"Command30", call(&Form::Command30_Click)},
      {"Command35", call(&Form::Command35_Click)},
      {"Command36", call(&Form::Command36_Click)},
      {"Command37", call(&Form::Command37_Click)},
      {"Command38", call(&Form::Command38_Click)},
      // The results grid, the standings, the team and sign evolutions.
      {"tab1", call(&Form::tab1_Click)},
      {"Command2", call(&Form::Command2_Click), "Cuadrante"},
      {"Label30", call(&Form::Label30_Click), "Clasificacion"},
      {"Label40", call(&Form::Label40_Click)},
      {"Label34", call(&Form::Label34_Click)},
      {"Label31", call(&Form::Label31_Click), "Evolucion"},
      {"List2", call(&Form::List2_Click)},
      {"Command5", call(&Form::Command5_Click), "Signos"},
      {"Command24", call(&Form::Command24_Click), "Signos"},
      // The jornadas ten by ten, the team history, the results by difference
      // (whose export writes a file and prints nothing).
      {"Command25", call(&Form::Command25_Click)},
      {"Command26", call(&Form::Command26_Click)},
      {"Command39", call(&Form::Command39_Click), "Jornadas"},
      {"Command27", call(&Form::Command27_Click)},
      {"Command28", call(&Form::Command28_Click)},
      {"List13", call(&Form::List13_Click)},
      {"Label36", call(&Form::Label36_Click), "Historial"},
      {"Label37", call(&Form::Label37_Click)},
      // The coupon, its figures and the forecast store.
      {"tablap", call(&Form::tablap_Click)},
      {"Label49", call(&Form::Label49_Click)},
      {"label42", call(&Form::label42_Click)},
      {"Label43", call(&Form::Label43_Click), "Quiniela"},
      {"Label46", call(&Form::Label46_Click)},
      {"Label47", call(&Form::Label47_Click)},
      {"Label6", call(&Form::Label6_Click)},
      {"Label9", call(&Form::Label9_Click)},
      {"Command17", call(&Form::Command17_Click)},
      {"Command18", call(&Form::Command18_Click)},
      {"Command19", call(&Form::Command19_Click)},
      {"Command20", call(&Form::Command20_Click)},
      {"Command21", call(&Form::Command21_Click)},
      {"Command22", call(&Form::Command22_Click)},
      {"Command23", call(&Form::Command23_Click)},
      {"Command29", call(&Form::Command29_Click)},
      {"Command31", call(&Form::Command31_Click)},
      {"Command32", call(&Form::Command32_Click)},
      {"Command40", call(&Form::sistemas_Open)},
      // A column's switch: its state is the form's before the handler reads it.
      {"Check2",
       [](Form &form, const Target &t) {
         if (t.index < 0 || t.index >= int(form.Check2.size()))
           return;
         form.Check2[t.index].value = t.checked ? 1 : 0;
         form.Check2_Click(t.index);
       }},
      // The 1X2 tables.
      {"Command33", call(&Form::Command33_Click)},
      {"Command34", call(&Form::Command34_Click), "Estadistica"},
  };
  return table;
}

const Binding *bindingOf(const QString &control)
{
  static const QHash<QString, const Binding *> byName = [] {
    QHash<QString, const Binding *> hash;
    for (const Binding &b : bindings())
      hash.insert(b.control, &b);
    return hash;
  }();
  return byName.value(control);
}

// A press on a box runs its handler; the box goes on to take the press.
class PressFilter : public QObject {
public:
  PressFilter(QObject *parent, Handler onPress) : QObject(parent), onPress_(std::move(onPress)) {}
  bool eventFilter(QObject *, QEvent *event) override
  {
    if (event->type() == QEvent::MouseButtonPress)
      onPress_();
    return false;
  }

private:
  Handler onPress_;
};

void wire(QObject *control, Form &form, const Runner &run)
{
  const Binding *binding = bindingOf(controlName(control));
  if (!binding)
    return;
  const int index = controlIndex(control);
  // Runs the handler on what the user acted on, as a user event.
  auto act = [&form, run, binding, index](Target target) {
    target.index = index;
    const Handler handler = [&form, binding, target] { binding->handler(form, target); };
    if (binding->report.isEmpty())
      run(handler);
    else
      run.print(binding->report, handler);
  };
  if (auto *action = qobject_cast<QAction *>(control)) {
    QObject::connect(action, &QAction::triggered, action, [act] { act({}); });
  } else if (auto *list = qobject_cast<ListWidget *>(control)) {
    // The line picked is the list's index when its handler runs.
    QObject::connect(list, &ListWidget::linePicked, list, [act, list](int line) {
      list->list().setListIndex(line);
      act({});
    });
  } else if (auto *grid = qobject_cast<GridWidget *>(control)) {
    // A click moves the grid's current cell, and its selection, to the cell clicked.
    QObject::connect(grid, &GridWidget::cellPicked, grid, [act, grid](int row, int col) {
      controls::Grid &g = grid->grid();
      g.row = g.rowSel = row;
      g.col = g.colSel = col;
      act({-1, row, col});
    });
  } else if (auto *check = qobject_cast<QCheckBox *>(control)) {
    QObject::connect(check, &QCheckBox::clicked, check, [act](bool on) { act({-1, 0, 0, on}); });
  } else if (auto *button = qobject_cast<QPushButton *>(control)) {
    if (binding->onPress)
      QObject::connect(button, &QPushButton::pressed, button, [act] { act({}); });
    else
      QObject::connect(button, &QPushButton::clicked, button, [act] { act({}); });
  } else if (auto *label = qobject_cast<ClickLabel *>(control)) {
    QObject::connect(label, &ClickLabel::clicked, label, [act] { act({}); });
  } else if (auto *box = qobject_cast<QLineEdit *>(control); box && binding->onPress) {
    box->installEventFilter(new PressFilter(box, [act] { act({}); }));
  }
}

} // namespace

void wireHandlers(QObject *window, vaticor::Qmodelop &form, const Runner &run)
{
  for (QObject *control : window->findChildren<QObject *>())
    wire(control, form, run);
}

QStringList handledControls()
{
  QStringList names;
  for (const Binding &b : bindings())
    names.append(b.control);
  return names;
}

} // namespace ui
