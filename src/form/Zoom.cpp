// The coupon's and the lists' size on screen, stepped and kept in Vaticor.ini.
#include "form/Zoom.h"

#include "form/Qmodelop.h"
#include "text/Settings.h"

#include <algorithm>
#include <array>

namespace vaticor {

namespace {

// Small steps near the usual sizes, larger ones further out.
constexpr std::array<int, 17> kSteps = {50, 60, 70, 80, 90, 100, 110, 120, 130, 140, 150, 160, 180, 200, 225, 250, 300};

const QString kCouponKey = QStringLiteral("pantalla/quiniela");
const QString kListsKey = QStringLiteral("pantalla/listas");

void readSize(const text::Settings &settings, const QString &key, int &size)
{
  bool number = false;
  const int value = settings.value(key).trimmed().toInt(&number);
  if (number && value >= ScreenZoom::kSmallest && value <= ScreenZoom::kLargest)
    size = value;
}

} // namespace

int ScreenZoom::step(int percent, int direction)
{
  if (direction > 0) {
    for (int s : kSteps)
      if (s > percent)
        return s;
    return std::max(percent, kSteps.back());
  }
  for (auto s = kSteps.rbegin(); s != kSteps.rend(); ++s)
    if (*s < percent)
      return *s;
  return std::min(percent, kSteps.front());
}

void ScreenZoom::read(const text::Settings &settings)
{
  readSize(settings, kCouponKey, coupon);
  readSize(settings, kListsKey, lists);
}

void ScreenZoom::write(text::Settings &settings) const
{
  settings.setValue(kCouponKey, QString::number(coupon));
  settings.setValue(kListsKey, QString::number(lists));
}

void Qmodelop::zoomIn()
{
  changeZoom(1);
}

void Qmodelop::zoomOut()
{
  changeZoom(-1);
}

void Qmodelop::changeZoom(int direction)
{
  // The coupon while it is on screen; otherwise the lists and grids of the views.
  int &size = Frame9.visible && !start.visible ? zoom.coupon : zoom.lists;
  const int next = ScreenZoom::step(size, direction);
  if (next == size)
    return;
  size = next;
  text::Settings settings = text::Settings::read(readableFile(QStringLiteral("Vaticor.ini")));
  zoom.write(settings);
  const QString error = settings.write(settingsPath());
  if (!error.isEmpty() && !zoom.failureTold) {
    zoom.failureTold = true;
    refuse(QStringLiteral("El tamaño de la letra no se ha podido guardar para la próxima vez.") + kBreak + error,
           QStringLiteral("Vaticor"), controls::MessageIcon::Critical);
  }
}

} // namespace vaticor
