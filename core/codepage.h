#pragma once

#include <QByteArray>
#include <QString>

// Windows-1250 exists only at the file boundary; inside, text is QString.
// Every byte 0..255 decodes to one character and encodes back to the same
// byte, the five bytes the code page leaves undefined included.
QString decodeCp1250(QByteArrayView bytes);
QByteArray encodeCp1250(QStringView text);

// True when the code page holds the character.
bool fitsCp1250(QChar c);

// Text as a file in the code page can hold it: a letter whose accent the
// code page lacks becomes its base letter (à -> a), any other missing
// character becomes '?', and so does every character of reserved, which the
// file's format takes for structure.
QString reduceForCodePage(const QString &text, QStringView reserved);

// Text as it will be saved in a book: reduced, Ctrl-Z (which ends a book file)
// included. Applied where text enters a grid or a list, so the screen shows
// what is saved.
QString reduceToCp1250(const QString &text);
