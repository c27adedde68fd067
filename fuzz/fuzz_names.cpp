// A name table of any bytes.
#include "FuzzSupport.h"

#include "import/NameTable.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
  const std::optional<import::NameTable> table =
      import::NameTable::parse(QString::fromUtf8(fuzz::bytes(data, size)), nullptr);
  if (table)
    (void)table->shortName(QStringLiteral("Real Madrid CF"));
  return 0;
}
