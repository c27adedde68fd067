#pragma once
// The credits box of "Crédit&os": the properties of the program file as its
// version record gives them, caption and value, in the order shown.

#include <QList>
#include <QString>
#include <utility>

namespace version {

struct CreditsWindow {
  QString caption = QStringLiteral("Créditos de Vaticor");
  QString heading;    // the product's name
  QString subheading; // the file's description
  QList<std::pair<QString, QString>> properties;
};

CreditsWindow creditsOf(const QString &programFile);

} // namespace version
