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

// Text as it will be saved: a letter whose accent the code page lacks becomes
// its base letter (à -> a), any other missing character becomes '?', and so
// do the control characters that end or mark structure in our files (NUL,
// BS, Ctrl-Z). Applied where text enters a grid or a list, so the screen
// shows what is saved, and by every writer, whoever fills its text.
QString reduceToCp1250(const QString &text);

// The bytes a file holds for the text: reduced, then encoded.
QByteArray encodeCp1250Reduced(const QString &text);
