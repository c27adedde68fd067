// How fast Vaticor does what a player asks of it, on the bundled real
// seasons: reading a season, every view, a coupon, storing and rebuilding it,
// the 1X2 tables, an import, the score model, a backtest, the window's
// start-up; and the memory it takes at its peak.
#include "engine/ModelBacktest.h"
#include "engine/Reliability.h"
#include "engine/ValuationBacktest.h"
#include "form/CouponRoad.h"
#include "engine/Systems.h"
#include "engine/SeasonImport.h"
#include "form/HeadlessForm.h"
#include "engine/systems/CodeTable.h"
#include "engine/systems/Conditions.h"
#include "engine/systems/Reduction.h"
#include "season/SeasonFile.h"
#include "ui/MainWindow.h"

#include <QApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QTemporaryDir>
#include <benchmark/benchmark.h>
#include <sys/resource.h>

namespace {

QString samples() { return QStringLiteral(VATICOR_SOURCE_DIR "/samples/"); }

// A form of its own, as one run of the program, with a season loaded from a
// folder of its own (the store and record files go there).
struct Program {
  QTemporaryDir folder;
  vaticor::HeadlessForm headless{folder.path()};
  vaticor::Qmodelop &form = headless.form;
  explicit Program(const QString &season = QStringLiteral("Edato14.txt"))
  {
    QFile::copy(samples() + season, folder.filePath(season));
    form.loadSeason(folder.filePath(season));
  }
};

void readSeason(benchmark::State &state)
{
  for (auto _ : state)
    benchmark::DoNotOptimize(season::readSeasonFile(samples() + QStringLiteral("Edato14.txt"), nullptr));
}
BENCHMARK(readSeason)->Unit(benchmark::kMicrosecond);

void view(benchmark::State &state)
{
  Program p;
  if (state.range(1) == 2)
    p.form.Command6_Click();
  using Handler = void (vaticor::Qmodelop::*)();
  const Handler views[] = {&vaticor::Qmodelop::Command7_Click,  &vaticor::Qmodelop::Command12_Click,
                           &vaticor::Qmodelop::Command11_Click, &vaticor::Qmodelop::Command4_Click,
                           &vaticor::Qmodelop::Command3_Click,  &vaticor::Qmodelop::Command8_Click,
                           &vaticor::Qmodelop::Command9_Click,  &vaticor::Qmodelop::Command10_Click};
  const char *names[] = {"Resultados", "Clasificaciones", "Evolución Eqps", "Evolución Signos",
                         "Jornada Equivalente", "Jornadas", "Historial", "Tablas 1X2"};
  state.SetLabel(std::string(names[state.range(0)]) + (state.range(1) == 2 ? ", 2ª" : ", 1ª"));
  for (auto _ : state)
    (p.form.*views[state.range(0)])();
}
BENCHMARK(view)->ArgsProduct({benchmark::CreateDenseRange(0, 7, 1), {1, 2}})->Unit(benchmark::kMicrosecond);

const QStringList kCoupon = {"1/20/todo", "2/22/1", "2/22/2", "2/22/3", "2/22/4", "2/22/5"};

void coupon(benchmark::State &state)
{
  for (auto _ : state) {
    state.PauseTiming();
    Program p;
    state.ResumeTiming();
    vaticor::playCoupon(p.form, 21, kCoupon);
  }
  state.SetLabel("Quiniela, 15 partidos y las figuras");
}
BENCHMARK(coupon)->Unit(benchmark::kMillisecond);

// The coupon itself, the form already at its jornada: prepared, the whole of
// jornada 20 of 1ª passed to it (10 lines), then five matches of jornada 21
// (15 lines), and the figures; moving through the jornadas is not counted.
void couponAtItsJornada(benchmark::State &state)
{
  for (auto _ : state) {
    state.PauseTiming();
    Program p;
    while (p.form.jornada != 20)
      p.form.Text2_KeyPress(p.form.jornada < 20 ? vaticor::Qmodelop::kPlus : vaticor::Qmodelop::kMinus);
    state.ResumeTiming();
    p.form.Text3.text = QStringLiteral("21");
    p.form.Command13_Click();
    p.form.Command16_Click();
    p.form.List1_Click();
    p.form.Command16_Click();
    state.PauseTiming();
    p.form.Text2_KeyPress(vaticor::Qmodelop::kPlus);
    state.ResumeTiming();
    for (int match = 1; match <= 5; ++match) {
      p.form.List1.setListIndex(match + 1);
      p.form.List1_Click();
    }
    p.form.Label46_Click();
  }
  state.SetLabel("Quiniela en su jornada: 15 partidos y las figuras");
}
BENCHMARK(couponAtItsJornada)->Unit(benchmark::kMillisecond);

// The values of a coupon's matches as the engine computes them: the whole of
// jornada 20 of 1ª and of jornada 22 of 2ª (21 matches), each on the season
// cut back to the eve of its jornada.
void couponValues(benchmark::State &state)
{
  const season::Season season = *season::readSeasonFile(samples() + QStringLiteral("Edato14.txt"), nullptr);
  const season::Season cut1 = engine::cutBack(season, 1, 20), cut2 = engine::cutBack(season, 2, 22);
  for (auto _ : state) {
    benchmark::DoNotOptimize(engine::valueJornada(cut1, 1, 20));
    benchmark::DoNotOptimize(engine::valueJornada(cut2, 2, 22));
  }
  state.SetLabel("valores de 21 partidos");
}
BENCHMARK(couponValues)->Unit(benchmark::kMicrosecond);

void storeAndRebuild(benchmark::State &state)
{
  Program p;
  vaticor::playCoupon(p.form, 21, kCoupon);
  for (auto _ : state) {
    p.form.Text5.text = QStringLiteral("21");
    p.form.Command22_Click();
    p.form.Text5.text = QStringLiteral("21");
    p.form.Command32_Click();
  }
}
BENCHMARK(storeAndRebuild)->Unit(benchmark::kMillisecond);

void tables1X2(benchmark::State &state)
{
  Program p;
  vaticor::playCoupon(p.form, 21, kCoupon);
  for (auto _ : state) {
    p.form.Text5.text = QStringLiteral("21");
    p.form.Command29_Click();
  }
}
BENCHMARK(tables1X2)->Unit(benchmark::kMillisecond);

void import(benchmark::State &state)
{
  const QString folder = samples() + QStringLiteral("openfootball/2013-14/");
  for (auto _ : state)
    benchmark::DoNotOptimize(engine::importFiles(folder + QStringLiteral("1-liga.txt"),
                                                 folder + QStringLiteral("2-liga2.txt"),
                                                 samples() + QStringLiteral("nombres.csv"), nullptr));
}
BENCHMARK(import)->Unit(benchmark::kMillisecond);

void modelFit(benchmark::State &state)
{
  const auto s = season::readSeasonFile(samples() + QStringLiteral("Edato14.txt"), nullptr);
  const std::vector<engine::PlayedMatch> played = engine::playedMatches(*s, 1);
  for (auto _ : state)
    benchmark::DoNotOptimize(engine::ScoreModel::fit(20, played, 30));
  state.SetLabel("jornada 30, 1ª División");
}
BENCHMARK(modelFit)->Unit(benchmark::kMicrosecond);

// Thirteen seasons played back from jornada 6, each with the season before
// it: Edato14.txt to Edato26.txt in a folder of their own, the five complete
// bundled seasons (2012/13, 2013/14, 2019/20, 2022/23, 2024/25) repeated in
// turn, Edato13.txt the first of the chain. The model alone, and the whole of
// Fiabilidad (the valuation and the model).
QStringList thirteenSeasons(QTemporaryDir &folder)
{
  const QStringList complete = {QStringLiteral("Edato13.txt"), QStringLiteral("Edato14.txt"),
                                QStringLiteral("Edato20.txt"), QStringLiteral("Edato23.txt"),
                                QStringLiteral("Edato25.txt")};
  QStringList paths;
  for (int k = 13; k <= 26; ++k) {
    const QString path = folder.filePath(QStringLiteral("Edato%1.txt").arg(k));
    QFile::copy(samples() + complete[(k - 13) % complete.size()], path);
    if (k > 13)
      paths << path;
  }
  return paths;
}

void modelSeasons(benchmark::State &state)
{
  QTemporaryDir folder;
  const QStringList paths = thirteenSeasons(folder);
  int matches = 0;
  for (auto _ : state) {
    const auto result = engine::backtestSeasons(paths, 6);
    matches = result ? result->pooled[0].tally.matches + result->pooled[1].tally.matches : 0;
  }
  state.SetLabel("13 temporadas con la anterior, " + std::to_string(matches) + " partidos");
}
BENCHMARK(modelSeasons)->Unit(benchmark::kMillisecond);

void reliabilitySeasons(benchmark::State &state)
{
  QTemporaryDir folder;
  std::vector<engine::SeasonSource> sources;
  for (const QString &path : thirteenSeasons(folder))
    sources.push_back({path, std::nullopt});
  int matches = 0;
  for (auto _ : state) {
    const auto result = engine::reliability(sources, 6);
    matches = result ? result->pooledValuation[0].matches + result->pooledValuation[1].matches : 0;
  }
  state.SetLabel("Fiabilidad: 13 temporadas, valoración y modelo, " + std::to_string(matches) + " partidos valorados");
}
BENCHMARK(reliabilitySeasons)->Unit(benchmark::kMillisecond)->Iterations(3);

void backtest(benchmark::State &state)
{
  const season::Season season = *season::readSeasonFile(samples() + QStringLiteral("Edato14.txt"), nullptr);
  for (auto _ : state)
    benchmark::DoNotOptimize(engine::backtestValuation(season, 6));
  state.SetLabel("2013/14, las dos divisiones desde la jornada 6");
}
BENCHMARK(backtest)->Unit(benchmark::kMillisecond)->Iterations(3);

void reduction(benchmark::State &state)
{
  const engine::System system = *engine::parseSystem(
      QStringLiteral("1X2,1X2,1X2,1X2,1X2,1X2,1,1,1,1,1,1,1,1"));
  std::size_t columns = 0;
  for (auto _ : state)
    columns = engine::reduce(system, int(state.range(0)))->size();
  state.SetLabel("6 triples al " + std::to_string(state.range(0)) + ": " + std::to_string(columns) + " columnas");
}
BENCHMARK(reduction)->Arg(13)->Arg(12)->Unit(benchmark::kMillisecond);

// Reading the table of covering codes, every code checked as it is read.
void coveringTable(benchmark::State &state)
{
  std::size_t codes = 0;
  for (auto _ : state)
    codes = engine::systems::CodeTable::load(samples() + QStringLiteral("recubrimientos.txt")).codes().size();
  state.SetLabel(std::to_string(codes) + " códigos");
}
BENCHMARK(coveringTable)->Unit(benchmark::kMillisecond);

// A system beyond the table: the constructions from it, then the search on
// line for the time a window may take (5 triples and 5 doubles, 7776 direct columns).
void onlineSearch(benchmark::State &state)
{
  const engine::systems::CodeTable table =
      engine::systems::CodeTable::load(samples() + QStringLiteral("recubrimientos.txt"));
  const engine::systems::MixedSpace space = engine::systems::MixedSpace::ofShape(5, 5);
  std::size_t columns = 0;
  for (auto _ : state)
    columns = engine::systems::reduceSpace(space, int(state.range(0)), table, engine::systems::interactiveLimits()).size();
  state.SetLabel("5 triples y 5 dobles al " + std::to_string(14 - state.range(0)) + ": " + std::to_string(columns) +
                 " columnas");
}
BENCHMARK(onlineSearch)->Arg(1)->Arg(2)->Unit(benchmark::kMillisecond)->Iterations(3);

// A reducción condicionada: 6 triples and 2 doubles filtered by X, 2 and runs, reduced al 13.
void conditioned(benchmark::State &state)
{
  engine::systems::SignSets system;
  for (int m = 0; m < engine::systems::kMatches; ++m)
    system[m] = m < 6 ? QStringLiteral("1X2") : m < 8 ? QStringLiteral("1X") : QStringLiteral("1");
  engine::systems::Conditions c;
  c.draws = {2, 4};
  c.aways = {1, 3};
  c.longestRun = {1, 7};
  std::size_t columns = 0;
  for (auto _ : state)
    columns = engine::systems::reduceConditioned(system, 13, c, engine::systems::interactiveLimits())->columns.size();
  state.SetLabel(std::to_string(columns) + " columnas");
}
BENCHMARK(conditioned)->Unit(benchmark::kMillisecond)->Iterations(3);

void startup(benchmark::State &state)
{
  for (auto _ : state) {
    Program p;
    ui::MainWindow window(p.form);
    window.refresh();
    window.show();
    QApplication::processEvents();
    benchmark::DoNotOptimize(window.grab());
  }
  state.SetLabel("la ventana con la temporada cargada, hasta pintarse");
}
BENCHMARK(startup)->Unit(benchmark::kMillisecond)->Iterations(5);

} // namespace

int main(int argc, char **argv)
{
  qputenv("QT_QPA_PLATFORM", qgetenv("QT_QPA_PLATFORM").isEmpty() ? "offscreen" : qgetenv("QT_QPA_PLATFORM"));
  QApplication app(argc, argv);
  benchmark::Initialize(&argc, argv);
  benchmark::RunSpecifiedBenchmarks();
  benchmark::Shutdown();
  rusage usage{};
  getrusage(RUSAGE_SELF, &usage);
  std::printf("Memoria residente máxima: %.1f MB\n", usage.ru_maxrss / 1024.0);
  return 0;
}
