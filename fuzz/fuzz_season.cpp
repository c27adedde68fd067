// A season file of any bytes: either refused with a message, or loaded and
// then every view of both divisions computed, printed and a coupon built.
#include "FuzzSupport.h"

#include "form/CouponRoad.h"
#include "form/HeadlessForm.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
  const QString path = fuzz::writeInput(QStringLiteral("Edato13.txt"), data, size);
  vaticor::HeadlessForm headless(fuzz::scratchFolder());
  vaticor::Qmodelop &form = headless.form;
  if (!form.loadSeason(path))
    return 0;
  for (int division = 1; division <= 2; ++division) {
    if (division == 2)
      form.Command6_Click();
    form.Command12_Click();
    form.Label30_Click();
    form.Command7_Click();
    form.Command2_Click();
    form.Command11_Click();
    form.Label31_Click();
    form.Command4_Click();
    form.Command5_Click();
    form.Command3_Click();
    form.Command8_Click();
    form.Command9_Click();
    form.Label36_Click();
    form.Command10_Click();
    form.Label48_Click();
    form.Command1_Click();
  }
  const QString jornada = QString::number(form.season.storedJornada(1));
  vaticor::playCoupon(form, 1, {QStringLiteral("1/") + jornada + QStringLiteral("/todo")});
  return 0;
}
