// A league file of any bytes: read, and imported with the real name table
// as the 1ª División file of a season.
#include "FuzzSupport.h"

#include "engine/NameTable.h"
#include "engine/OpenFootball.h"
#include "engine/SeasonImport.h"
#include "season/SeasonFile.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
  static const engine::NameTable names =
      engine::NameTable::read(QStringLiteral(VATICOR_SOURCE_DIR "/samples/nombres.csv"), nullptr).value();
  const QString text = QString::fromUtf8(fuzz::bytes(data, size));
  (void)engine::readLeagueFile(text, QStringLiteral("1-liga.txt"), nullptr);
  (void)engine::importTexts(text, QStringLiteral("1-liga.txt"), QString(), QString(), names, nullptr);
  return 0;
}
