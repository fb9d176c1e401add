#pragma once

#include <QDialog>

class AppFolders;

// The archive slots and the restore of the data folder.
class Tfr_konfiguracija : public QDialog {
    Q_OBJECT

public:
    explicit Tfr_konfiguracija(const AppFolders &folders, QWidget *parent = nullptr);
};
