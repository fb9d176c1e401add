#pragma once

#include "paths.h"

#include <QWidget>

// The entry window: company, year and book are chosen here, and the open
// book's rows are filled in through the field panels.
class Tfr_nk_00 : public QWidget {
    Q_OBJECT

public:
    explicit Tfr_nk_00(QWidget *parent = nullptr);

    // Found once at creation; the windows created later take it from here.
    const AppFolders &folders() const { return m_folders; }

private:
    void FormCreate();

    AppFolders m_folders;
};
