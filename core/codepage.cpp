#include "codepage.h"

#include <QStringDecoder>
#include <QStringEncoder>

#include <bitset>

namespace {

constexpr const char *kCodePage = "windows-1250";

// Which UTF-16 code units the code page holds, learned from the decoder itself.
const std::bitset<65536> &cp1250Units()
{
    static const std::bitset<65536> units = [] {
        std::bitset<65536> set;
        QByteArray all(256, Qt::Uninitialized);
        for (int b = 0; b < 256; ++b)
            all[b] = static_cast<char>(b);
        for (QChar c : decodeCp1250(all))
            set.set(c.unicode());
        return set;
    }();
    return units;
}

QChar reducedChar(QChar c)
{
    if (c.isLetter()) {
        const QString base = QString(c).normalized(QString::NormalizationForm_D);
        if (!base.isEmpty() && base.at(0) != c && fitsCp1250(base.at(0)))
            return base.at(0);
    }
    return QLatin1Char('?');
}

} // namespace

QString decodeCp1250(QByteArrayView bytes)
{
    QStringDecoder decoder(kCodePage, QStringConverter::Flag::Stateless);
    return decoder.decode(bytes);
}

QByteArray encodeCp1250(QStringView text)
{
    QStringEncoder encoder(kCodePage, QStringConverter::Flag::Stateless);
    return encoder.encode(text);
}

bool fitsCp1250(QChar c)
{
    return cp1250Units().test(c.unicode());
}

QString reduceForCodePage(const QString &text, QStringView reserved)
{
    const auto keeps = [reserved](QChar c) { return fitsCp1250(c) && !reserved.contains(c); };
    qsizetype i = 0;
    while (i < text.size() && keeps(text.at(i)))
        ++i;
    if (i == text.size())
        return text;

    QString reduced;
    reduced.reserve(text.size());
    reduced.append(QStringView(text).left(i));
    for (; i < text.size(); ++i) {
        const QChar c = text.at(i);
        if (keeps(c)) {
            reduced.append(c);
            continue;
        }
        if (c.isHighSurrogate() && i + 1 < text.size() && text.at(i + 1).isLowSurrogate())
            ++i; // one character outside the basic plane: one '?'
        reduced.append(reducedChar(c));
    }
    return reduced;
}

QString reduceToCp1250(const QString &text)
{
    return reduceForCodePage(text, u"\x1A");
}
