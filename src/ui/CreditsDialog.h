#pragma once
// The credits box: the properties of the program file from its version record.

#include "form/version/Credits.h"

#include <QDialog>

namespace ui {

class CreditsDialog : public QDialog {
  Q_OBJECT
public:
  explicit CreditsDialog(const version::CreditsWindow &model, QWidget *parent = nullptr);
};

} // namespace ui
