// Runs a fuzz target once on every file of the folders named, so the inputs
// that once broke the program (and the seeds) are checked by every build,
// sanitizers included, without needing the fuzzer itself.
#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <cstdint>
#include <cstdio>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size);

int main(int argc, char **argv)
{
  QCoreApplication app(argc, argv);
  int files = 0;
  for (int i = 1; i < argc; ++i) {
    const QDir dir(QString::fromLocal8Bit(argv[i]));
    for (const QFileInfo &entry : dir.entryInfoList(QDir::Files, QDir::Name)) {
      QFile file(entry.absoluteFilePath());
      if (!file.open(QIODevice::ReadOnly)) {
        std::fprintf(stderr, "cannot read %s\n", qPrintable(entry.absoluteFilePath()));
        return 1;
      }
      const QByteArray bytes = file.readAll();
      LLVMFuzzerTestOneInput(reinterpret_cast<const uint8_t *>(bytes.constData()), static_cast<size_t>(bytes.size()));
      ++files;
    }
  }
  std::printf("%d inputs replayed\n", files);
  return files > 0 ? 0 : 1;
}
