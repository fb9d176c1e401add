#pragma once

#include <QDialog>

class AppFolders;

// The company register window.
class Tfr_drustva : public QDialog {
    Q_OBJECT

public:
    explicit Tfr_drustva(const AppFolders &folders, QWidget *parent = nullptr);
};
