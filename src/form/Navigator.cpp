// The wheel of views already computed, moved through by the arrow buttons
// without computing them again (only the results grid is), the small clicks
// of the boxes, and the help line that tells what each control does.
#include "form/Qmodelop.h"
#include "text/TextRules.h"

#include <QFile>
#include <QHash>

namespace vaticor {

namespace {

struct Slot {
  const char16_t *text;
  const char16_t *title;
};

// What the arrows say of a view not computed yet, slots 2..8.
const Slot kNotComputed[9] = {
    {nullptr, nullptr},
    {nullptr, nullptr},
    {u"Jornadas No realizado!!", u"Debe obtener las Jornadas!"},
    {u"Debe obtener el Historial!", u"Historial No realizado!!"},
    {u"Debe obtener Tablas-1X2!", u"Tablas 1X2 No realizado!!"},
    {u"Debe obtener la Evolución de Equipos!", u"Evo No realizado!!"},
    {u"Debe obtener la Evolución de Signos!", u"Evo-Signos No realizado!!"},
    {u"Debe obtener la Clasificación!", u"Clasificación No realizado!!"},
    {u"Pronostico No realizado!!", u"Debe realizar el Pronostico!"},
};

} // namespace

void Qmodelop::navigateToView()
{
  hideViewFrames();
  for (;;) {
    switch (viewSlot) {
    case 1:
      windowGeometry.width = 14336;
      Command7_Click();
      return;
    case 2:
      if (!List10[4].item(4).isEmpty()) {
        Frame6.visible = true;
        currentView = 8;
        return;
      }
      break;
    case 3:
      if (!List13[1].item(1).isEmpty()) {
        Frame8.visible = true;
        return;
      }
      break;
    case 4:
      if (!List9[1].item(1).isEmpty()) {
        Frame4.visible = true;
        return;
      }
      break;
    case 5:
      if (!List2[4].item(4).isEmpty()) {
        Frame15.visible = true;
        Label53.visible = false;
        currentView = 11;
        return;
      }
      break;
    case 6:
      if (!tabl1x2.text(1, 1).isEmpty()) {
        Frame17.visible = Label53.visible = tabl1x2.visible = Label14.visible = true;
        currentView = 10;
        return;
      }
      break;
    case 7:
      if (!List12[2].item(4).isEmpty()) {
        windowGeometry.width = 14336;
        Frame7.visible = true;
        tabl1x2.visible = Label53.visible = false;
        currentView = 12;
        return;
      }
      break;
    case 8:
      if (!tablap.text(1, 1).isEmpty()) {
        windowGeometry.width = 19456;
        Frame9.visible = true;
        currentView = 13;
        return;
      }
      break;
    default:
      return;
    }
    services.messages->show(QString::fromUtf16(kNotComputed[viewSlot].text),
                            QString::fromUtf16(kNotComputed[viewSlot].title), controls::MessageIcon::Exclamation);
    --viewSlot;
  }
}

void Qmodelop::Command35_Click()
{
  viewSlot = static_cast<int16_t>(viewSlot - 1 < 1 ? 8 : viewSlot - 1);
  navigateToView();
}

void Qmodelop::Command36_Click()
{
  viewSlot = static_cast<int16_t>(viewSlot + 1 > 8 ? 1 : viewSlot + 1);
  navigateToView();
}

void Qmodelop::Command37_Click()
{
  processAfterFactors = false;
  Command35_Click();
}

void Qmodelop::Command38_Click()
{
  processAfterFactors = false;
  Command36_Click();
}

void Qmodelop::Text2_Click()
{
  focusedControl = QStringLiteral("Text2");
}

void Qmodelop::Text3_Click()
{
  Text3.text.clear();
}

void Qmodelop::Text5_Click()
{
  Text5.text.clear();
}

namespace {

// The texts of the help line, from the resource "hover-help.txt" (its head
// says how it is written).
QHash<QString, QString> readHoverTexts()
{
  QHash<QString, QString> texts;
  QFile file(QStringLiteral(":/form/hover-help.txt"));
  if (!file.open(QIODevice::ReadOnly))
    return texts;
  for (const QString &line : QString::fromUtf8(file.readAll()).split(u'\n')) {
    const int equals = static_cast<int>(line.indexOf(QStringLiteral(" = \"")));
    if (line.startsWith(u'#') || equals < 0 || !line.endsWith(u'"'))
      continue;
    const QString quoted = line.mid(equals + 4, line.size() - equals - 5);
    QString text;
    for (int i = 0; i < quoted.size(); ++i) {
      if (quoted[i] != u'\\' || i + 1 == quoted.size()) {
        text += quoted[i];
        continue;
      }
      const QChar next = quoted[++i];
      text += next == u'n' ? kBreak : QString(next);
    }
    text.replace(QStringLiteral("{credito}"), kBreak + kCredit);
    texts.insert(line.left(equals), text);
  }
  return texts;
}

} // namespace

QString Qmodelop::hoverText(const QString &control, int index) const
{
  static const QHash<QString, QString> texts = readHoverTexts();
  if (control == QStringLiteral("Frame6"))
    return texts.value(evolutionShown ? QStringLiteral("Frame6.evolucion") : QStringLiteral("Frame6.jornadas"));
  if (control == QStringLiteral("List2"))
    return index >= 3 ? texts.value(control) : QString();
  // Each heading of the coupon: what its column holds.
  if (control == QStringLiteral("tablap"))
    return index >= 0 ? texts.value(QStringLiteral("tablap.%1").arg(index)) : QString();
  if (control == QStringLiteral("List12"))
    return index >= 1 && index <= 4 ? texts.value(QStringLiteral("List12.%1").arg(index)) : QString();
  return texts.value(control);
}

void Qmodelop::hover(const QString &control, int index)
{
  if (control == QStringLiteral("tablag")) {
    tablag_MouseMove();
    return;
  }
  if (control == QStringLiteral("label42")) {
    label42_MouseMove();
    return;
  }
  const QString text = hoverText(control, index);
  // Lists that give nothing to say leave the line as it was, but the first
  // standings list empties it.
  if (text.isEmpty() && !(control == QStringLiteral("List12") && index == 0))
    return;
  Label2.caption = text;
  static const QStringList toKeyBox = {QStringLiteral("Command6"),  QStringLiteral("Command7"),
                                       QStringLiteral("Command8"),  QStringLiteral("Command9"),
                                       QStringLiteral("Command10"), QStringLiteral("Command11"),
                                       QStringLiteral("Command13"), QStringLiteral("List1")};
  if (toKeyBox.contains(control))
    focusedControl = QStringLiteral("Text2");
}

} // namespace vaticor
