#include "form/version/Credits.h"

#include "form/Qmodelop.h"
#include "form/version/FileVersionInfo.h"

#include <QCoreApplication>

namespace version {

namespace {

// Where the bundled seasons and the updates come from.
const std::pair<QString, QString> kDataSource = {
    QStringLiteral("Datos:"),
    QStringLiteral("los resultados de openfootball (github.com/openfootball), de dominio público (CC0)")};

} // namespace

CreditsWindow creditsOf(const QString &programFile)
{
  CFileVersionInfo info;
  info.setFullPath(programFile);
  CreditsWindow w;
  w.heading = QStringLiteral("Vaticor");
  if (!info.Available()) {
    w.properties = {{QStringLiteral("Archivo:"), info.FullPath().isEmpty() ? programFile : info.FullPath()},
                    {QStringLiteral("Versión:"), QStringLiteral("el archivo no lleva registro de versión")},
                    kDataSource};
    return w;
  }
  if (const QString product = info.StringFileInfo(QStringLiteral("ProductName")); !product.isEmpty())
    w.heading = product;
  w.subheading = info.StringFileInfo(QStringLiteral("FileDescription"));
  w.properties = {
      {QStringLiteral("Compañía:"), info.StringFileInfo(QStringLiteral("CompanyName"))},
      {QStringLiteral("Versión:"), info.ProductVersionText()},
      {QStringLiteral("Versión del archivo:"), info.FileVersion()},
      {QStringLiteral("Idioma:"), info.LanguageName()},
      {QStringLiteral("Archivo:"), info.FullPath()},
      kDataSource,
  };
  return w;
}

} // namespace version

namespace vaticor {

QString Qmodelop::programFile() const
{
  return QCoreApplication::instance() ? QCoreApplication::applicationFilePath() : QString();
}

void Qmodelop::mnucreditos_Click()
{
  creditos = version::creditsOf(programFile());
  if (services.windows)
    services.windows->showModal(QStringLiteral("creditos"));
}

} // namespace vaticor
