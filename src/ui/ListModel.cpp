#include "ui/ListModel.h"

namespace ui {

ListModel::ListModel(controls::ListBox &list, QObject *parent) : QAbstractListModel(parent), list_(list) {}

int ListModel::rowCount(const QModelIndex &parent) const
{
  return parent.isValid() ? 0 : int(shown_.size());
}

QVariant ListModel::data(const QModelIndex &index, int role) const
{
  if (role != Qt::DisplayRole || !index.isValid() || index.row() >= shown_.size())
    return {};
  return shown_[index.row()];
}

Qt::ItemFlags ListModel::flags(const QModelIndex &index) const
{
  return index.isValid() ? Qt::ItemIsSelectable | Qt::ItemIsEnabled : Qt::NoItemFlags;
}

ListModel::Synced ListModel::sync()
{
  controls::ListChanges changes = list_.takeChanges();
  // The view starts empty, set up before its first lines come.
  changes.cleared = changes.cleared || !synced_;
  synced_ = true;
  Synced synced;
  synced.selection = changes.selection;
  const QStringList &lines = list_.lines();
  if (changes.cleared || lines.size() < shown_.size()) {
    if (lines == shown_)
      return synced;
    beginResetModel();
    shown_ = lines;
    endResetModel();
    synced.lines = true;
    return synced;
  }
  if (changes.firstLine < 0)
    return synced;
  const int before = int(shown_.size()), after = int(lines.size());
  if (after > before) {
    beginInsertRows({}, before, after - 1);
    shown_ = lines;
    endInsertRows();
  } else {
    shown_ = lines;
  }
  if (changes.firstLine < before)
    emit dataChanged(index(changes.firstLine), index(before - 1), {Qt::DisplayRole});
  synced.lines = true;
  return synced;
}

} // namespace ui
