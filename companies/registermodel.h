#pragma once

#include "textgridmodel.h"

// The register's grid: the company numbers in column 0 are the program's
// (they name the book files), and the titles are fixed.
class RegisterModel : public TextGridModel {
    Q_OBJECT

public:
    using TextGridModel::TextGridModel;

    Qt::ItemFlags flags(const QModelIndex &index) const override;
};
