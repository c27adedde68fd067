#include "form/Qmodelop.h"

namespace vaticor {

Qmodelop::Qmodelop(controls::Services s) : services(s)
{
  // Captions the window starts with; the handlers rewrite most of them.
  mnuaCargar.caption = QStringLiteral("Car&gar Temporada");
  mnuActualizar.caption = QStringLiteral("Ac&tualizar");
  mnuActTI.caption = QStringLiteral("Jornada-Internet Edato??.txt");
  mnuactualiza.caption = QStringLiteral("Jornada-Manualmente");
  mnuActGI.caption = QStringLiteral("Pronóstico-Internet gprono??.txt");
  mnuProMmnu.caption = QStringLiteral("Pronóstico-Manual");
  mnuImportar.caption = QStringLiteral("Importar Temporada (openfootball)...");
  mnuActualizarTemporada.caption = QStringLiteral("Actualizar Temporada (internet)");
  mnuImportarAnteriores.caption = QStringLiteral("Importar temporadas anteriores (openfootball)...");
  openfootballBase = kOpenfootballBase;
  mnuIventana.caption = QStringLiteral("Imprime Ventana");
  mnupronos.caption = QStringLiteral("&Pronóstico");
  mnuVerPronostico.caption = QStringLiteral("&Ver Pronóstico");
  mnuFiabilidad.caption = QStringLiteral("&Fiabilidad...");
  mnuOpciones.caption = QStringLiteral("Opci&ones");
  mnucreditos.caption = QStringLiteral("Crédit&os");
  mnuAyuda.caption = QStringLiteral("A&yuda");
  mnuSalir.caption = QStringLiteral("Sa&lir");

  Command3.caption = QStringLiteral("Jornada Equivalente");
  Command8.caption = QStringLiteral("Jornadas");
  Command9.caption = QStringLiteral("Historial   Eqps");
  Command10.caption = QStringLiteral("Tablas 1X2 ");
  Frame4.caption = QStringLiteral(
      "Tabla-1X2    Tabla de Resultados. Da Nº Jornada y Resultados, clasificados por  Diferencias:");
  Command4.caption = QStringLiteral("Evolución   Signos ");
  Command6.caption = QStringLiteral(" División");
  Command7.caption = QStringLiteral("Resultados");
  Command11.caption = QStringLiteral("Evolución  Eqps");
  Command12.caption = QStringLiteral("Clasificaciones");
  Command16.caption = QStringLiteral("Uno a Uno");
  Command30.caption = QStringLiteral("División");
  Command30.toolTip = QStringLiteral("Cambia División.");
  Command5.caption = QStringLiteral("Imprimir P");
  Command24.caption = QStringLiteral("Apaisado");
  Command24.toolTip = QStringLiteral(" Imprime en Apaisado(2) o Normal(1)");
  Command2.caption = QStringLiteral("Imprime Cuadrante");
  Command1.caption = QStringLiteral("Impr. Jorndas Equivtes");
  Command14.caption = QStringLiteral(" Salto 5   00");
  Command15.caption = QStringLiteral("Salto 1");
  Command39.caption = QStringLiteral("Imprime");
  Command34.caption = QStringLiteral("Imprimir Ap");
  Label30.caption = Label31.caption = Label36.caption = QStringLiteral("Imprime");
  Label48.caption = Label37.caption = QStringLiteral("Imprimir");
  Label43.caption = QStringLiteral("Imprimir Apaisado");

  const char16_t *sortCaptions[7] = {
      u" 1 Clasifica  GFavor Casa",       u" 2 Clasifica    GFavor Fuera",  u" 3 Clasifica    GFavor  Totles",
      u" 4 Clasifica  Difer: GF-GC Ttles", u" 5 Clasifica   Pts. en Casa",  u" 6  Clasifica   Pts. Fuera",
      u" 7  Clasifica    Ptos. Totales"};
  for (int i = 0; i < 7; ++i)
    Label40[i].caption = QString::fromUtf16(sortCaptions[i]);
  Label34.caption = QStringLiteral("<< Retrocede 10 Jor. Inicial ");
  Label49.caption = QStringLiteral("     Pronóstico de la Quiniela");
  // The coupon panel, its figures and column switches, the forecast store and the 1X2 tables.
  Command13.caption = QStringLiteral("Quiniela");
  Command18.caption = QStringLiteral("Pronóstico");
  Command19.caption = QStringLiteral("BORRAR ");
  Command17.caption = QStringLiteral(">>");
  Command31.caption = QStringLiteral("<<");
  Command22.caption = QStringLiteral("Guardar Pronóstico");
  Command20.caption = QStringLiteral("<");
  Command20.toolTip = QStringLiteral("Retrocede Escrutinio");
  Command21.caption = QStringLiteral(">");
  Command21.toolTip = QStringLiteral("Avanza Escrutinio");
  Command32.caption = QStringLiteral("Pronóstico");
  Command29.caption = QStringLiteral("Estadistica 1X2");
  Command29.toolTip = QStringLiteral(" Comando que permite visualizar los signos de cada encuentro de cada quiniela, para "
                                     "obtener una estadistica de valores en relación al signo.");
  Command23.caption = QStringLiteral("Otros  FACTORES");
  Command23.toolTip = QStringLiteral("Introd. otros factores");
  Command40.caption = QStringLiteral("Sistemas");
  Command40.toolTip = QStringLiteral("Apuestas múltiples y reducidas del pronóstico");
  Command33.caption = QStringLiteral("SALIR");
  Command25.caption = QStringLiteral("<< Retrocede");
  Command26.caption = QStringLiteral("Avanza >>");
  Command27.caption = QStringLiteral("Avanza >>");
  Command28.caption = QStringLiteral("<< Retrocede");
  Command35.caption = Command37.caption = QStringLiteral("<");
  Command36.caption = Command38.caption = QStringLiteral(">");
  Command37.toolTip = QStringLiteral("Ventana Anterior");
  Command38.toolTip = QStringLiteral("Ventana Siguiente");
  Label47.caption = QStringLiteral("Figura Media:(VX2):");
  Label6.caption = QStringLiteral("V X 2 R S:");
  Label22.caption = QStringLiteral(" Longitud de Filas (Máx. 158 char.)= ");
  label42.caption = QStringLiteral("Información?");
  Label51.caption = QStringLiteral(" Nº Equips  RES. ENCUEN./ GOLES    RESULT.: ULT. SIGNOS/ RESULT.  EVO: Eqps/Sgns Tt  "
                                   "PUNTOS/Negivs  Diferencias  Po Pt PEq Po   VALORACIONES/ 1X2");
  Label5.caption = QStringLiteral(" DISTRIBUCIÓN DE SIGNOS CON ARREGLO A LOS VALORES DEFINITIVOS DE LAS DIFERENCIAS  ENTRE "
                                  "LOS EQUIPOS DE CADA ENCUENTRO: ");
  const char16_t *switchCaptions[14] = {u"Equips",   u"Result.", u"Encuent",  u"Goles",  u"Ult.Signos",
                                        u"Ult. Res", u"Evo.Eqps", u"Evo Sgns", u"P Negt", u"Diferenc",
                                        u"Puntos",   u"V 14%",   u"V 25%",    u"CsEEV"};
  for (int i = 0; i < 14; ++i)
    Check2[i].caption = QString::fromUtf16(switchCaptions[i]);
  // The size the coupon is drawn at until Label6 steps it; the whole coupon
  // stands on a screen of 1366 pixels.
  tablap.fontSize = 5;
  Label19[0].caption = QStringLiteral("Equipo Casa");
  Label19[1].caption = QStringLiteral("Equipo Visitante");
  Label20.caption = QStringLiteral("Resultado? = ");
  Label21.caption = QStringLiteral("Jornada=");
  Label10.caption = QStringLiteral(" Clasf. General  Jorn: ");
  Label11.caption = QStringLiteral(" 1ª  DIVISIÓN  Puntos");
  Frame10.caption = QStringLiteral("     Actualiza la Jornada Visualizada");
  Label15.caption = QStringLiteral("1|||5||||0||||5||||0||||5");
  playedNote.visible = false;
  modelNote.visible = false;

  // Nothing of a view shows before it is computed.
  for (Panel *frame : {&Frame4, &Frame5, &Frame6, &Frame7, &Frame8, &Frame9, &Frame12, &Frame13, &Frame15,
                       &Frame16, &Frame17})
    frame->visible = false;
}

void Qmodelop::refuse(const QString &text, const QString &title, controls::MessageIcon icon)
{
  operationFailed = true;
  services.messages->show(text, title, icon);
}

} // namespace vaticor
