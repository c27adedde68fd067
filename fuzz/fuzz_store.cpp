// A forecast store of any bytes beside a real season: either refused, or
// every stored coupon rebuilt and scored.
#include "FuzzSupport.h"

#include "form/ForecastStore.h"
#include "form/HeadlessForm.h"

#include <QFile>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
  static const QString season = [] {
    const QString path = fuzz::scratchFolder() + QStringLiteral("Edato14.txt");
    QFile::copy(QStringLiteral(VATICOR_SOURCE_DIR "/samples/Edato14.txt"), path);
    return path;
  }();
  const QByteArray bytes = fuzz::bytes(data, size);
  if (!forecast::parseStore(bytes, nullptr))
    return 0;
  fuzz::writeInput(QStringLiteral("gprono14.txt"), data, size);
  vaticor::HeadlessForm headless(fuzz::scratchFolder());
  vaticor::Qmodelop &form = headless.form;
  if (!form.loadSeason(season))
    return 0;
  for (int number = 1; number <= 3; ++number) {
    form.Text5.text = QString::number(number);
    form.Command32_Click();
    form.Command29_Click();
  }
  return 0;
}
