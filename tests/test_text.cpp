// The text rules every screen shares: masks, number reading and writing,
// rounding, slicing, the quoted file form, Windows-1252 and safe rewrites.
#include "TestSeasons.h"
#include "text/SequentialFile.h"
#include "text/Settings.h"
#include "text/TextRules.h"

#include <QDir>
#include <QSettings>
#include <QtTest>

#include <clocale>
#include <cmath>
#include <limits>

using namespace text;

namespace {

QStringList readValues(const QString &data)
{
  SequentialReader reader(data);
  QStringList values;
  while (const std::optional<QString> v = reader.next())
    values.append(*v);
  return values;
}

} // namespace

class TestText : public QObject {
  Q_OBJECT

private slots:
  // A double value goes through the number masks, a text through the text ones.
  void format_data()
  {
    QTest::addColumn<QVariant>("value");
    QTest::addColumn<QString>("mask");
    QTest::addColumn<QString>("expected");
    auto row = [](const char *name, const QVariant &v, const QString &m, const QString &e) {
      QTest::newRow(name) << v << m << e;
    };
    row("##00.0 two integer digits", 5.6, "##00.0", "05.6");
    row("##00.0 half judged on 15 digits", 0.15, "##00.0", "00.2");
    row("##00.0 more digits than places", 12345.67, "##00.0", "12345.7");
    row("##00.0 zero", 0.0, "##00.0", "00.0");
    row("##00.0 negative", -5.6, "##00.0", "-05.6");
    row("##00.0 whole negative", -12.0, "##00.0", "-12.0");
    row("0.0# whole", 3.0, "0.0#", "3.0");
    row("00 fifteen digits", 999999999999999.0, "00", "999999999999999");
    row("##00.0 negative half away from zero", -0.25, "##00.0", "-00.3");
    row("##00.0 literal after", 10.04, "##00.0|", "10.0|");
    row("00 half up", 2.5, "00", "03");
    row("0.00 1.005 on 15 digits", 1.005, "0.00", "1.01");
    row("0ª Div. point outside the digits", 2.0, "0ª Div. ", "2ª Div. ");
    row("0ra División", 1.0, "   0ra División ", "   1ra División ");
    row("-00 literal dash", 5.0, "-00", "-05");
    row("# zero writes nothing", 0.0, "#", "");
    row("#.## no integer digit", 0.5, "#.##", ".5");
    row("0.0# optional decimal used", 1.25, "0.0#", "1.25");
    row("0.0# optional decimal dropped", 1.2, "0.0#", "1.2");
    row("@@ 5", 5.0, "@@", " 5");
    row("@@@ fraction", 0.6, "@@@", "0.6");
    row("name keeps its blank", "RAYO ", "@@@@@", "RAYO ");
    row("short name right-aligned", "ABC", "@@@@@", "  ABC");
    row("-@@@@@. longer", "ATLÉTI", "-@@@@@.", "-ATLÉTI.");
    row("label then literal", "1ª DIVISIÓN", "@@@@@@@@@@@@ Jorn=", " 1ª DIVISIÓN Jorn=");
    row("!@@@| left then literal", "AB", "!@@@|", "AB |");
    row("!@@| longer keeps literal last", "ABCDE", "!@@|", "ABCDE|");
    row("@@| longer", "ABCD", "@@|", "ABCD|");
    row("empty left", "", "!@@|", "  |");
    row("numeric text through -00", "5", "-00", "-05");
    row("numeric text with blank through 00", " 12", "00", "12");
  }

  void format()
  {
    QFETCH(QVariant, value);
    QFETCH(QString, mask);
    QTEST(value.typeId() == QMetaType::Double ? fmt(value.toDouble(), mask) : fmt(value.toString(), mask),
          "expected");
  }

  void numberText_data()
  {
    QTest::addColumn<double>("value");
    QTest::addColumn<QString>("plain");
    QTest::addColumn<QString>("withBlank");
    QTest::newRow("positive") << 5.0 << "5" << " 5";
    QTest::newRow("zero") << 0.0 << "0" << " 0";
    QTest::newRow("negative") << -3.0 << "-3" << "-3";
    QTest::newRow("fraction") << -2.5 << "-2.5" << "-2.5";
    QTest::newRow("15 significant digits") << 0.1 + 0.2 << "0.3" << " 0.3";
    QTest::newRow("third") << 1.0 / 3 << "0.333333333333333" << " 0.333333333333333";
  }

  void numberText()
  {
    QFETCH(double, value);
    QTEST(text::numberText(value), "plain");
    QTEST(str(value), "withBlank");
  }

  void readNumber_data()
  {
    QTest::addColumn<QString>("input");
    QTest::addColumn<double>("expected");
    QTest::newRow("digits then letters") << "12abc" << 12.0;
    QTest::newRow("two dots") << ".." << 0.0;
    QTest::newRow("empty") << "" << 0.0;
    QTest::newRow("sign and point") << "-3.5x" << -3.5;
    QTest::newRow("blanks and plus") << "  +4" << 4.0;
    QTest::newRow("tab") << "\t9" << 9.0;
    QTest::newRow("second point ends") << "1.2.3" << 1.2;
    QTest::newRow("minus point") << "-.5" << -0.5;
    QTest::newRow("sign alone") << "-" << 0.0;
    QTest::newRow("jornadas record") << "0909" << 909.0;
    QTest::newRow("ordinal") << " 1ª" << 1.0;
    QTest::newRow("whole then point") << "12." << 12.0;
    QTest::newRow("minus zeros") << "-007" << -7.0;
    QTest::newRow("sixteen digits") << "1234567890123456" << 1234567890123456.0;
  }

  void readNumber()
  {
    QFETCH(QString, input);
    QTEST(val(input), "expected");
  }

  void realToInt16_data()
  {
    QTest::addColumn<double>("value");
    QTest::addColumn<int>("expected");
    QTest::newRow("2.5 to even") << 2.5 << 2;
    QTest::newRow("3.5 to even") << 3.5 << 4;
    QTest::newRow("-2.5 to even") << -2.5 << -2;
    QTest::newRow("0.5 to even") << 0.5 << 0;
    QTest::newRow("above half") << 2.6 << 3;
    QTest::newRow("top") << 32767.4 << 32767;
    QTest::newRow("half over top") << 32767.5 << 32767;
    QTest::newRow("under bottom") << -40000.0 << -32768;
    QTest::newRow("not a number") << std::numeric_limits<double>::quiet_NaN() << 0;
  }

  void realToInt16()
  {
    QFETCH(double, value);
    QFETCH(int, expected);
    QCOMPARE(int(toInt16(value)), expected);
    if (std::isfinite(value) && std::fabs(value) < 1000)
      QCOMPARE(int(ival(QString::number(value, 'f', 4))), expected);
  }

  void slicing_data()
  {
    QTest::addColumn<QString>("op");
    QTest::addColumn<QString>("input");
    QTest::addColumn<int>("start");
    QTest::addColumn<int>("length");
    QTest::addColumn<QString>("expected");
    QTest::newRow("mid by character") << "mid" << "1ªDIVISIÓN" << 9 << 2 << "ÓN";
    QTest::newRow("mid runs past end") << "mid" << "ABCDE" << 4 << 10 << "DE";
    QTest::newRow("mid starts past end") << "mid" << "ABCDE" << 6 << 2 << "";
    QTest::newRow("mid rest") << "mid" << "ABCDE" << 3 << -1 << "CDE";
    QTest::newRow("mid zero length") << "mid" << "ABCDE" << 2 << 0 << "";
    QTest::newRow("mid start 0 shortens") << "mid" << "ABCDE" << 0 << 2 << "A";
    QTest::newRow("mid negative start") << "mid" << "ABCDE" << -1 << 3 << "A";
    QTest::newRow("mid wholly before") << "mid" << "ABCDE" << -5 << 3 << "";
    QTest::newRow("left") << "left" << "BARÇA" << 4 << 0 << "BARÇ";
    QTest::newRow("left past end") << "left" << "ABC" << 5 << 0 << "ABC";
    QTest::newRow("left negative") << "left" << "ABC" << -1 << 0 << "";
    QTest::newRow("right") << "right" << "2022" << 2 << 0 << "22";
    QTest::newRow("right past end") << "right" << "ABC" << 9 << 0 << "ABC";
    QTest::newRow("right negative") << "right" << "ABC" << -2 << 0 << "";
  }

  void slicing()
  {
    QFETCH(QString, op);
    QFETCH(QString, input);
    QFETCH(int, start);
    QFETCH(int, length);
    const QString got = op == "mid"    ? mid(input, start, length)
                        : op == "left" ? left(input, start)
                                       : right(input, start);
    QTEST(got, "expected");
  }

  void search_data()
  {
    QTest::addColumn<int>("start");
    QTest::addColumn<QString>("hay");
    QTest::addColumn<QString>("needle");
    QTest::addColumn<int>("expected");
    QTest::newRow("team slot") << 1 << "BARÇA-R.MAD-ATLÉT-" << "ATLÉT" << 13;
    QTest::newRow("from later start") << 4 << "ABCABC" << "C" << 6;
    QTest::newRow("start past end") << 7 << "ABCABC" << "C" << 0;
    QTest::newRow("negative start") << -3 << "ABC" << "B" << 2;
    QTest::newRow("case matters") << 1 << "abc" << "B" << 0;
    QTest::newRow("empty needle") << 2 << "ABC" << "" << 2;
    QTest::newRow("both empty") << 1 << "" << "" << 0;
  }

  void search()
  {
    QFETCH(int, start);
    QFETCH(QString, hay);
    QFETCH(QString, needle);
    QTEST(instr(start, hay, needle), "expected");
  }

  void readValues_data()
  {
    QTest::addColumn<QString>("data");
    QTest::addColumn<QStringList>("expected");
    QTest::newRow("quoted, CR LF") << "\"a\",\"b\"\r\n\"c\"\r\n" << QStringList{"a", "b", "c"};
    QTest::newRow("quoted comma") << "\"a,b\",\"c\"" << QStringList{"a,b", "c"};
    QTest::newRow("quoted blanks kept") << "\"RAYO \"\r\n\"     \"\r\n" << QStringList{"RAYO ", "     "};
    QTest::newRow("empty quoted") << "\"\",\"x\"" << QStringList{"", "x"};
    QTest::newRow("unquoted") << "12,34\r\n56\r\n" << QStringList{"12", "34", "56"};
    QTest::newRow("bare LF") << "\"a\"\n\"b\"\nc\nd" << QStringList{"a", "b", "c", "d"};
    QTest::newRow("blanks around unquoted") << "  \"a\",  b  ,c\r\n" << QStringList{"a", "b", "c"};
    QTest::newRow("tabs around unquoted") << "\t7\t,8" << QStringList{"7", "8"};
    QTest::newRow("text after closing quote") << "\"ab\"cd,\"e\"\r\n" << QStringList{"ab", "e"};
    QTest::newRow("missing closing quote") << "\"a\",\"bc" << QStringList{"a", "bc"};
    QTest::newRow("unquoted at end of data") << "12" << QStringList{"12"};
    QTest::newRow("blanks only") << "   " << QStringList{};
  }

  void readValues()
  {
    QFETCH(QString, data);
    QTEST(::readValues(data), "expected");
  }

  void quotedLines_data()
  {
    QTest::addColumn<QStringList>("values");
    QTest::addColumn<QByteArray>("bytes");
    QTest::newRow("two values") << QStringList{"a", "b"} << QByteArray("\"a\",\"b\"\r\n");
    QTest::newRow("blank kept") << QStringList{"RAYO "} << QByteArray("\"RAYO \"\r\n");
    QTest::newRow("accented") << QStringList{"BARÇA"} << QByteArray("\"BAR\xC7" "A\"\r\n");
    QTest::newRow("empty value") << QStringList{""} << QByteArray("\"\"\r\n");
    QTest::newRow("no values") << QStringList{} << QByteArray("\r\n");
  }

  void quotedLines()
  {
    QFETCH(QStringList, values);
    QFETCH(QByteArray, bytes);
    QCOMPARE(encodeWindows1252(quotedLine(values)), bytes);
    if (!values.isEmpty())
      QCOMPARE(::readValues(decodeWindows1252(bytes)), values);
  }

  void windows1252_data()
  {
    QTest::addColumn<QString>("text");
    QTest::addColumn<QByteArray>("bytes");
    QTest::addColumn<bool>("decodesBack"); // false: the text cannot be written and becomes "?"
    QTest::newRow("division label") << "1ªDIVISIÓN" << QByteArray("1\xAA" "DIVISI\xD3N") << true;
    QTest::newRow("euro") << "€" << QByteArray("\x80") << true;
    QTest::newRow("Œ ž Ÿ —") << "Œ\u017E\u0178\u2014" << QByteArray("\x8C\x9E\x9F\x97") << true;
    QTest::newRow("undefined 81 8D 8F 90 9D") << QStringView(u"\u0081\u008D\u008F\u0090\u009D").toString()
                                              << QByteArray("\x81\x8D\x8F\x90\x9D") << true;
    QTest::newRow("Polish l") << "A\u0142B" << QByteArray("A?B") << false;
    QTest::newRow("C1 that stands for euro") << "\u0080" << QByteArray("?") << false;
    QTest::newRow("outside the BMP, one mark") << QString::fromUtf8("x\xF0\x9F\x98\x80y") << QByteArray("x?y")
                                               << false;
  }

  void windows1252()
  {
    QFETCH(QString, text);
    QFETCH(QByteArray, bytes);
    QFETCH(bool, decodesBack);
    QCOMPARE(encodeWindows1252(text), bytes);
    if (decodesBack)
      QCOMPARE(decodeWindows1252(bytes), text);
  }

  void windows1252EveryByteSurvives()
  {
    QByteArray all;
    for (int b = 0; b < 256; ++b)
      all += char(b);
    const QString decoded = decodeWindows1252(all);
    QCOMPARE(decoded.size(), 256);
    QCOMPARE(encodeWindows1252(decoded), all);
  }

  void dataFileEncoding_data()
  {
    QTest::addColumn<QByteArray>("bytes");
    QTest::addColumn<QString>("expected");
    QTest::newRow("Windows-1252") << QByteArray("BAR\xC7" "A") << "BARÇA";
    QTest::newRow("UTF-8") << QByteArray("BAR\xC3\x87" "A") << "BARÇA";
    QTest::newRow("UTF-8 with BOM") << QByteArray("\xEF\xBB\xBF" "BAR\xC3\x87" "A") << "BARÇA";
    QTest::newRow("UTF-8 decomposed") << QByteArray("BARC\xCC\xA7" "A") << "BARÇA";
    QTest::newRow("UTF-8 cut inside a character") << QByteArray("AB\xC3") << "ABÃ";
    QTest::newRow("one bad byte makes it Windows-1252") << QByteArray("\xC3\x89\xC9") << "Ã‰É";
  }

  void dataFileEncoding()
  {
    QFETCH(QByteArray, bytes);
    QTEST(decodeDataFile(bytes), "expected");
  }

  void atomicWrite_data()
  {
    QTest::addColumn<QString>("target"); // relative to a fresh folder
    QTest::addColumn<QByteArray>("before");
    QTest::addColumn<bool>("succeeds");
    QTest::newRow("new file") << "Edato13.txt" << QByteArray() << true;
    QTest::newRow("shorter replaces longer whole") << "Edato13.txt" << QByteArray(100, 'x') << true;
    QTest::newRow("missing folder") << "missing/Edato13.txt" << QByteArray() << false;
    QTest::newRow("target is a folder") << "busy" << QByteArray() << false;
  }

  void atomicWrite()
  {
    QFETCH(QString, target);
    QFETCH(QByteArray, before);
    QFETCH(bool, succeeds);
    QTemporaryDir dir;
    const QString path = dir.filePath(target);
    if (target == "busy")
      QVERIFY(QDir(dir.path()).mkpath("busy/inner"));
    else if (!before.isEmpty())
      testing::writeAll(path, before);
    const QByteArray bytes("\"BAR\xC7" "A\"\r\n\0\xFF\r\n", 13);
    QCOMPARE(writeFileAtomically(path, bytes).isEmpty(), succeeds);
    const QStringList entries = QDir(dir.path()).entryList(QDir::AllEntries | QDir::NoDotAndDotDot | QDir::Hidden);
    if (succeeds)
      QCOMPARE(testing::readAll(path), bytes);
    if (target == "busy")
      QVERIFY(QFileInfo::exists(path + "/inner"));
    // No temporary file stays behind, and a failed write leaves nothing new.
    QCOMPARE(entries, succeeds || target == "busy" ? QStringList{target} : QStringList{});
  }

  // A disk that fills up half-way leaves the old file whole, not a cut file.
  void atomicWriteCutShort_data()
  {
    QTest::addColumn<int>("limit"); // bytes a file may reach
    QTest::addColumn<int>("size");  // bytes written
    QTest::newRow("nothing fits") << 0 << 20;
    QTest::newRow("first block only") << 4096 << 5000;
    QTest::newRow("one byte short") << 999 << 1000;
  }

  void atomicWriteCutShort()
  {
    QFETCH(int, limit);
    QFETCH(int, size);
    QTemporaryDir dir;
    const QString path = dir.filePath("Edato14.txt");
    const QByteArray old("\"old\"\r\n");
    testing::writeAll(path, old);
    QString error;
    {
      testing::FileSizeLimit full(limit);
      error = writeFileAtomically(path, QByteArray(size, 'x'));
    }
    QVERIFY(error.startsWith("Error al escribir el archivo " + path + ": "));
    QCOMPARE(testing::readAll(path), old);
    QCOMPARE(QDir(dir.path()).entryList(QDir::Files | QDir::Hidden), QStringList{"Edato14.txt"});
    // The same write fits once the disk has room.
    QCOMPARE(writeFileAtomically(path, QByteArray(size, 'x')), QString());
    QCOMPARE(testing::readAll(path).size(), size);
  }

  // The settings file: written whole, read back as QSettings reads it, and
  // left as it was when the disk is full.
  void settingsFile()
  {
    QTemporaryDir dir;
    const QString path = dir.filePath("Vaticor.ini");
    testing::writeAll(path, "; comment\n[internet]\nopenfootball = \"http://x/\"\n[sistemas]\nprecio=0.75\n");
    text::Settings settings = text::Settings::read(path);
    QCOMPARE(settings.value("internet/openfootball"), QString("http://x/"));
    QCOMPARE(settings.value("sistemas/precio"), QString("0.75"));
    QCOMPARE(settings.value("sistemas/falta", "1"), QString("1"));
    settings.setValue("vista/zoom", "2");
    QCOMPARE(settings.write(path), QString());
    QCOMPARE(testing::readAll(path),
             QByteArray("[internet]\nopenfootball=http://x/\n\n[sistemas]\nprecio=0.75\n\n[vista]\nzoom=2\n"));
    QCOMPARE(QSettings(path, QSettings::IniFormat).value("vista/zoom").toInt(), 2);
    const QByteArray before = testing::readAll(path);
    settings.setValue("sistemas/precio", "1.5");
    {
      testing::FileSizeLimit full(10);
      QVERIFY(settings.write(path).startsWith("Error al escribir el archivo " + path));
    }
    QCOMPARE(testing::readAll(path), before);
    QCOMPARE(text::Settings::read(dir.filePath("none.ini")).value("sistemas/precio", "-"), QString("-"));
  }

  // Numbers read and written the same under the user's Spanish locale, where
  // the C library's decimal point is a comma.
  void spanishLocale_data()
  {
    QTest::addColumn<QString>("input");
    QTest::addColumn<double>("read");
    QTest::addColumn<QString>("mask");
    QTest::addColumn<QString>("written");
    QTest::newRow("equated point") << "04.9" << 4.9 << "##00.0" << "04.9";
    QTest::newRow("negative") << "-12.25" << -12.25 << "##0.00" << "-12.25";
    QTest::newRow("half up on 15 digits") << "0.15" << 0.15 << "##00.0" << "00.2";
    QTest::newRow("comma stops the number") << "3,5" << 3.0 << "0.0" << "3.0";
    QTest::newRow("large") << "123456.5" << 123456.5 << "0" << "123457";
    QTest::newRow("small") << "0.000123" << 0.000123 << "0.0000" << "0.0001";
  }

  void spanishLocale()
  {
    QFETCH(QString, input);
    QFETCH(QString, mask);
    const std::string before = setlocale(LC_ALL, nullptr);
    QVERIFY2(setlocale(LC_ALL, "es_ES.UTF-8"), "the es_ES.UTF-8 locale is missing (see LOCPATH in the tests)");
    const double got = val(input);
    const QString text = fmt(got, mask);
    setlocale(LC_ALL, before.c_str());
    QTEST(got, "read");
    QTEST(text, "written");
  }
};

QTEST_GUILESS_MAIN(TestText)
#include "test_text.moc"
