#pragma once
#include <QFont>

namespace ui {
// The font of every list, grid and fixed label: "Lucida Console" where
// installed, else the first candidate in which every character the program
// writes has the same advance, so that columns of text line up.
QFont fixedFont(double pointSize = 8);
} // namespace ui
