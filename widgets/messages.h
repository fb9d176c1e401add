#pragma once

#include <QString>

class QWidget;

// A plain message box with an OK button: conditions the user must correct.
void showMessage(QWidget *parent, const QString &text);

// A failing component (file reader or writer, ...): its text in an error box.
void showError(QWidget *parent, const QString &text);

enum class AnswerByDefault { Yes, No };
// A question with Da / Ne; true for Da. Enter gives the default answer, Esc "Ne".
bool askYesNo(QWidget *parent, const QString &text, AnswerByDefault byDefault = AnswerByDefault::Yes);

enum class SaveAnswer { Save, Drop, Cancel };

// "Knjiga je promijenjena. Spremiti promjene?" with Da / Ne / Odustani.
SaveAnswer askToSaveChangedBook(QWidget *parent);
