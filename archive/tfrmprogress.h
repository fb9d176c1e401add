#pragma once

#include "archiveprogress.h"

#include <QDialog>
#include <QElapsedTimer>

class QLabel;
class QProgressBar;
class QPushButton;

// Progress of archiving and restoring, with a cancel button. Between blocks
// of work it lets the toolkit repaint it and take the click on Cancel.
class TfrmProgress : public QDialog, public ArchiveProgress {
    Q_OBJECT

public:
    explicit TfrmProgress(QWidget *parent = nullptr);

    bool fcArhivaOverallProgress(double percent, Phase phase) override;
    bool fcArhivaFileProgress(const QString &file, double percent) override;
    void btCancelClick() { m_cancel = true; }
    bool cancelRequested() const { return m_cancel; }

    QWidget *pn_glavni = nullptr;
    QProgressBar *gOverall = nullptr;
    QWidget *pn_drugi = nullptr;
    QLabel *lbFile = nullptr;
    QProgressBar *gFile = nullptr;
    QPushButton *btCancel = nullptr;

protected:
    void reject() override;

private:
    void start();
    void letEventsThrough();

    bool m_cancel = false;
    QElapsedTimer m_sinceEvents;
};
