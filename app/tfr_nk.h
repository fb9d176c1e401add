#pragma once

#include "paths.h"

#include <QLabel>
#include <QWidget>

#include <functional>

class QPushButton;

// The link of the start window: red and underlined under the mouse.
class HotLabel : public QLabel {
    Q_OBJECT

public:
    explicit HotLabel(const QString &text, QWidget *parent = nullptr);

Q_SIGNALS:
    void clicked();

protected:
    void enterEvent(QEnterEvent *event) override;
    void leaveEvent(QEvent *event) override;
    void mouseReleaseEvent(QMouseEvent *event) override;

private:
    void setHot(bool hot);
};

// The start window: the version, the manual, the big button that opens the
// entry window. Closing it archives the data folder and ends the program.
class Tfr_nk : public QWidget {
    Q_OBJECT

public:
    explicit Tfr_nk(QWidget *parent = nullptr);

    // The path the archive on exit uses, refreshed at each activation.
    void setFolderSource(const AppFolders *source) { m_folderSource = source; }
    const AppFolders &archiveFolders() const { return m_archiveFolders; }
    // Asked before the program ends; false keeps it running.
    void setCloseCheck(std::function<bool()> check) { m_closeCheck = std::move(check); }

    QLabel *lb_verzija = nullptr;
    HotLabel *lb_upute = nullptr;
    QPushButton *bt_nk1 = nullptr;

Q_SIGNALS:
    void bt_nk1Click();
    void uputeClick();
    // The one place where the program ends: the archive on exit hangs here.
    void FormClose(const AppFolders &folders);

protected:
    void changeEvent(QEvent *event) override;
    void closeEvent(QCloseEvent *event) override;

private:
    void FormCreate();
    void FormActivate();

    const AppFolders *m_folderSource = nullptr;
    AppFolders m_archiveFolders;
    std::function<bool()> m_closeCheck;
};
