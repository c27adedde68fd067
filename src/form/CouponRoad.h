#pragma once
// A player's road to a coupon through the window's own handlers: each pass is
// "D/J/M" (match M of jornada J of division D, one by one) or "D/J/todo" (the
// whole jornada). vaticor-cli and the backtest build coupons this way.

#include <QString>
#include <QStringList>

namespace vaticor {

class Qmodelop;

bool isCouponPass(const QString &text);
// The coupon number N is typed before the first pass; the figures are
// computed at the end. Returns an error text, or an empty text.
QString playCoupon(Qmodelop &form, int number, const QStringList &passes);

} // namespace vaticor
