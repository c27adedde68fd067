#pragma once
#include <QFont>

namespace ui {
// "Lucida Console" where installed, else the system's fixed-pitch font, so
// that the columns of every list and grid line up.
QFont fixedFont(double pointSize = 8);
} // namespace ui
