// A help file of any bytes: loaded, its index entries followed, searched.
#include "FuzzSupport.h"

#include "form/HelpWindow.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
  vaticor::HelpWindow help;
  help.Form_Load(fuzz::writeInput(QStringLiteral("Vaticor.ans"), data, size));
  for (int i = 0; i < help.List1.count() && i < 40; ++i) {
    help.List1.setListIndex(i);
    help.List1_Click();
  }
  help.Command3_Click();
  for (const QString &wanted : {QStringLiteral("jo"), QStringLiteral("a"), QStringLiteral("@@")}) {
    help.Text1.text = wanted;
    help.Command1_Click();
  }
  return 0;
}
