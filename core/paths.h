#pragma once

#include <QString>

struct BookKind;

// The machine's data folder for the program, without a trailing separator,
// or the empty text when the platform cannot tell it.
QString MapaSustava();

// Every path of the program, composed from the application-data folder.
// Composing neither normalises a path nor tests that it exists; with an empty
// application-data folder the paths begin with the fixed part.
class AppFolders {
public:
    explicit AppFolders(QString appData = {}) : m_appData(std::move(appData)) {}

    const QString &appData() const { return m_appData; }

    QString programFolder() const;
    QString dataFolder() const;
    QString templateFolder() const;
    QString reportFolder() const;
    QString archiveFolder() const;
    // Outside the data folder, so that archives of the data folder never take it.
    QString recoveryFolder() const;

    QString registerPath() const;
    QString importSettingsPath() const;
    QString archiveSlotPath(int slot) const;
    // The data folder as it was before the last restore, for undoing it.
    QString preRestoreArchivePath() const;
    QString templatePath(const BookKind &kind) const;
    QString bookFilePath(const QString &company, int year, const BookKind &kind) const;
    QString listFilePath(const QString &fieldName) const;
    // The recovery copy of a book file, under the book file's name.
    QString recoveryCopyPath(const QString &company, int year, const BookKind &kind) const;

private:
    QString m_appData;
};

// The user's manual is installed with the program, not with the data: beside
// the executable in a build tree, in the share folder of the prefix once
// installed (/usr/bin -> /usr/share/nadzorne-knjige). The first place that
// holds it, or the empty text.
QString findManual(const QString &executableFolder);

// Where an installed program keeps its manual; named when it is missing.
QString installedManualPath(const QString &executableFolder);

// company "_" year "_" file code "_" version tag ".txt"
QString bookFileName(const QString &company, int year, const BookKind &kind);
