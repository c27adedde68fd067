#include "form/ForecastStore.h"

#include "text/SequentialFile.h"
#include "text/TextRules.h"

using text::fmt;
using text::instr;
using text::mid;
using text::val;

namespace forecast {

QChar codeChar(int v)
{
  return v >= 1 && v <= 70 ? QChar(static_cast<char16_t>(48 + v)) : QChar(u'\0');
}

int decodeChar(QChar c)
{
  const int u = c.unicode();
  return u >= 49 && u <= 118 ? u - 48 : 0;
}

QString couponCode(const QStringList &resultKeys, int *lastDivision)
{
  QString code(kCodeLength, QChar(u'\0'));
  for (int i = 1; i <= 15; ++i) {
    const QString key = resultKeys.value(i - 1);
    int jornada = text::ival(mid(key, 8, 2));
    int division = text::ival(mid(key, 10, 1));
    int line = text::ival(mid(key, 11, 2));
    if (division < 1 || jornada < 1 || line < 1)
      division = jornada = line = 1;
    code[2 * i - 2] = codeChar(jornada);
    code[2 * i - 1] = codeChar(division == 1 ? line : line + 15);
    if (lastDivision)
      *lastDivision = division;
  }
  return code;
}

std::optional<StoreSlots> parseStore(const QByteArray &bytes, QString *error)
{
  text::SequentialReader reader(text::decodeDataFile(bytes));
  StoreSlots store;
  while (!reader.onlyBlanksLeft()) {
    const std::optional<QString> number = reader.next();
    const int line = reader.line();
    const std::optional<QString> code = reader.next();
    if (!number)
      break;
    if (store.numbers.size() == kStoreSlots) {
      if (error)
        *error = QStringLiteral("El archivo de pronósticos tiene más de %1 líneas.").arg(kStoreSlots);
      return std::nullopt;
    }
    // Each line is a slot number of two digits and a code of 30 characters.
    bool digits = !number->isEmpty() && number->size() <= 2;
    for (QChar c : *number)
      digits = digits && c.isDigit();
    if (!digits || !code || reader.line() != line || code->size() > kCodeLength) {
      if (error)
        *error = QStringLiteral("La línea %1 del archivo de pronósticos no es un número y un código.").arg(line);
      return std::nullopt;
    }
    store.numbers.append(text::ival(*number));
    store.codes.append(fmt(code.value_or(QString()), QStringLiteral("!") + QString(kCodeLength, u'@')));
  }
  return store;
}

QByteArray storeBytes(const StoreSlots &store, int lines)
{
  QString content;
  for (int k = 0; k < lines; ++k)
    content += text::quotedLine({fmt(store.numbers.value(k), QStringLiteral("00")),
                                 store.codes.value(k, QString(kCodeLength, QChar(u'\0')))});
  return text::encodeWindows1252(content);
}

StoreSlots newStore()
{
  StoreSlots store;
  for (int k = 0; k < kStoreSlots; ++k) {
    store.numbers.append(0);
    store.codes.append(QString(kCodeLength, u' '));
  }
  return store;
}

QString combinedFigure(const QString &a, const QString &b)
{
  const int s1 = text::ival(mid(b, 17, 2)) + text::ival(mid(a, 1, 2));
  const int s2 = text::ival(mid(b, 13, 2)) + text::ival(mid(a, 4, 2));
  const int s3 = text::ival(mid(b, 10, 2)) + text::ival(mid(a, 7, 2));
  return fmt(s1, QStringLiteral("@@")) + fmt(s2, QStringLiteral("@@")) + fmt(s3, QStringLiteral("@@"));
}

} // namespace forecast

// ---- the store's buttons ----

#include "form/Qmodelop.h"

#include <QFile>
#include <QFileInfo>

namespace vaticor {

namespace {

std::optional<QByteArray> readFile(const QString &path)
{
  QFile file(path);
  if (!file.open(QIODevice::ReadOnly))
    return std::nullopt;
  return file.readAll();
}

} // namespace

QString Qmodelop::seasonFileDigits() const
{
  return fmt(text::ival(mid(text::right(seasonFilePath, 6), 1, 2)), QStringLiteral("00"));
}

QString Qmodelop::forecastStorePath() const
{
  return workDir + QStringLiteral("gprono") + seasonFileDigits() + QStringLiteral(".txt");
}

void Qmodelop::Command22_Click()
{
  QStringList keys;
  for (int i = 1; i <= 15; ++i)
    keys.append(tablap.text(2 * i - 1, 1));
  int lastDivision = division;
  const QString code = forecast::couponCode(keys, &lastDivision);
  division = static_cast<int16_t>(lastDivision);

  const QString path = forecastStorePath();
  auto failed = [this] {
    refuse(QStringLiteral(" Solo se pueden guardar 59") + kBreak + QStringLiteral(" Pronosticos/Temporada, como máximo.!"),
           QStringLiteral("Máximo de Pronósticos 59!!"), controls::MessageIcon::Information);
  };
  // A store that could not be written is told as such, not as a full store.
  auto notWritten = [this](const QString &error) {
    refuse(error, QStringLiteral("Guarda Pronóstico!!"), controls::MessageIcon::Critical);
  };
  if (!fileExists(path)) {
    services.messages->show(QStringLiteral(" ") + kBreak + QStringLiteral(" Se procede a crearlo"),
                            QStringLiteral("File ") + QFileInfo(path).fileName() + QStringLiteral(" No creado.!!"),
                            controls::MessageIcon::Information);
    const QString error = text::writeFileAtomically(path, forecast::storeBytes(forecast::newStore(), forecast::kStoreSlots));
    if (!error.isEmpty())
      return notWritten(error);
  }
  const std::optional<QByteArray> bytes = readFile(path);
  std::optional<forecast::StoreSlots> store = bytes ? forecast::parseStore(*bytes, nullptr) : std::nullopt;
  const int n = text::ival(Text5.text);
  if (!store || n < 1 || n > forecast::kStoreSlots)
    return failed();
  const int lines = static_cast<int>(store->numbers.size());
  if (n <= lines && store->numbers[n - 1] == n) {
    const controls::MessageAnswer answer = services.messages->show(
        QStringLiteral(" Desea sobreescribir?"), QStringLiteral("Pronóstico   Nº") + Text5.text + QStringLiteral("   Ya guardado?"),
        controls::MessageIcon::None, controls::MessageButtons::OkCancel);
    if (answer != controls::MessageAnswer::Ok)
      return;
  }
  while (store->numbers.size() < n) {
    store->numbers.append(0);
    store->codes.append(QString(forecast::kCodeLength, QChar(u'\0')));
  }
  store->numbers[n - 1] = n;
  store->codes[n - 1] = code;
  const QString error = text::writeFileAtomically(path, forecast::storeBytes(*store, std::max(lines, n)));
  if (!error.isEmpty())
    return notWritten(error);
  services.messages->show(QStringLiteral(" Pronóstico nº ") + Text5.text + QStringLiteral(" Guardado!"),
                          QStringLiteral("Guarda Pronóstico!!"), controls::MessageIcon::Information);
}

void Qmodelop::Command21_Click()
{
  recallMode = true;
  forecastNumber = static_cast<int16_t>(std::clamp(text::ival(Text5.text) + 1, 1, 60));
  Text5.text = fmt(forecastNumber, QStringLiteral("@@"));
  checkForecastSlot(forecastNumber);
}

void Qmodelop::Command20_Click()
{
  recallMode = true;
  forecastNumber = static_cast<int16_t>(std::clamp(text::ival(Text5.text) - 1, 1, 60));
  Text5.text = fmt(forecastNumber, QStringLiteral("@@"));
  checkForecastSlot(forecastNumber);
}

void Qmodelop::checkForecastSlot(int n)
{
  const std::optional<QByteArray> bytes = readFile(forecastStorePath());
  const std::optional<forecast::StoreSlots> store = bytes ? forecast::parseStore(*bytes, nullptr) : std::nullopt;
  if (!store) {
    refuse(QStringLiteral(" No existe archivo de pronósticos") + kBreak +
                                QStringLiteral("  en esta Temporada.") + kBreak + QStringLiteral("  Debe Crearlo!") +
                                kBreak + QStringLiteral("  Para ello debe guardar") + kBreak +
                                QStringLiteral(" el Pronóstico actual.") + kBreak,
                            QStringLiteral(" Falta archivo de Pronósticos!!"), controls::MessageIcon::Information);
    return;
  }
  const int count = static_cast<int>(store->numbers.size());
  if (n >= 1 && n <= count) {
    const QString matches = mid(store->codes[n - 1], 8, 5);
    if (matches == QStringLiteral("11111") || matches == QString(5, u' '))
      refuse(QStringLiteral("Pronostico incorrecto!") + kBreak + QStringLiteral(" Puede sobreescribirlo"),
                              QStringLiteral("Pronóstico Nº") + QString::number(n), controls::MessageIcon::Information);
  } else {
    refuse(kBreak + QStringLiteral("No Existe!!"),
                            QStringLiteral("Pronóstico Nº") + fmt(n, QStringLiteral("@@")),
                            controls::MessageIcon::Information);
  }
  Text5.text = fmt(n, QStringLiteral("@@"));
}

void Qmodelop::Command32_Click()
{
  bool numeric = false;
  const int typed = Text5.text.trimmed().toInt(&numeric);
  forecastNumber = static_cast<int16_t>(std::clamp(typed, -32768, 32767));
  const std::optional<QByteArray> bytes = readFile(forecastStorePath());
  const std::optional<forecast::StoreSlots> store = bytes ? forecast::parseStore(*bytes, nullptr) : std::nullopt;
  if (!numeric || !store || forecastNumber > store->numbers.size()) {
    refuse(kBreak + QStringLiteral("No Existe!!") + kBreak + QStringLiteral(" Corrija el nº de pronóstico!!"),
                            QStringLiteral("Pronóstico Nº") + fmt(forecastNumber, QStringLiteral("@@")),
                            controls::MessageIcon::Information);
    return;
  }
  if (forecastNumber < 1 || store->numbers[forecastNumber - 1] < 1) {
    refuse(kBreak + QStringLiteral("No Existe!!") + kBreak + QStringLiteral(" Primero debe guardarlo!"),
                            QStringLiteral("Pronóstico Nº") + QString::number(forecastNumber),
                            controls::MessageIcon::Information);
    Text5.text = fmt(forecastNumber, QStringLiteral("@@"));
    return;
  }
  Text3.text = fmt(forecastNumber, QStringLiteral("@@"));
  signModeStored = true;
  figureDigits.clear();
  Command32.enabled = false;
  recallRow = static_cast<int16_t>(std::min(recallRow + 1, 20));
  recallMode = true;
  forecastNumber = static_cast<int16_t>(std::min<int>(text::ival(Text5.text), forecast::kStoreSlots));
  tablap.fontSize = 5;
  if (!loadStoredForecast(store->codes.value(forecastNumber - 1), store->numbers.value(forecastNumber - 1)))
    return;

  signModeStored = false;
  recallMode = true;
  recountWithSecondThresholds();
  for (int r = 1; r <= 29; r += 2)
    tablap.setText(r + 1, 13, forecast::combinedFigure(tablap.text(r, 2), tablap.text(r + 1, 2)));
  for (int r = 0; r <= 30; ++r)
    tablap.setText(r, 14, tablap.text(r, 0));
}

bool Qmodelop::loadStoredForecast(const QString &code, int number)
{
  Frame13.visible = true;
  List14.clear();
  wholeJornadaMode = false;
  if (number < 1) {
    refuse(kBreak + QStringLiteral("No Existe!!"),
                            QStringLiteral("Pronóstico Nº") + QString::number(forecastNumber),
                            controls::MessageIcon::Information);
    Frame13.visible = false;
    return false;
  }
  for (int r = 1; r <= 30; ++r)
    for (int c = 0; c <= 14; ++c)
      tablap.setText(r, c, QString());
  Label46.caption = QStringLiteral("- - - - -");
  List14.clear();
  for (int i = 1; i <= 15; ++i) {
    jornada = static_cast<int16_t>(forecast::decodeChar(2 * i - 2 < code.size() ? code[2 * i - 2] : QChar()));
    recallLine = static_cast<int16_t>(forecast::decodeChar(2 * i - 1 < code.size() ? code[2 * i - 1] : QChar()));
    if (recallLine > 15) {
      division = 2;
      recallLine = static_cast<int16_t>(recallLine - 15);
    } else {
      division = 1;
    }
    if (recallLine < 2 || recallLine == 28) {
      // An empty coupon line: the list's empty line is passed.
      recallLine = 1;
      jornada = 1;
    } else if (i == 1 || instr(List1.item(0), QString::number(division)) == 0) {
      showDivision();
      // The division display suggests a coupon number from the jornada; the
      // coupon being rebuilt keeps its own, which its other factors go by.
      Text3.text = fmt(forecastNumber, QStringLiteral("@@"));
    }
    couponModeActive = false;
    List1_Click();
  }
  hideViewFrames();
  Frame16.visible = false;
  Frame9.visible = true;
  couponLeft = 0;
  Label39.visible = true;
  Frame1.visible = false;
  Label49.caption = couponTitle(QString::number(forecastNumber));
  Text5.text = QString::number(forecastNumber);
  Frame13.visible = false;
  return true;
}

} // namespace vaticor
