// A valuation record of any bytes beside a real season and its forecast
// store: each stored coupon rebuilt, scored into the record and the 1X2
// tables drawn from it.
#include "FuzzSupport.h"

#include "season/HeadlessForm.h"

#include <QFile>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
  static const QString season = [] {
    const QString folder = fuzz::scratchFolder();
    QFile::copy(QStringLiteral(VATICOR_SOURCE_DIR "/samples/Edato14.txt"), folder + QStringLiteral("Edato14.txt"));
    QFile::copy(QStringLiteral(VATICOR_SOURCE_DIR "/fuzz/corpus/store/two-coupons.txt"),
                folder + QStringLiteral("gprono14.txt"));
    return folder + QStringLiteral("Edato14.txt");
  }();
  vaticor::HeadlessForm headless(fuzz::scratchFolder());
  vaticor::Qmodelop &form = headless.form;
  if (!form.loadSeason(season))
    return 0;
  for (int number = 1; number <= 2; ++number) {
    fuzz::writeInput(QStringLiteral("eprono14.txt"), data, size);
    form.Text5.text = QString::number(number);
    form.Command32_Click();
    form.Command29_Click();
  }
  return 0;
}
