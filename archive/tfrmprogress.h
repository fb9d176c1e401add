#pragma once

#include <QDialog>

// Progress of archiving and restoring, with a cancel button.
class TfrmProgress : public QDialog {
    Q_OBJECT

public:
    explicit TfrmProgress(QWidget *parent = nullptr);
};
