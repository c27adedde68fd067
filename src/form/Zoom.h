#pragma once
// The size of the coupon and of the lists on screen, as the player sets it
// with Ctrl++ and Ctrl+-, kept in Vaticor.ini from one run to the next.

namespace text {
class Settings;
}

namespace vaticor {

struct ScreenZoom {
  // Percent of the size each control's font asks for. The coupon's size 5 is
  // some 7 pixels on screen, too small to read: it starts larger, as large as
  // lets the coupon and the model beside it stand whole at 1366 pixels.
  static constexpr int kCouponDefault = 140, kListsDefault = 100;
  static constexpr int kSmallest = 50, kLargest = 300;
  int coupon = kCouponDefault;
  int lists = kListsDefault;
  bool failureTold = false; // a settings file that cannot be written is said once

  // The next size of the scale after percent, up (direction > 0) or down;
  // the same size at either end of the scale.
  static int step(int percent, int direction);
  // "[pantalla] quiniela=" and "listas=": a value that is no size is left aside.
  void read(const text::Settings &settings);
  void write(text::Settings &settings) const;
};

} // namespace vaticor
