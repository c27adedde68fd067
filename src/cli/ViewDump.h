#pragma once
// What a view holds, as plain lines: each label's caption, each list's lines
// in order, each grid's rows with the cells joined by "|". The command-line
// companion prints these, and the tests compare them with hand-worked lines.

#include "form/Qmodelop.h"

#include <QStringList>

namespace vaticor {

void appendLabel(QStringList &out, const Label &label);
void appendList(QStringList &out, const ListBox &list);
void appendGrid(QStringList &out, const Grid &grid);

// The views the companion knows, in the order it lists them.
QStringList knownViews();
// The lines of one view as the form holds them now (the view's handler must
// have run). Empty for an unknown view.
QStringList viewLines(const Qmodelop &form, const QString &view);

} // namespace vaticor
