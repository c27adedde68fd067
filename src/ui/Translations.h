#pragma once

class QCoreApplication;

namespace ui {
// Installs Qt's own Spanish texts (the file dialog, the standard buttons:
// Aceptar, Cancelar...) so that they speak the program's language. False when
// Qt's Spanish catalogue is not installed (Debian: qt6-translations-l10n).
bool installSpanishTranslations(QCoreApplication &app);
} // namespace ui
