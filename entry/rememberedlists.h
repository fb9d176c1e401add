#pragma once

#include "paths.h"

#include <QObject>
#include <QStringList>

class QComboBox;
class QLineEdit;
class QWidget;

// The drop-down lists beside text fields that remember what was typed in
// them before. Each list lives in its own file in the data folder, shared by
// every company, year and book kind of its panel.
class RememberedLists : public QObject {
    Q_OBJECT

public:
    // Every list field of the window gets its list wired and its hints.
    RememberedLists(QWidget &window, const AppFolders &folders);

    // Loads every list whose file exists, the currency list first.
    void UcitajListe();

Q_SIGNALS:
    // A list file could not be read or written; the list keeps its change.
    void failed(const QString &error);

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    void KomboBrisiZapisObv(QLineEdit *field, QComboBox *list);
    void KomboChange(QComboBox *list);
    void EditExit(QLineEdit *field);
    void KomboBrisiZapis(QLineEdit *field);
    void writeList(const QString &fieldName, const QComboBox &list);
    QComboBox *listOf(const QObject *field) const;

    QWidget &m_window;
    const AppFolders &m_folders;
};

// Whether a typed value is already in the list: its upper-cased text inside
// any upper-cased entry, so č and Č are one letter and "Ital" is found in
// "Italija".
bool isListed(const QString &typed, const QStringList &entries);
