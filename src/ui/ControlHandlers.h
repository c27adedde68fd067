#pragma once
// Which handler of the form each control of the window runs, in one table,
// and the wiring of the window's widgets to it by their control names.

#include "ui/Widgets.h"

#include <QStringList>

namespace vaticor {
class Qmodelop;
}

namespace ui {

// Connects every named control under the window (widgets and menu actions)
// that has a handler in the table: a click, a press, a line or a cell picked
// runs its handler through `run`, and a report's through `run.print`.
void wireHandlers(QObject *window, vaticor::Qmodelop &form, const Runner &run);

// The controls the table gives a handler, by name.
QStringList handledControls();

} // namespace ui
