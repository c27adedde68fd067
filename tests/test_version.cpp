// The file version record: texts of the fixed record, the translation and its
// strings, read from Windows executables built here in memory and from our
// own programs; damaged files give no record and never a read out of bounds.
#include "TestSeasons.h"
#include "form/version/Credits.h"
#include "form/version/ExecutableFile.h"
#include "form/version/FileVersionInfo.h"
#include "form/version/VersionApi.h"
#include "form/version/VersionResource.h"

#include <QDir>
#include <QTemporaryDir>
#include <QtTest>

using namespace version;

namespace {

// The data source the credits name.
const std::pair<QString, QString> kDataSource = {
    QStringLiteral("Datos:"),
    QStringLiteral("los resultados de openfootball (github.com/openfootball), de dominio público (CC0)")};

void put16(QByteArray &b, qsizetype at, quint16 v)
{
  b[at] = char(v & 0xFF);
  b[at + 1] = char(v >> 8);
}

void put32(QByteArray &b, qsizetype at, quint32 v)
{
  put16(b, at, quint16(v & 0xFFFF));
  put16(b, at + 2, quint16(v >> 16));
}

// A Windows PE32 executable of one section, ".rsrc", whose resource directory
// holds one RT_VERSION resource (name 1, language 0x0C0A) with the block given.
QByteArray peExecutable(const QByteArray &versionBlock)
{
  constexpr int kPe = 0x40, kOptional = kPe + 24, kOptionalSize = 224, kSections = kOptional + kOptionalSize;
  constexpr int kRaw = 0x200;
  constexpr quint32 kRva = 0x1000;
  // Resource section: three directory levels, one data entry, then the data at 0x50.
  QByteArray rsrc(0x58, '\0');
  put16(rsrc, 0x0E, 1); // type level: one entry by id
  put32(rsrc, 0x10, 16);
  put32(rsrc, 0x14, 0x80000000u | 0x18);
  put16(rsrc, 0x18 + 0x0E, 1); // name level
  put32(rsrc, 0x28, 1);
  put32(rsrc, 0x2C, 0x80000000u | 0x30);
  put16(rsrc, 0x30 + 0x0E, 1); // language level
  put32(rsrc, 0x40, 0x0C0A);
  put32(rsrc, 0x44, 0x48);
  put32(rsrc, 0x48, kRva + 0x58);
  put32(rsrc, 0x4C, quint32(versionBlock.size()));
  rsrc += versionBlock;

  QByteArray pe(kRaw, '\0');
  pe[0] = 'M', pe[1] = 'Z';
  put32(pe, 0x3C, kPe);
  pe.replace(kPe, 4, QByteArray("PE\0\0", 4));
  put16(pe, kPe + 4, 0x14C);  // i386
  put16(pe, kPe + 6, 1);      // one section
  put16(pe, kPe + 20, kOptionalSize);
  put16(pe, kOptional, 0x10B); // PE32
  put32(pe, kOptional + 92, 16);
  put32(pe, kOptional + 96 + 16, kRva); // data directory 2: resources
  put32(pe, kOptional + 96 + 20, quint32(rsrc.size()));
  pe.replace(kSections, 8, QByteArray(".rsrc\0\0\0", 8));
  put32(pe, kSections + 8, quint32(rsrc.size()));
  put32(pe, kSections + 12, kRva);
  put32(pe, kSections + 16, quint32(rsrc.size()));
  put32(pe, kSections + 20, kRaw);
  return pe + rsrc;
}

// An ELF64 file whose only named sections are ".shstrtab" and ours.
QByteArray elfExecutable(const QByteArray &versionBlock)
{
  const QByteArray names = QByteArray("\0.shstrtab\0", 11) + version::kElfSectionName + '\0';
  QByteArray elf(64, '\0');
  elf.replace(0, 4, QByteArray("\x7F" "ELF"));
  elf[4] = 2, elf[5] = 1, elf[6] = 1;
  const quint32 namesAt = 64, blockAt = namesAt + quint32(names.size()), table = blockAt + quint32(versionBlock.size());
  elf += names + versionBlock;
  put32(elf, 0x28, table);
  put16(elf, 0x3A, 64);
  put16(elf, 0x3C, 3);
  put16(elf, 0x3E, 1);
  QByteArray sections(3 * 64, '\0');
  put32(sections, 64 + 0, 1); // .shstrtab
  put32(sections, 64 + 4, 3);
  put32(sections, 64 + 0x18, namesAt);
  put32(sections, 64 + 0x20, quint32(names.size()));
  put32(sections, 128 + 0, 11); // .vaticor_version
  put32(sections, 128 + 4, 1);
  put32(sections, 128 + 0x18, blockAt);
  put32(sections, 128 + 0x20, quint32(versionBlock.size()));
  return elf + sections;
}

VersionRecord spanishRecord()
{
  VersionRecord r;
  r.fixed.fileVersionMS = words(1, 2);
  r.fixed.fileVersionLS = words(0, 345);
  r.fixed.productVersionMS = words(3, 4);
  r.fixed.productVersionLS = words(5, 6);
  r.fixed.fileType = 1;
  r.fixed.fileOS = words(4, 4);
  r.strings = {{QStringLiteral("CompanyName"), QStringLiteral("Peña Quinielística")},
               {QStringLiteral("ProductVersion"), QStringLiteral("3.4.5")}};
  return r;
}

Bytes view(const QByteArray &b) { return Bytes(reinterpret_cast<const uchar *>(b.constData()), quint64(b.size())); }

} // namespace

class TestVersion : public QObject {
  Q_OBJECT

  QTemporaryDir dir;

  QString write(const QString &name, const QByteArray &bytes)
  {
    QFile f(dir.filePath(name));
    if (!f.open(QIODevice::WriteOnly) || f.write(bytes) != bytes.size())
      return QString();
    return f.fileName();
  }

  CFileVersionInfo read(const VersionRecord &record, const QString &name = QStringLiteral("prog.exe"))
  {
    CFileVersionInfo info;
    info.setFullPath(write(name, peExecutable(buildVersionResource(record))));
    return info;
  }

private slots:
  void fixedRecordTexts_data()
  {
    QTest::addColumn<QList<quint16>>("fileWords");
    QTest::addColumn<quint32>("flags");
    QTest::addColumn<quint32>("os");
    QTest::addColumn<quint32>("type");
    QTest::addColumn<quint32>("subtype");
    QTest::addColumn<QStringList>("expected"); // FileVersion, FileFlags, FileOS, FileType, FileSubtype
    using L = QList<quint16>;
    QTest::newRow("low word below 1") << L{1, 2, 0, 345} << 0u << words(4, 4) << 1u << 0u
                                      << QStringList{"1.02.0345", "", "NT-Win32", "Application", ""};
    QTest::newRow("both low words") << L{1, 2, 12, 7} << 0u << words(1, 4) << 2u << 0u
                                    << QStringList{"1.02.1207", "", "DOS-Win32", "DLL", ""};
    QTest::newRow("wide words whole") << L{10, 123, 45, 6789} << 3u << words(1, 1) << 5u << 0u
                                      << QStringList{"10.123.456789", "Debug PreRel", "DOS-Win16", "VxD", ""};
    QTest::newRow("every flag") << L{0, 0, 0, 0} << 0x3Fu << words(2, 2) << 7u << 0u
                                << QStringList{"0.00.0000", "Debug PreRel Patched Private Info Special",
                                               "OS/2-16 PM-16", "Lib", ""};
    QTest::newRow("network driver") << L{0, 0, 0, 0} << 4u << words(3, 3) << 3u << 6u
                                    << QStringList{"0.00.0000", "Patched", "OS/2-16 PM-32", "Driver", "Network drv"};
    QTest::newRow("driver of no known kind") << L{0, 0, 0, 0} << 0u << 0u << 3u << 11u
                                             << QStringList{"0.00.0000", "", "Unknown", "Driver", ""};
    QTest::newRow("truetype font") << L{0, 0, 0, 0} << 0u << words(4, 1) << 4u << 3u
                                   << QStringList{"0.00.0000", "", "Unknown", "Font", "TrueType Font"};
    QTest::newRow("type unknown") << L{0, 0, 0, 0} << 0x40u << 0u << 6u << 1u
                                  << QStringList{"0.00.0000", "", "Unknown", "Unknown", ""};
  }
  void fixedRecordTexts()
  {
    QFETCH(QList<quint16>, fileWords);
    QFETCH(quint32, flags);
    QFETCH(quint32, os);
    QFETCH(quint32, type);
    QFETCH(quint32, subtype);
    VersionRecord r = spanishRecord();
    r.fixed.fileVersionMS = words(fileWords[0], fileWords[1]);
    r.fixed.fileVersionLS = words(fileWords[2], fileWords[3]);
    r.fixed.fileFlags = flags;
    r.fixed.fileOS = os;
    r.fixed.fileType = type;
    r.fixed.fileSubtype = subtype;
    const CFileVersionInfo info = read(r);
    QVERIFY(info.Available());
    QTEST((QStringList{info.FileVersion(), info.FileFlags(), info.FileOS(), info.FileType(), info.FileSubtype()}),
          "expected");
    QCOMPARE(info.StructVersion(), QStringLiteral("1.0"));
    QCOMPARE(info.ProductVersion(), QStringLiteral("3.04.0506"));
  }

  // A subtype the table does not name keeps what an earlier file gave.
  void unknownSubtypeLeavesTheSubtype()
  {
    VersionRecord r = spanishRecord();
    r.fixed.fileType = 3;
    r.fixed.fileSubtype = 9;
    CFileVersionInfo info = read(r, QStringLiteral("sound.drv"));
    QCOMPARE(info.FileSubtype(), QStringLiteral("Sound drv"));
    r.fixed.fileSubtype = 11;
    info.setFullPath(write(QStringLiteral("other.drv"), peExecutable(buildVersionResource(r))));
    QCOMPARE(info.FileType(), QStringLiteral("Driver"));
    QCOMPARE(info.FileSubtype(), QStringLiteral("Sound drv"));
  }

  void translationAndStrings_data()
  {
    QTest::addColumn<quint16>("language");
    QTest::addColumn<quint16>("codePage");
    QTest::addColumn<QString>("tableKey"); // the string table's key when it is not the translation's
    QTest::addColumn<QString>("code");
    QTest::addColumn<QString>("languageName");
    QTest::addColumn<QString>("productVersion");
    QTest::newRow("spanish 1252") << quint16(0x0C0A) << quint16(0x04E4) << QString() << "0C0A04E4"
                                  << "Español (España, alfabetización internacional)" << "3.4.5";
    QTest::newRow("english unicode") << quint16(0x0409) << quint16(0x04B0) << QString() << "040904B0"
                                     << "Inglés (Estados Unidos)" << "3.4.5";
    QTest::newRow("unknown language") << quint16(0x0C1A) << quint16(0x04E2) << QString() << "0C1A04E2"
                                      << "Idioma desconocido" << "3.4.5";
    QTest::newRow("table of another translation") << quint16(0x040A) << quint16(0x04E4) << "0C0A04E4" << "040A04E4"
                                                  << "Español (España, alfabetización tradicional)" << "";
  }
  void translationAndStrings()
  {
    QFETCH(quint16, language);
    QFETCH(quint16, codePage);
    QFETCH(QString, tableKey);
    QFETCH(QString, code);
    QCOMPARE(translationCode(language, codePage), code);
    VersionRecord r = spanishRecord();
    r.language = language;
    r.codePage = codePage;
    if (!tableKey.isEmpty()) {
      r.language = quint16(tableKey.left(4).toUInt(nullptr, 16));
      r.codePage = quint16(tableKey.mid(4).toUInt(nullptr, 16));
    }
    QByteArray block = buildVersionResource(r);
    // The translation is the block's last value: its language, then its code page.
    put16(block, block.size() - 4, language);
    put16(block, block.size() - 2, codePage);
    CFileVersionInfo info;
    info.setFullPath(write(QStringLiteral("t.exe"), peExecutable(block)));
    QTEST(info.LanguageName(), "languageName");
    QTEST(info.ProductVersionText(), "productVersion");
    QCOMPARE(version::versionLabel(info.FullPath()), "Ver.: " + info.ProductVersionText());
    if (tableKey.isEmpty())
      QCOMPARE(info.StringFileInfo(QStringLiteral("companyname")), QStringLiteral("Peña Quinielística"));
  }

  // Every prefix and every single damaged byte of a Windows executable and
  // of an ELF one: a record whole, or none, and nothing read out of bounds.
  void damagedExecutables_data()
  {
    QTest::addColumn<QByteArray>("file");
    const QByteArray block = buildVersionResource(spanishRecord());
    QTest::newRow("pe") << peExecutable(block);
    QTest::newRow("elf") << elfExecutable(block);
  }
  void damagedExecutables()
  {
    QFETCH(QByteArray, file);
    const std::optional<QByteArray> whole = versionResourceIn(view(file));
    QVERIFY(whole);
    QCOMPARE(*whole, buildVersionResource(spanishRecord()));
    const QString path = QStringLiteral("\\StringFileInfo\\0C0A04E4\\ProductVersion");
    for (qsizetype n = 0; n < file.size(); ++n) {
      const std::optional<QByteArray> cut = versionResourceIn(view(file.left(n)));
      QVERIFY(!cut || cut->size() <= n);
      for (char junk : {'\x00', '\xFF', '\x7F'}) {
        QByteArray damaged = file;
        damaged[n] = junk;
        if (const std::optional<QByteArray> found = versionResourceIn(view(damaged)))
          findValue(view(*found), path);
      }
    }
  }

  void filesWithoutARecord_data()
  {
    QTest::addColumn<QByteArray>("bytes");
    QTest::newRow("text") << QByteArray("\"0101\"\r\n");
    QTest::newRow("empty") << QByteArray();
    QTest::newRow("pe without resources") << peExecutable(QByteArray()).left(0x200);
    QTest::newRow("root longer than its resource") << [] {
      QByteArray b = buildVersionResource(spanishRecord());
      put16(b, 0, quint16(b.size() + 4));
      return peExecutable(b);
    }();
  }
  void filesWithoutARecord()
  {
    QFETCH(QByteArray, bytes);
    const QString path = write(QStringLiteral("plain.exe"), bytes);
    CFileVersionInfo info;
    info.setFullPath(path);
    QCOMPARE(info.FullPath(), path);
    QVERIFY(!info.Available());
    QCOMPARE(info.FileVersion(), QString());
    QCOMPARE(version::versionLabel(path), QStringLiteral("Ver.: "));
  }

  // A folder path longer than the 260 characters of the first buffer.
  void longPathIsReadWhole()
  {
    QString folder = dir.path();
    while (folder.size() < 300)
      folder += QStringLiteral("/carpeta-de-temporadas");
    QVERIFY(QDir().mkpath(folder));
    const QString path = folder + QStringLiteral("/prog.exe");
    QFile f(path);
    QVERIFY(f.open(QIODevice::WriteOnly));
    f.write(peExecutable(buildVersionResource(spanishRecord())));
    f.close();
    CFileVersionInfo info;
    info.setFullPath(path);
    QCOMPARE(info.FullPath(), path);
    QCOMPARE(info.ProductVersionText(), QStringLiteral("3.4.5"));
  }

  void languageNames_data()
  {
    QTest::addColumn<uint>("language");
    QTest::addColumn<int>("size");
    QTest::addColumn<QByteArray>("name");
    QTest::newRow("spanish") << 0x0C0Au << 256 << QByteArray("Español (España, alfabetización internacional)");
    QTest::newRow("english") << 0x0409u << 256 << QByteArray("Inglés (Estados Unidos)");
    QTest::newRow("cut whole") << 0x0C0Au << 9 << QByteArray("Español");
    QTest::newRow("cut inside ñ") << 0x0C0Au << 6 << QByteArray("Espa");
    QTest::newRow("no room") << 0x0C0Au << 1 << QByteArray("");
  }
  void languageNames()
  {
    QFETCH(uint, language);
    QFETCH(int, size);
    QFETCH(QByteArray, name);
    QByteArray buffer(size, '#');
    QCOMPARE(VerLanguageNameA(language, buffer.data(), uint32_t(size)), uint32_t(name.size()));
    QCOMPARE(QByteArray(buffer.constData()), name);
  }

  // The program as built: its own file carries the project's version.
  void builtProgramCarriesTheProjectVersion()
  {
    CFileVersionInfo info;
    info.setFullPath(QStringLiteral(VATICOR_PROGRAM));
    QVERIFY(info.Available());
    QCOMPARE(info.ProductVersionText(), QStringLiteral(VATICOR_PROJECT_VERSION));
    QCOMPARE(info.LanguageName(), QStringLiteral("Español (España, alfabetización internacional)"));
    QCOMPARE(info.FileType(), QStringLiteral("Application"));
    QCOMPARE(version::versionLabel(QStringLiteral(VATICOR_PROGRAM)),
             QStringLiteral("Ver.: ") + QStringLiteral(VATICOR_PROJECT_VERSION));
    const CreditsWindow credits = creditsOf(QStringLiteral(VATICOR_PROGRAM));
    QCOMPARE(credits.heading, QStringLiteral("Vaticor"));
    QVERIFY(credits.properties.contains({QStringLiteral("Versión:"), QStringLiteral(VATICOR_PROJECT_VERSION)}));
    QVERIFY(credits.properties.contains({QStringLiteral("Compañía:"), QStringLiteral("Proyecto Vaticor")}));
    QCOMPARE(credits.properties.last(), kDataSource);
  }

  // This test program carries no record: the form shows "Ver.: " alone, and
  // the credits open through the window service and say so.
  void formOfAProgramWithoutARecord()
  {
    testing::FormFixture f;
    QCOMPARE(f.form->Label3.caption, QStringLiteral("Ver.: "));
    QVERIFY(f.form->mnucreditos.enabled);
    f.form->mnucreditos_Click();
    QCOMPARE(f.scripted.windows.opened, QStringList{QStringLiteral("creditos")});
    QCOMPARE(f.form->creditos.properties.value(1).first, QStringLiteral("Versión:"));
    // The source of the bundled seasons is named with or without a record.
    QCOMPARE(f.form->creditos.properties.last(), kDataSource);
  }
};

QTEST_GUILESS_MAIN(TestVersion)
#include "test_version.moc"
