// Start-up, the two division switches, the exit and the season file writer.
#include "form/Qmodelop.h"
#include "season/SeasonFile.h"
#include "text/Settings.h"
#include "text/TextRules.h"
#include "form/version/FileVersionInfo.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>

using text::fmt;
using text::ival;
using text::left;
using text::mid;
using text::right;

namespace vaticor {

namespace {

struct CouponColumn {
  const char16_t *heading;
  int width;
};

const CouponColumn kCouponColumns[15] = {
    {u"Jda:1-15", 950},
    {u"R:I/V", 750},
    {u" G  E  Pe G  E Pe", 2000},
    {u"gf gc gF gc|GF GC", 2050},
    {u"Últms Signs Cas/Fue", 2080},
    {u"Últms 5 Resultds", 1700},
    {u"Evolución Equipos", 1600},
    {u"Evol. Signos Tt ", 1800},
    {u"pC pF PT  NC NF NT  ", 2100},
    {u" Diferencias /Signos.T=1X2", 2250},
    {u"Nº PT Pot Eq", 1350},
    {u" 1 X 2", 750},
    {u"25%", 400},
    {u"1sXs2s", 750},
    {u"Jornda", 950},
};

} // namespace

void Qmodelop::Form_Load()
{
  layOutForm();
  startupLoad();
}

void Qmodelop::layOutForm()
{
  windowGeometry = {1, 0, 14325, 9285};
  division = 1;
  for (Panel *frame : {&Frame13, &Frame2, &Frame7, &Frame6, &Frame9, &Frame8, &Frame10, &Frame15})
    frame->visible = false;
  Frame11.visible = true;
  recomputeStandings = true;
  sortKey = 6;
  wholeJornadaMode = false;
  recallMode = false;
  recallRow = 0;
  signModeStored = true;

  Qmodelop::layOutValuationGrid(tablac, 59);
  layOutValuationGrid(tablacs, 4);
  // Row for row beside the coupon: a line's percentages and sign on its home
  // row; under line 15, each side's likeliest goals.
  tablam.setRows(31);
  tablam.setCols(1);
  tablam.setText(0, 0, QStringLiteral(" 1% X% 2% M"));
  tablap.setRows(31);
  tablap.setCols(15);
  for (int c = 0; c < 15; ++c) {
    tablap.setText(0, c, QString::fromUtf16(kCouponColumns[c].heading));
    tablap.setColWidth(c, kCouponColumns[c].width);
  }
  for (int r = 2; r <= 30; ++r) {
    const controls::Rgb shade = (r % 2 == 0 && r <= 28) ? controls::paletteColour(11) : controls::paletteColour(7);
    for (int c = 0; c < 15; ++c)
      tablap.setCellColour(r, c, shade);
  }

  programDir = workDir = programFolder();
  if (useDataFolderWhenReadOnly && services.fileInfo && !services.fileInfo->canWriteFolder(programDir)) {
    QString data = services.fileInfo->userDataFolder();
    if (!data.isEmpty()) {
      if (!data.endsWith(u'/'))
        data += u'/';
      const bool fresh = !QFileInfo::exists(data);
      if (QDir().mkpath(data)) {
        workDir = data;
        if (fresh)
          dataFolderNotice = QStringLiteral("La carpeta del programa, %1, no se puede escribir.").arg(QDir::toNativeSeparators(programDir)) +
                             kBreak + QStringLiteral("Las temporadas, los pronósticos, los informes y los ajustes se guardan en %1.")
                                          .arg(QDir::toNativeSeparators(workDir));
      }
    }
  }
  zoom.read(text::Settings::read(readableFile(QStringLiteral("Vaticor.ini"))));
  // On this system the program file is the running executable, which carries
  // its version record in a section of its own.
  Label3.caption = version::versionLabel(programFile());
  fillGeneralGrid();
}

void Qmodelop::startupLoad()
{
  if (!dataFolderNotice.isEmpty()) {
    services.messages->show(dataFolderNotice, QStringLiteral("Vaticor"), controls::MessageIcon::Information);
    dataFolderNotice.clear();
  }
  // The season of today loads by itself. Without it, the start panel offers
  // the ways to get a season; a file that cannot be read is also told why.
  if (fileExists(readableFile(defaultSeasonFileName()))) {
    loadTodaysSeason = true;
    mnuaCargar_Click();
  }
  if (loadedFileName.isEmpty())
    showStartPanel();
  loadFactorWindow();
  for (int r = 1; r <= 15; ++r)
    for (int c = 2; c <= 4; ++c)
      factor.tablaf.setText(r, c, fmt(0, QStringLiteral("@")));
}

QString Qmodelop::programFolder() const
{
  QString folder = programFolderOverride;
  if (folder.isEmpty())
    folder = QCoreApplication::instance() ? QCoreApplication::applicationDirPath() : QDir::currentPath();
  if (!folder.endsWith(u'/'))
    folder += u'/';
  return folder;
}

void Qmodelop::refreshAllViews()
{
  Command7_Click();  // results grid
  Command8_Click();  // jornadas ten by ten
  Command9_Click();  // team history
  Command10_Click(); // results by goal difference
  Command4_Click();  // sign evolution
  Command11_Click(); // team evolution
  Command12_Click(); // standings
}

int Qmodelop::switchDivision()
{
  recomputeStandings = true;
  wholeJornadaMode = false;
  currentView = 6;
  firstJornada = 0;
  firstJornadaByRetrocede = false;
  division = division == 1 ? 2 : 1;
  const int n = teamCount();
  return n < 1 ? 20 : n;
}

void Qmodelop::Command6_Click()
{
  // The division display suggests a coupon number from the jornada; a coupon
  // under way keeps the number the player gave it.
  const QString couponNumber = Text3.text;
  const bool couponUnderWay = couponModeActive || couponPosition > 0;
  const int n = switchDivision();
  const int j = season.storedJornada(division);
  Text1.text = fmt(j, QStringLiteral("00"));
  jornada = ival(Text1.text);
  if (jornada > 2 * n - 2)
    jornada = 2 * n - 2;
  Frame16.visible = true;
  showDivision();
  if (couponUnderWay)
    Text3.text = couponNumber;
  refreshAllViews();
  couponModeActive = false;
  focusedControl = QStringLiteral("Text2");
}

void Qmodelop::Command30_Click()
{
  const QString couponNumber = Text3.text;
  const bool couponUnderWay = couponModeActive || couponPosition > 0;
  const int n = switchDivision();
  const int j = season.storedJornada(division);
  jornada = static_cast<int16_t>(j);
  if (jornada > 2 * n - 2)
    jornada = 2 * n - 2;
  if (j >= 1 && jornada == j) {
    showDivision();
    if (couponUnderWay)
      Text3.text = couponNumber;
    couponModeActive = false;
    focusedControl = QStringLiteral("Text2");
  }
}

void Qmodelop::mnuSalir_Click()
{
  if (!settleUnsavedResults(QStringLiteral("salir"))) {
    exitConfirmed = false;
    return;
  }
  const controls::MessageAnswer answer =
      services.messages->show(QStringLiteral("       Salir?       ó          Cancelar!"), QStringLiteral("Vaticor"),
                              controls::MessageIcon::None, controls::MessageButtons::OkCancel);
  if (answer == controls::MessageAnswer::Ok) {
    exitConfirmed = true;
    endRequested = true;
  } else {
    exitConfirmed = false;
  }
}

bool Qmodelop::Form_Unload()
{
  if (!exitConfirmed)
    mnuSalir_Click();
  return exitConfirmed;
}

QString Qmodelop::readableFile(const QString &name) const
{
  return workDir != programDir && !fileExists(workDir + name) && fileExists(programDir + name) ? programDir + name
                                                                                               : workDir + name;
}

QString Qmodelop::writeSeasonFile()
{
  season::Season written = season;
  season::markUnplayed(written);
  // A season opened from a folder that cannot be written (the bundled ones of
  // a read-only install) is saved as the user's own copy.
  QString path = seasonFilePath;
  const QString folder = QFileInfo(path).absolutePath() + u'/';
  const bool moved = useDataFolderWhenReadOnly && folder != workDir && QFileInfo(folder).isDir() && services.fileInfo &&
                     !services.fileInfo->canWriteFolder(folder);
  if (moved)
    path = workDir + QFileInfo(path).fileName();
  const QString error = season::writeSeasonFile(path, written);
  if (error.isEmpty() && moved) {
    releaseEntryLock();
    seasonFilePath = loadedFileName = path;
    Label1.caption = QDir::toNativeSeparators(path);
    services.messages->show(QStringLiteral("La temporada se ha guardado en %1.").arg(QDir::toNativeSeparators(path)),
                            QStringLiteral("Vaticor"), controls::MessageIcon::Information);
  }
  // The unplayed marks stand in memory as in the file, once the file holds them.
  if (error.isEmpty())
    season = std::move(written);
  return error;
}

} // namespace vaticor
