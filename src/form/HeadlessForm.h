#pragma once
// A form with no window, as one run of the program: messages kept in a log,
// no file dialog, reports printed as text, the system clock and file dates,
// its stored forecasts and records in a folder of the caller's.

#include "controls/SystemServices.h"
#include "form/Qmodelop.h"

namespace vaticor {

struct HeadlessForm {
  controls::MessageLog messages;
  controls::NoFileDialog noDialog;
  controls::SystemClock clock;
  controls::SystemFileInfo fileInfo;
  controls::TextPrinter printer;
  Qmodelop form{{&messages, &noDialog, &printer, &clock, &fileInfo}};

  explicit HeadlessForm(const QString &folder)
  {
    form.programFolderOverride = folder;
    form.useDataFolderWhenReadOnly = false;
    form.layOutForm();
  }
};

} // namespace vaticor
