#pragma once
// The main window's form: all the state of the program (the season, the
// standings tally, the view and coupon state) and the models of its controls.
// Its handlers are plain functions called exactly as a user event would call
// them; the Qt layer only draws the models and forwards events.
//
// The handlers are defined across the subsystem folders: season/ (loading,
// general standings, start-up, division switch, exit), views/ (the views).

#include "controls/Controls.h"
#include "controls/Services.h"
#include "form/HelpWindow.h"
#include "form/StartPanel.h"
#include "form/Zoom.h"
#include "engine/ScoreModel.h"
#include "engine/MatchValuation.h"
#include "engine/ResultsGrid.h"
#include "engine/SeasonImport.h"
#include "engine/SignEvolution.h"
#include "engine/Standings.h"
#include "engine/Systems.h"
#include "engine/systems/ReducedSystem.h"
#include "season/Season.h"
#include "form/version/Credits.h"

#include <QHash>
#include <QLockFile>
#include <QString>
#include <QStringList>
#include <array>
#include <cstdint>
#include <functional>
#include <memory>

namespace vaticor {

using controls::Button;
using controls::CheckBox;
using controls::Grid;
using controls::Label;
using controls::ListBox;
using controls::MenuEntry;
using controls::Panel;
using controls::TextBox;

constexpr int kMaxTeams = season::kMaxTeams;
// The line break of message texts and captions, as the boxes and the help line take it.
inline const QString kBreak = QStringLiteral("\r\n");
// The program's credit, under printed reports and in the help texts that ask for one.
inline const QString kCredit = QStringLiteral("Vaticor - estadísticas y pronósticos de la quiniela");
extern const QString kOpenfootballBase;

using engine::TeamArray; // slots 0..22

// The per-team arrays shared by the general standings, the standings view and
// the team evolution; slot t is team number t while counting and standings
// position t after sorting.
struct StandingsTally {
  TeamArray<int16_t> homeGoalsFor{}, homeGoalsAgainst{}, awayGoalsFor{}, awayGoalsAgainst{};
  TeamArray<int16_t> goalsFor{}, goalsAgainst{};
  TeamArray<int16_t> homeWins{}, homeDraws{}, homeLosses{}, awayWins{}, awayDraws{}, awayLosses{};
  TeamArray<int16_t> homePoints{}, awayPoints{}, points{};
  TeamArray<int16_t> homeNegative{}, awayPositive{}, negativeTotal{};
  TeamArray<double> equatedHome{}, equatedAway{};
  TeamArray<double> homeCoefficient{}, awayCoefficient{};
};

// The other-factors window `factor`, which belongs to one coupon number.
struct FactorWindow {
  bool loaded = false;
  bool visible = false;
  QString caption = QStringLiteral("Factores circunstanciales que  a los resultados");
  Grid tablaf;
  Label Label1; // the coupon number the factors were typed for
};

// The statistics block that closes the results by goal difference, from the
// number of results in each of the six lists.
QStringList resultStatistics(int c0, int c1, int c2, int c3, int c4, int c5);

// A line of the two-round sheet: the pairing, both results, the goals of
// each club over the two (units only) and the first-round jornada.
QString twoRoundLine(const QString &home, const QString &away, const QString &first, const QString &second, int jornada);

// The "Sistemas" panel: the system built from the coupon's signs and what
// it costs, wins and won.
struct SystemsPanel {
  bool visible = false;
  engine::System system;
  engine::SignProbabilities probabilities{};
  QString plenoHome = QStringLiteral("1"), plenoAway = QStringLiteral("1"); // 0, 1, 2 or M
  double price = 0.75;                                                      // euros a column
  int guarantee = 14;                                                       // 14: the direct columns
  engine::systems::Conditions conditions; // of a reducción condicionada; open: none
  std::optional<std::array<double, 3>> figure; // the coupon's forecast figure: variants, X, 2
  int margin = 1;                              // the conditions filled from the figure: its value give or take this
  qint64 directColumns = 0;
  std::vector<engine::Column> columns; // of the choice made
  bool ready = false;                  // the columns of the choice are worked out
  QStringList summary;                 // direct, at 13, at 12: columns, price, chances; the conditions; the savings
  QStringList checkSummary;            // the result and the prizes by category, shown above the columns
  QStringList checkLines;              // each column against the result
  // A window shows the panel and works the reductions out on its worker
  // thread (sistemas_NextWork, sistemas_Store): the handlers then only show
  // what is known. Otherwise they are worked out when asked.
  bool onWorker = false;
  bool windowShown = false; // a window took the panel when it was opened
  // Reductions already worked out, by system, conditions and guarantee:
  // changing the price, the pleno or the choice does not search again.
  QHash<QString, engine::systems::ReducedSystem> reductions;
};

// The score model's forecast of one coupon line.
struct LineModel {
  bool known = false;
  engine::MatchProbabilities p;
};

class Qmodelop {
public:
  explicit Qmodelop(controls::Services services);

  // ---- season: the one loaded last, checked whole when it was read ----
  season::Season season;
  int16_t division = 1;
  int16_t jornada = 0;
  TeamArray<QString> teamName;
  QString teamNameList;
  std::array<int16_t, 12> homeTeam{}; // match 1..11
  std::array<int16_t, 12> awayTeam{};
  QString lookupGoals;
  QString lookupJornada;
  QString workDir;    // where the program writes: its own folder, or the user's data folder when that is read-only
  QString programDir; // the program's own folder: the bundled seasons, manual, name table
  // A read-only program folder sends what the program writes to the user's
  // data folder; the command line writes where it is told instead.
  bool useDataFolderWhenReadOnly = true;
  QString dataFolderNotice; // said once, when the data folder is first made
  // A file the program reads: the user's copy in workDir, else the bundled one.
  QString readableFile(const QString &name) const;
  QString seasonFilePath;
  QString loadedFileName;

  // ---- loading, start-up and exit ----
  // What the update server is asked for: nothing yet, the season file or the forecast store.
  enum class Transfer { None = 0, Season = 1, Store = 2 };
  Transfer transferMode = Transfer::None;
  // The start-up load takes the season of today without asking.
  bool loadTodaysSeason = false;
  bool entryOpen = false;      // the results entry is open
  bool archivePending = false; // the current-jornadas line is open
  // The division and jornada whose matches List1 shows: results typed in are
  // stored on those matches and no others.
  int16_t shownDivision = 0;
  int16_t shownJornada = 0;
  // Results stored in memory that the season file does not hold yet.
  bool resultsUnsaved = false;
  QString updateServer;        // base address of the update server, ending in "/"; empty: none configured
  bool downloading = false;
  bool recomputeStandings = true;
  bool exitConfirmed = false;
  bool endRequested = false; // the program is to end (the window closes)

  // ---- standings tally and views ----
  StandingsTally tally;
  int16_t currentView = 0;
  int16_t viewSlot = 0;
  QString pickedNames;
  bool pickToggle = false;
  int16_t firstJornada = 0;
  bool firstJornadaByRetrocede = false; // the initial jornada is the one "Retrocede" set
  int16_t windowLength = 0;
  int16_t sortKey = 6;
  QString signChar;
  bool evolutionShown = false;
  bool awayPick = false;
  int16_t tenBlockEnd = 0; // last jornada of the ten shown; 0 for the jornada shown
  int16_t historyLast = 0; // highest team number of the six histories shown
  bool historyBusy = false;

  // ---- coupon state ----
  int16_t couponPosition = 0;
  int16_t overwriteTarget = 0;
  bool wholeJornadaMode = false;
  bool couponModeActive = false;
  bool couponEnlarged = false;
  int couponLeft = 0; // twips from the left where the coupon panel slides to
  bool recallMode = false;
  int16_t recallLine = 0;
  int16_t recallRow = 0;
  int16_t forecastNumber = 0;
  bool signModeStored = true;
  // ---- valuation of the match passed last ----
  int16_t homePosition = 0;
  int16_t awayPosition = 0;
  int16_t homeTeamNumber = 0;
  int16_t awayTeamNumber = 0;
  QString signText;
  int16_t letterCount = 0;
  QString realSign;
  QString figureDigits; // three digits per valued match
  bool processAfterFactors = false;
  FactorWindow factor;
  HelpWindow ayuda;               // the help window, read again at each opening
  version::CreditsWindow creditos; // the credits box, filled when it opens
  int16_t blankLineCount = 0; // blank lines the next report starts with

  // ---- the window and its controls ----
  QString caption = QStringLiteral("Vaticor");
  controls::Geometry windowGeometry;
  QString focusedControl;

  Label Label1, Label2, Label3, Label4, Label5, Label6, Label15, Label24, Label38, Label7, Label9, Label10, Label11, Label14, Label17, Label18,
      Label20, Label21, Label22, Label25, Label27, Label30, Label31, Label34, Label36, Label37, Label39, Label43,
      Label46, Label47, Label48, Label49, Label51, Label53, label42;
  std::array<CheckBox, 14> Check2;
  std::array<Label, 2> Label19;
  std::array<Label, 7> Label40;
  Panel Frame1, Frame2, Frame4, Frame5, Frame6, Frame7, Frame8, Frame9, Frame10, Frame11, Frame12, Frame13,
      Frame15, Frame16, Frame17;
  TextBox Text1, Text2, Text3, Text4, Text5;
  ListBox List1, List6, List7, List8, List14, List15;
  std::array<ListBox, 5> List12, List2, List3;
  std::array<ListBox, 10> List10, List11;
  std::array<ListBox, 6> List13, List9;
  Grid tablag, tab1, tabl1x2, tablap, tablac, tablacs;
  Grid tablam; // the score model row for row beside the coupon: P(1) P(X) P(2) and sign; goals of the 15th
  Button Command1, Command2, Command15, Command39, Command3, Command4, Command5, Command6, Command7, Command8, Command9, Command10, Command11, Command27,
      Command28, Command12, Command13, Command16, Command17,
      Command18, Command19, Command14, Command20, Command21, Command22, Command23, Command24, Command25, Command26,
      Command29, Command30, Command31, Command32, Command33, Command34, Command35, Command36, Command37, Command38,
      Command40; // "Sistemas"
  MenuEntry mnuaCargar, mnuActualizar, mnuActTI, mnuactualiza, mnuActGI, mnuProMmnu, mnuImportar,
      mnuActualizarTemporada, mnuIventana, mnupronos, mnuVerPronostico, mnuFiabilidad,
      mnuOpciones, mnucreditos, mnuAyuda, mnuSalir;

  // ---- season accessors ----
  int teamCount() const { return season.teamCount(division); }
  // Jornadas of the division shown: 2 x (teams - 1).
  int jornadaCount() const { return season.jornadaCount(division); }
  void lookUpResult(const QString &key);
  void buildFixture(int j);
  // Team number of a name: its position in teamNameList \ 6 + 1.
  int teamNumberOf(const QString &name) const;
  // Name of team k of the division shown, in team-number order; empty for an invalid k.
  QString nameOf(int k) const { return season.name(division, k); }
  QString safeTeamName(int slot) const;
  static QString seasonDigits(const QDate &today);
  QString defaultSeasonFileName() const;

  // ---- loading ----
  void mnuaCargar_Click();
  // Reads and checks a season file and makes it the season shown; a file
  // that fails is reported and changes nothing. The menu and the command line
  // both load through it.
  bool loadSeason(const QString &path);
  void showFileDate(const QString &path);
  // Where the season dialog opens: workDir, or the bundled seasons while the user has none.
  QString seasonFolder() const;
  void showSeasonCaption();
  void showDivision();

  // ---- general standings ----
  void computeSeasonTotals();
  // The numbers clubs are compared head to head by: their places in the list
  // of the division's names.
  engine::TeamLookup headToHeadLookup() const;
  void fillGeneralGrid();
  void tablag_Click(int row, int col);
  void tablag_MouseMove(); // the help line for the general standings

  // ---- start-up, division switch, exit ----
  void Form_Load();
  void layOutForm();   // Form_Load before the start-up load
  void startupLoad();  // the start-up load and what follows it
  void Command6_Click();
  void Command30_Click();
  void mnuSalir_Click();
  bool Form_Unload(); // true when the window may close
  void mnuAyuda_Click();
  void mnucreditos_Click();
  // The running program's file, whose version record the window shows.
  QString programFile() const;
  bool fileExists(const QString &path) const;
  // The folder holding the program and its data files, with a trailing '/'.
  QString programFolder() const;
  QString programFolderOverride; // tests and the command line point the program elsewhere
  // Writes the season file in the program's own layout, unplayed marks
  // applied. Returns an error text or empty; on failure nothing changes.
  QString writeSeasonFile();
  // The settings file the program writes, "Vaticor.ini" in workDir.
  QString settingsPath() const { return workDir + QStringLiteral("Vaticor.ini"); }

  // ---- views ----
  void hideViewFrames();
  void Command12_Click();
  void Label40_Click(int index);
  void Label34_Click();
  // The five lines of standings position p, from the standings computed last.
  using StandingsLines = std::array<QString, 5>;
  StandingsLines standingsLines(int p) const;
  engine::Standings lastStandings; // the standings List12 shows
  // Of those standings, for the coupon: the figures the valuation reads as
  // printed, by position (worked out when first asked for), and the names as
  // the first list shows them.
  std::vector<std::optional<engine::PrintedFigures>> lastPrintedFigures;
  QString lastStandingsNames;
  void Command7_Click();
  // A cell of the results grid as it shows it: the score, a blank, or "»«".
  QString resultsGridCell(int home, int away) const;
  engine::ResultsGrid lastResultsGrid; // the results grid tab1 shows
  void resultSign(const QString &goals);
  void tab1_Click(int row, int col);
  void Command3_Click();
  void Command11_Click();
  void List2_Click(int index);
  void Command4_Click();
  // A cell of the sign evolution (team number, column 0..7) as it shows it.
  QString signEvolutionCell(int team, int col) const;
  std::vector<engine::SignRow> lastSignEvolution; // the sign evolution tabl1x2 shows
  void Command8_Click();
  void Command25_Click();
  void Command26_Click();
  void Command9_Click();
  void Command27_Click();
  void Command28_Click();
  void List13_Click(int index);
  void Command10_Click();
  // The jornada keys of the black box: "+"/"-" one jornada, "b"/"c" five, Enter the entry.
  // Key codes of the boxes, as a key press gives them.
  static constexpr int kEnter = 13, kPlus = 43, kMinus = 45, kFiveOn = 98 /* b */, kFiveBack = 99 /* c */;
  void Text2_KeyPress(int keyAscii);

  // ---- entering and archiving results, downloading ----
  void mnuactualiza_Click();
  void storeTypedResults();
  void archiveJornadas();
  void Text4_KeyPress(int keyAscii);
  // Before the season in memory is replaced or the program ends: results not
  // yet saved are saved, discarded or kept (false: the user cancelled).
  bool settleUnsavedResults(const QString &what);
  // While this copy has a season open for entry, no other copy writes it.
  bool lockSeasonForEntry();
  void releaseEntryLock();
  // After a save: the general standings and the view on screen show the saved results.
  void refreshAfterSave();
  // Another copy of the program holds the season file at path open for entry.
  bool seasonLockedElsewhere(const QString &path, QString *holder = nullptr) const;
  std::unique_ptr<QLockFile> entryLock_;
  void mnuActTI_Click();
  void mnuActGI_Click();
  QString downloadFileName() const;
  void requestDownload();
  void refuseSecondDownload();
  // Asks before a download replaces a file of the same name (false: cancelled).
  bool confirmReplacing();
  void Inet1_StateChanged(const controls::HttpReply &reply);

  // ---- seasons from the openfootball results ----
  QString openfootballBase; // where the league files are fetched from, ending in "/"
  void mnuImportar_Click();
  void mnuActualizarTemporada_Click();
  // "Importar temporadas anteriores": every season the openfootball site has
  // from 2012/13 to last season, fetched and written beside the program,
  // those already there left as they are.
  void mnuImportarAnteriores_Click();
  MenuEntry mnuImportarAnteriores;
  QString openfootballSeasonFolder() const; // "2025-26" for the season of today
  // Imports the texts, asks before replacing the season file, writes and loads it.
  bool importLeagueTexts(const QString &first, const QString &firstName, const QString &second,
                         const QString &secondName);
  // The import itself: nothing, with error set, when the texts do not make a season.
  std::optional<engine::ImportedSeason> importedSeason(const QString &first, const QString &firstName,
                                                       const QString &second, const QString &secondName, QString *error);

  // ---- coupon ----
  void Command13_Click();
  void Command16_Click();
  void List1_Click();
  void List6_Click();
  void tablap_Click(int row, int col);
  void Command19_Click();
  void Label49_Click();
  void Command18_Click();
  void mnupronos_Click();
  void mnuProMmnu_Click();
  void Text1_Click();
  void label42_MouseMove();
  void label42_Click();
  // The coupon's title for the coupon number given.
  QString couponTitle(const QString &number) const;
  // Values coupon line k from the standings and sign evolution computed last
  // (homeForm, awayForm: the clubs' letters as the coupon shows them) and
  // writes its columns 9-12.
  void valueMatch(int k, const QString &homeForm, const QString &awayForm);
  engine::StandingsFigures valuationFigures(int position);
  // The score model's P(1), P(X), P(2) and most likely sign of coupon line k,
  // and for line 15 each side's most likely goals.
  void modelLine(int k, int home, int away);
  std::array<LineModel, 16> lineModel; // by coupon line 1..15
  Label modelNote; // whether the model starts from last season
  QString modelNoteDetail; // which file it starts from, or which it lacks
  // Above the coupon grid while a line's valuation counts its own jornada's results.
  Label playedNote;
  std::array<bool, 16> linePlayed{}; // by coupon line 1..15

  // ---- the start panel, while no season is loaded ----
  StartPanel start;
  void showStartPanel();
  void startInternet_Click();
  void startImport_Click();
  void startOpen_Click();
  void startSeason_Click(int index);

  // ---- the size of the coupon and the lists on screen (Ctrl++, Ctrl+-) ----
  ScreenZoom zoom;
  void zoomIn();
  void zoomOut();

  // ---- systems ----
  SystemsPanel sistemas;
  void sistemas_Open();
  void sistemas_SetSigns(int match, const QString &signs);
  void sistemas_SetPleno(const QString &home, const QString &away);
  void sistemas_Choose(int guarantee);
  void sistemas_SetConditions(const engine::systems::Conditions &conditions); // refused unless valid
  void sistemas_FillConditions(int margin); // X, 2 and variants from the forecast figure, give or take margin
  void sistemas_Compute(); // the summary and the columns from what is worked out (all of it, unless onWorker)
  // The next reduction the panel needs and has not got (the choice first);
  // its result comes back through sistemas_Store.
  std::optional<engine::systems::ReductionOrder> sistemas_NextWork() const;
  void sistemas_Store(const engine::systems::ReductionOrder &order, const engine::systems::ReducedSystem &result);
  QStringList sistemas_Lines() const; // the system and its columns, as printed
  void sistemas_Print();
  QString sistemas_Export();
  void sistemas_Check(); // "Escrutinio"
  // "Fiabilidad": how often the valuation and the model were right this season.
  void mnuFiabilidad_Click();
  // Signs of a club's matches at home (or away) over the last 25 jornadas, the last 15.
  QString venueSigns(int team, bool atHome);
  QString teamEvolutionPlaces(const QString &name) const;
  // The other-factors value of coupon line k; 0 while none were typed for this coupon.
  int otherFactorsOf(int k) const;

  // ---- figures and column switches ----
  void Label46_Click(); // computeFigures
  void recountWithSecondThresholds();
  void Check2_Click(int index);
  void Label47_Click();
  void Label6_Click();
  void Label9_Click();
  void Command17_Click();
  void Command31_Click();

  // ---- navigator, small clicks and hover help ----
  void navigateToView();
  void Command35_Click(); // back
  void Command36_Click(); // forward
  void Command37_Click();
  void Command38_Click();
  void Text2_Click();
  void Text3_Click();
  void Text5_Click();
  // The help line's text for a control (index: of a control array); empty when it has none.
  QString hoverText(const QString &control, int index = -1) const;
  // The mouse over a control (Command15: pressed on it).
  void hover(const QString &control, int index = -1);

  // ---- reports ----
  QString reportDate() const; // dd/mm/yyyy
  // After a report: the blank-line count back to 0; a failure told when asked.
  void reportEnded(const QString &error, bool tellFailure);
  void feedBlankLines(int lines);
  void Command14_Click();     // five blank lines
  void Command15_MouseDown(); // one blank line
  void Command2_Click();      // the results grid
  void Command5_Click();      // the sign evolution
  void Command24_Click();     // the sign evolution, landscape
  void Label30_Click();       // the standings
  void Label31_Click();       // team evolution, or the jornadas ten by ten
  void Command39_Click();
  void Label36_Click();       // team history
  void Label48_Click();       // the general standings
  void Label43_Click();       // the coupon
  void mnuIventana_Click();   // an image of the window
  QString Label37_Click();    // the results by goal difference to Qhistorial.TXT
  void Command1_Click();      // the two-round sheet

  // ---- forecast store ----
  QString seasonFileDigits() const; // the two digits before ".txt" of the season file
  QString forecastStorePath() const;
  void Command22_Click();
  void Command20_Click();
  void Command21_Click();
  void checkForecastSlot(int n);
  void Command32_Click();
  bool loadStoredForecast(const QString &code, int number);

  // ---- valuations against real signs ----
  QString valuationRecordPath() const;
  static void layOutValuationGrid(controls::Grid &grid, int rows);
  void Command29_Click();
  void countSignsByValue();
  void Command33_Click();
  void Command34_Click();

  // ---- other factors ----
  void loadFactorWindow();
  void Command23_Click();
  void factor_Command2_Click(); // "Cargar Equipos"
  void factor_Command1_Click(); // "Limpiar"
  void factor_tablaf_KeyPress(QChar key);
  void factor_Form_Unload();

  controls::Services services;
  // Shows why what the user asked for was not done, and marks it so: the
  // companion exits non-zero when an operation ends in a refusal.
  void refuse(const QString &text, const QString &title, controls::MessageIcon icon);
  bool operationFailed = false;
  // Replies that arrive after the form is gone call nothing: callbacks hold
  // this and check it first.
  std::weak_ptr<void> lifetime() const { return lifetime_; }

private:
  std::shared_ptr<void> lifetime_ = std::make_shared<int>(0);
  // The score model fitted for the last coupon line: the lines after it, of
  // the same division and jornada on the same results, use it again.
  struct ModelFit {
    int teams = -1, jornada = -1, division = 0;
    QString seasonPath;
    std::vector<engine::PlayedMatch> played;
    engine::ScoreModel model;
  } lastModelFit_;
  // What the model of each division starts from: last season's ratings, when
  // the season before is beside the season file.
  struct ModelPast {
    QString seasonPath; // the season they were worked out for
    QString previousFile;
    std::array<std::optional<engine::ModelPrior>, 2> priors;
  } modelPast_;
  const ModelPast &modelPast();
  // "EdatoAA.txt" is never a season.
  static bool isReservedName(const QString &path);
  void refuseReservedName();
  void refreshAllViews();
  // The flags both division switches set; returns the new division's team count (20 when unknown).
  int switchDivision();
  // Coupon line k filled from a match line of List1 ("NN HOME-AWAY.").
  void fillCouponLine(int k, const QString &matchLine, int listIndex);
  void showCouponPanel();
  void changeZoom(int direction);
  void showPlayedNote();
  // The initial jornada "Retrocede" left after the final one goes back to the last ten; the user is told.
  void clampRetrocede();
};

} // namespace vaticor
