// A league file of any bytes: read, and imported with the real name table
// as the 1ª División file of a season.
#include "FuzzSupport.h"

#include "import/NameTable.h"
#include "import/OpenFootball.h"
#include "import/SeasonImport.h"
#include "season/SeasonFile.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
  static const import::NameTable names =
      import::NameTable::read(QStringLiteral(VATICOR_SOURCE_DIR "/samples/nombres.csv"), nullptr).value();
  const QString text = QString::fromUtf8(fuzz::bytes(data, size));
  (void)import::readLeagueFile(text, QStringLiteral("1-liga.txt"), nullptr);
  (void)import::importTexts(text, QStringLiteral("1-liga.txt"), QString(), QString(), names, nullptr);
  return 0;
}
