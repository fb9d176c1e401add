#pragma once

#include <QDialog>

// The import of one client's spreadsheets into the open book.
class Tfr_karbunica : public QDialog {
    Q_OBJECT

public:
    explicit Tfr_karbunica(QWidget *parent = nullptr);
};
