// The wheel of views already computed, moved through by the arrow buttons
// without computing them again (only the results grid is), the small clicks
// of the boxes, and the help line that tells what each control does.
#include "form/Qmodelop.h"
#include "text/TextRules.h"

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
        Label14.geometry.top = tabl1x2.geometry.height + 700;
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

QString Qmodelop::hoverText(const QString &control, int index) const
{
  const QString credit = kBreak + kCredit;
  static const QHash<QString, QString> texts = {
      {QStringLiteral("Command1"),
       QStringLiteral(" Obtiene en un folio las jornadas de la 1ª vuelta con los resultados de la 1ª y 2ª vuelta y el "
                      "computo de ambos.") +
           kBreak +
           QStringLiteral(" Permite realizar un estudio de los equipos y obtener sus conclusiones si en la 2ª vuelta se "
                          "comportará de determinada forma. ")},
      {QStringLiteral("Command2"),
       QStringLiteral(" Imprime únicamente, el Cuadrante de Resultados a la vista. Con el menú <<Imprime Ventana>>, "
                      "imprime la pantalla del programa completa que se visualice en este momento.")},
      {QStringLiteral("Command3"),
       QStringLiteral(" Al hacer -CLICK- aqui, se obtiene la jornada equivalente de la 1ª ó 2ª vuelta a la vista.")},
      {QStringLiteral("Command4"),
       QStringLiteral(" Obtiene el listado de los últimos signos de cada equipo, en Casa, Fuera y en TOTAL.")},
      {QStringLiteral("Command5"), QStringLiteral(" Imprime el listado de los últimos signos de cada equipo.")},
      {QStringLiteral("Command6"), QStringLiteral("Permite cambiar de División ") + kBreak +
                                       QStringLiteral(" y realizar los procesos deseados en 1ª ó 2ª división.") + credit},
      {QStringLiteral("Command7"),
       QStringLiteral("Obtiene el Cuadrante de Resultados  de los Equipos de Primera División o de Segunda.") + credit},
      {QStringLiteral("Command8"), QStringLiteral(" Permite visualizar las jornadas de 10 en 10, dando los encuentros, los "
                                                  "resultados y el signo quinielístico.") +
                                       credit},
      {QStringLiteral("Command9"), QStringLiteral(" Obtiene los enfrentamientos del Equipo elegido, por orden, con el "
                                                  "restos de los mismos, dando la Jornada, el equipo y el resultado.") +
                                       credit},
      {QStringLiteral("Command10"),
       QStringLiteral(" Obtiene los Resultados de los Encuentros celebrados hasta la jornada actual de la División "
                      "elegida. Clasificados por diferencias.") +
           kBreak + QStringLiteral(" Ej: resultado=14 dif=-3, res.=31 dif=2. ") + kBreak +
           QStringLiteral(" Esto permite diferenciar los Equipos según los resultados obtenidos") + credit},
      {QStringLiteral("Command11"),
       QStringLiteral(" Obtiene la clasificación de los equipos contabilizando las 4, 10, 16, 22, 28 últimas jornadas") +
           kBreak +
           QStringLiteral(" Permitiendo observar como evoluciona cada equipo, de forma positiva o negativa en el momento "
                          "actual.") +
           credit},
      {QStringLiteral("Command12"),
       QStringLiteral(" Obtiene la clasificación de los equipos por puntos hasta la última jornada.") + kBreak +
           QStringLiteral(" Da los goles en casa, fuera, los totales, Resultados de los encuentrosen casa, fuera, los "
                          "puntos equiparados (los puntos de cada equipo en función de a quien se enfrente, según la "
                          "clasificación inicial, obtiene más puntos cuando se vence a un primer clasificado que a los "
                          "últimos).") +
           kBreak + QStringLiteral(" Da los puntos convencionales, los negativos.") + credit},
      {QStringLiteral("Command13"),
       QStringLiteral(" Presenta media ventana del pronóstico de la quiniela:") + kBreak +
           QStringLiteral(" Proceso: En 1ªDivisión pulsar sobre la 1ªlista en azul de los encuentros, pasando a la "
                          "quiniela los 10 primeros encuentros") +
           QStringLiteral(" Después Cambiar de división, volver a dar a la casilla 'Quiniela' y en la lista azul pulsar "
                          "sobre los encuentros de 2ª División que formen parte del boleto, por orden.") +
           QStringLiteral(" Por último pulsar en el menú 'Pronóstico', permitiendo visionar la quiniela completa, "
                          "volviendo a pulsar sobre el mismo se deja de visualizar.") +
           kBreak + QStringLiteral(" Se imprime el pronóstico pulsando sobre el menú <<Imprimir Quiniela>>")},
      {QStringLiteral("Command14"),
       QStringLiteral(" Cada pulsación la impresora salta cinco renglones en blanco, hasta 68 que vuelve a 0. "
                      "Contabiliza los renglones en blaco que lleva. Permite imprimir a partir del renglón que desee.") +
           credit},
      {QStringLiteral("Command15"),
       QStringLiteral(" Cada pulsación la impresora salta un renglon en blanco, hasta 68 que vuelve a 0.")},
      {QStringLiteral("Command16"), QStringLiteral(" Pasa los equipos uno a uno o toda la Jornada.")},
      {QStringLiteral("Command18"), QStringLiteral(" Amplia el Pronostico.")},
      {QStringLiteral("Command19"), QStringLiteral(" Borra el pronostico actual")},
      {QStringLiteral("Command22"),
       QStringLiteral(" Permite guardar la lista ordenada de los equipos de la jornada actual y recuperarla "
                      "posteriormente con los datos estadisticos para esta jornada.")},
      {QStringLiteral("Command23"),
       QStringLiteral(" Introducir Incidencias en los partidos, Valoración de entrenadores, público,  etc..")},
      {QStringLiteral("Command24"), QStringLiteral(" Imprime en Apaisado(2) o Normal(1)")},
      {QStringLiteral("Command29"),
       QStringLiteral(" Comando que permite visualizar los signos de cada encuentro de cada quiniela, para obtener una "
                      "estadistica de valores en relación al signo.")},
      {QStringLiteral("Command30"), QStringLiteral(" Cambia de División")},
      {QStringLiteral("Command40"),
       QStringLiteral(" Sistemas: los signos del pronóstico como apuesta múltiple, sus columnas directas y reducidas "
                      "(al 13 o al 12) con su coste y sus probabilidades de premio, y el escrutinio con los "
                      "resultados reales.")},
      {QStringLiteral("tablam"),
       QStringLiteral(" Modelo de goles: probabilidad en % de 1, X y 2 de cada partido y su signo más probable, "
                      "calculados con los resultados anteriores a la jornada. Bajo el 15, los goles más probables "
                      "de cada equipo (0, 1, 2 o M) y su probabilidad.")},
      {QStringLiteral("Command32"),
       QStringLiteral(" Obtiene los datos estadisticos de cada equipo, para la jornada actual.")},
      {QStringLiteral("Command35"), QStringLiteral(" Navegador, permite desplazarse por las ventanas de las funciones ya "
                                                   "obtenidas, en rueda, hacia atras.")},
      {QStringLiteral("Command36"), QStringLiteral(" Navegador, permite desplazarse por las ventanas de las funciones ya "
                                                   "obtenidas, en rueda, hacia adelante.")},
      {QStringLiteral("Command37"),
       QStringLiteral(" Estas flechas permite nevegar por los comandos que controlan las") +
           QStringLiteral(" evoluciones de los equipos. División, Jornada, Cuadrante, evoluciones, clasificaciones, "
                          "quinielas.")},
      {QStringLiteral("Frame3"),
       QStringLiteral(" Localizar los resultados dando los equipos, para ello marcar los equipos deseados en la lista "
                      "azul del cuadrante, uno a uno, obteniendo automáticamente la Jornada y Resultado de Ida y "
                      "Vuelta.")},
      {QStringLiteral("Frame4"),
       QStringLiteral(" Listas que proporcionan los resultados de todos los encuentros, clasificados por diferencias "
                      "en el resultado:Ej: -13- diferencia =-2.") +
           kBreak +
           QStringLiteral(" Esto proporciona una idea de los equipos más proclives a Ganar, Ganar con facilidad, "
                          "Empatar, Perder, Perder con facilidad, etc..") +
           credit},
      {QStringLiteral("Frame7"),
       QStringLiteral(" Obtiene la clasificación en función de los Goles a Favor, PEt, Pc, PF, Ptos., simplemente "
                      "pulsando sobre la casilla superior correspondiente.") +
           kBreak +
           QStringLiteral(" Igualmente la casilla superior derecha, le permite obtener la clasificación considerando "
                          "todas las jornadas o de 10 en 10.") +
           credit},
      {QStringLiteral("Frame8"),
       QStringLiteral(" Obtiene el Historial de cada Equipo por orden de Jornadas hasta la que marque la casilla roja. "
                      "Cada lista da el Equipo a estudio, la jornada, el Equipo a quién se enfrentó. Cuando juega en "
                      "casa se indica con '---' por delante y Fuera '---' por detrás. Después da el resultado. Con las "
                      "casillas <<Avanza>> y <<Retrocede>>, permite avanzar de 6 en 6 equipos o retroceder.") +
           credit},
      {QStringLiteral("Frame10"),
       QStringLiteral(" Para guardar una jornada, escriba en la casilla azul, los resultados de los encuentros de la "
                      "jornada actaual(visualizada), correlativamente, (dos dígitos para cada encuentro), seguidos, "
                      "debe tener 20 dígitos en 1ª División y 22 en 2ª. Ej.:01211231210012110021") +
           kBreak +
           QStringLiteral(" Primero elegir la División deseada, después la Jornada a actualizar, elegir el menú "
                          "<<Actualizar>>, escribir los resultados.") +
           kBreak +
           QStringLiteral(" Si tiene que corregir un dato una vez salvada la Jornada, vuelva a actualizar la jornada con "
                          "los datos corregidos.") +
           kBreak + QStringLiteral(" Volver al menú <<Actualizar>> para cerrar la ventana y grabar.") + credit},
      {QStringLiteral("Frame11"),
       QStringLiteral(" Para la correcta visualización e impresión de las listas y tablas, necesita la existencia de "
                      "las Fuentes: Courier New, Verdana, Lucida Console, suelen venir en las diferentes versiones de "
                      "Windows 9X, ME, XP.") +
           kBreak + QStringLiteral(" Resolución de 1024 x 768 y 16/32 bits. ") + credit},
      {QStringLiteral("Label6"), QStringLiteral(" Cambia el tipo de letra de la tabla.")},
      {QStringLiteral("Label16"), kCredit},
      {QStringLiteral("Label30"), QStringLiteral(" Imprime la clasificación presente.")},
      {QStringLiteral("Label31"), QStringLiteral(" Imprime jornadas y evolución  de la ventana.")},
      {QStringLiteral("Label34"),
       QStringLiteral(" Retrocede la jornada inicial de 10 en 10 . Permitiendo obtener la clasificación de las últimas "
                      "jornadas, de las 10, 20, 30 últimas o de todas.") +
           kBreak +
           QStringLiteral(" Pulsando en esta casilla retrocede la jornada inicial a estudio, en 10, 20, 30 etc... dando "
                          "una idea de como varian los equipos a lo largo de la temporada.")},
      {QStringLiteral("Label48"), QStringLiteral(" Imprime la Clasificación General en apaisado.")},
      {QStringLiteral("Label49"),
       QStringLiteral(" Al pulsar sobre esta casilla, se limpia la ventana del pronóstico.") + credit},
      {QStringLiteral("List1"), QStringLiteral(" Cuando el cursor esta en la <<casilla negra>>, con +/-, permite avanzar o "
                                               "retroceder jornadas y resultados.") +
                                    credit},
      {QStringLiteral("List7"),
       QStringLiteral(" Al hacer -CLICK- en la casilla <<Jornada Equivalente>>, se obtiene la jornada equivalente de "
                      "la primera vuelta, si procede.") +
           credit},
      {QStringLiteral("List13"),
       QStringLiteral(" Si pincha en la última línea de las listas GRIS, AVANZA, en otro caso RETROCEDE")},
      {QStringLiteral("Text1"),
       QStringLiteral("  Da la Jornada de Cálculo. Obteniendo los resultados parciales o totales, según se introduzca "
                      "la jornada parcial o la total.") +
           kBreak +
           QStringLiteral(" Cuando el cursor se encuentre en la casilla negra, con el signo - y + se desplaza por las "
                          "jornadas, eligiendo la que desee.")},
      {QStringLiteral("Text2"),
       QStringLiteral(" Cuando el cursor esta en la <<casilla negra>>, con +==>+1, -==>-1, b==>+5, c==>-5 permite "
                      "avanzar o retroceder jornadas y resultados.") +
           credit},
      {QStringLiteral("Text3"), QStringLiteral(" Introduzca el nº de la Jornada de la Quiniela correcta.") + kBreak +
                                    kBreak + QStringLiteral(" El Programa la da por defecto = Jornada de 1ª Div +1") +
                                    credit},
      {QStringLiteral("Text5"),
       QStringLiteral(" Permite introducir la jornada deseada manualmente o bien buscarla con las flechas, cuando no "
                      "existe lo comunicara con un mensaje.")},
      {QStringLiteral("tab1"),
       QStringLiteral(" Localizar Resultados: Haga -CLICK- en los Equipos que desee de la tabla, uno detras del otro y "
                      "automáticamente aparecerá el resultado y la jornada en que se han enfrentado.") +
           credit},
  };
  if (control == QStringLiteral("Frame6"))
    return (evolutionShown
                ? QStringLiteral(" Evolución de los Equipos, observando las Clasificaciónes contabilizando solo las "
                                 "últimas Jornadas. Las 30 últimas, las 24, las 18, 12 y las 6 últimas. De este estudio "
                                 "se pueden extraer conclusiones muy interesantes a la hora de confeccionar la "
                                 "Quiniela Modelo.")
                : QStringLiteral(" Sucesión de las Jornadas, pudiendo avanzar o retroceder con las casillas oscuras, "
                                 "dando las jornadas, los resultados y el signo quinielistico de cada encuentro.")) +
           credit;
  if (control == QStringLiteral("List2"))
    return index >= 3 ? QStringLiteral("   Al pulsar en un equipo de estas listas (última), se selecciona el equipo "
                                       "en todas, marcando unas líneas que dan una idea de la evolución del mismo a lo "
                                       "largo de las 4, 10, 16, 22, 28 últimas Jornadas")
                      : QString();
  if (control == QStringLiteral("List12")) {
    switch (index) {
    case 1:
      return QStringLiteral(" Da los siguientes datos: GF Goles a favor en casa, GC Goles en Contra en casa,  GF Goles "
                            "a favor Fuera,  GC Goles en contra Fuera. También da los GF en total y los goles en "
                            "contra. ");
    case 2:
      return QStringLiteral(" Da los siguientes datos: Encuentros Ganados en casa, Encuentros Empatados en casa, "
                            "Encuentros Perdidos en casa, Encuentros Ganados fuera, Encuentros Empatados fuera, "
                            "Encuentros Perdidos fuera");
    case 3:
      return QStringLiteral(" Da los siguientes datos: Puntos equiparados en casa, fuera y Total. Puntos "
                            "convencionales en Casa, Puntos fuera, Puntos en total, Negativos en Casa, Negativos "
                            "Fuera y Negativos en Total.") +
             kBreak + kBreak +
             QStringLiteral("P. Equiparados son los puntos obtenidos en función del equipo contrario, se obtienen "
                            "más puntuación por ganar a los primeros que a los últimos.");
    case 4:
      return QStringLiteral(" Da los siguientes datos: Clasificación de los equipos ordenados de más a menos Puntos.");
    default:
      return QString();
    }
  }
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
