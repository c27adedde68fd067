#pragma once
// The start panel: what the window offers while no season is loaded, so that
// a new user starts with one click instead of an empty window. The form
// decides what it holds; the window only draws it.

#include "controls/Controls.h"

#include <QList>
#include <QString>
#include <QStringList>

namespace vaticor {

// A season file the player can open, by the season's name.
struct SeasonChoice {
  QString path;
  QString caption; // "Temporada 2013/14 (Edato14.txt)"
};

struct StartPanel {
  bool visible = false;
  controls::Label Label1;        // that no season is loaded, and why
  controls::Button startInternet; // the current season from the openfootball site
  controls::Button startImport;   // league files chosen by the player
  controls::Button startOpen;     // any season file, through the file dialog
  QList<SeasonChoice> seasons;   // the seasons beside the program, newest first
  // Season buttons the window has: further seasons are reached through startOpen.
  static constexpr int kMostSeasons = 16;
};

// "Temporada 2013/14" for "Edato14.txt" (Edato00.txt is 1999/00); empty for
// a name that is not a season file's.
QString seasonName(const QString &fileName);

// The season files of the folders, newest season first; a name in more than
// one folder is taken from the first folder that has it.
QList<SeasonChoice> seasonChoices(const QStringList &folders);

} // namespace vaticor
