// A name table of any bytes.
#include "FuzzSupport.h"

#include "engine/NameTable.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
  const std::optional<engine::NameTable> table =
      engine::NameTable::parse(QString::fromUtf8(fuzz::bytes(data, size)), nullptr);
  if (table)
    (void)table->shortName(QStringLiteral("Real Madrid CF"));
  return 0;
}
