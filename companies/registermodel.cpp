#include "registermodel.h"

Qt::ItemFlags RegisterModel::flags(const QModelIndex &index) const
{
    const Qt::ItemFlags flags = TextGridModel::flags(index);
    if (index.row() == 0 || index.column() == 0)
        return flags & ~Qt::ItemIsEditable;
    return flags;
}
