#pragma once
// A list box of the form seen through Qt's model/view: the view shows the
// lines the model last announced, and sync() announces what changed since.

#include "controls/Controls.h"

#include <QAbstractListModel>

namespace ui {

class ListModel : public QAbstractListModel {
  Q_OBJECT
public:
  explicit ListModel(controls::ListBox &list, QObject *parent = nullptr);
  controls::ListBox &list() const { return list_; }

  int rowCount(const QModelIndex &parent = {}) const override;
  QVariant data(const QModelIndex &index, int role) const override;
  Qt::ItemFlags flags(const QModelIndex &index) const override;

  struct Synced {
    bool lines = false;     // lines shown now differ from before
    bool selection = false; // the list index or the highlighted lines changed
  };
  // Brings the lines shown up to the list box: lines added at the foot are
  // inserted, lines rewritten are changed, and a list filled anew is reset,
  // unless it was filled with the very lines it showed.
  Synced sync();

private:
  controls::ListBox &list_;
  QStringList shown_; // shares the list box's lines until the form writes them again
  bool synced_ = false;
};

} // namespace ui
