// A valuation record of any bytes beside a real season with a stored coupon
// rebuilt: the coupon scored into the record as jornada 2 and as jornada 55
// (whose 1X2 tables start at jornada 10), and the tables drawn from it.
#include "FuzzSupport.h"

#include "form/HeadlessForm.h"

#include <QFile>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
  // Rebuilding the coupon is the slow part and does not depend on the
  // record: it is done once, and each input only goes through the scoring.
  static vaticor::HeadlessForm *headless = [] {
    const QString folder = fuzz::scratchFolder();
    QFile::copy(QStringLiteral(VATICOR_SOURCE_DIR "/samples/Edato14.txt"), folder + QStringLiteral("Edato14.txt"));
    QFile::copy(QStringLiteral(VATICOR_SOURCE_DIR "/fuzz/corpus/store/two-coupons.txt"),
                folder + QStringLiteral("gprono14.txt"));
    auto *h = new vaticor::HeadlessForm(folder);
    if (h->form.loadSeason(folder + QStringLiteral("Edato14.txt"))) {
      h->form.Text5.text = QStringLiteral("1");
      h->form.Command32_Click();
    }
    return h;
  }();
  for (const char *number : {"2", "55"}) {
    fuzz::writeInput(QStringLiteral("eprono14.txt"), data, size);
    headless->form.Text5.text = QString::fromLatin1(number);
    headless->form.Command29_Click();
    headless->messages.messages.clear();
  }
  return 0;
}
