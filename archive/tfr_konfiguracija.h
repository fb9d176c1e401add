#pragma once

#include "paths.h"

#include <QDialog>

class ArchiveProgress;
class QLabel;
class QPushButton;
class QTableWidget;
class QTextEdit;

// The seven archive slots with their dates, how backups work, and the
// restore of the data folder from the chosen slot.
class Tfr_konfiguracija : public QDialog {
    Q_OBJECT

public:
    explicit Tfr_konfiguracija(const AppFolders &folders, ArchiveProgress *progress = nullptr,
                               QWidget *parent = nullptr);

    // True when the window was closed with OK or "Poništi vraćanje"; the
    // close box counts as Cancel.
    bool ModalFormKon();
    // Restores the data folder from the archive chosen when the window closed.
    void SigurKopZamijeni();
    void GridPricuva();
    void Button1Click();
    // The archive the next restore reads: the current row's slot, or the
    // data folder as it was before the last restore.
    const QString &chosenArchive() const { return m_chosenArchive; }

    QLabel *Label60 = nullptr;
    QTableWidget *sg_pricuva = nullptr;
    QTextEdit *reArhiva = nullptr;
    QPushButton *Button1 = nullptr;
    QPushButton *bt_ponisti = nullptr;
    QLabel *lb_data = nullptr;
    QPushButton *BitBtn1 = nullptr;
    QPushButton *BitBtn2 = nullptr;

Q_SIGNALS:
    // Files of the data folder were replaced: what is held in memory is old.
    void dataFolderRestored();

protected:
    void changeEvent(QEvent *event) override;
    void showEvent(QShowEvent *event) override;

private:
    QWidget *buildPage();
    void FormCreate();
    void BitBtn1Click();
    void bt_ponistiClick();

    AppFolders m_folders;
    ArchiveProgress *m_progress;
    QString m_chosenArchive;
};

// The instruction text with "[x]" before both folder paths replaced by the
// application-data folder, shown with the platform's separators.
QString withFolders(const QString &text, const AppFolders &folders);
