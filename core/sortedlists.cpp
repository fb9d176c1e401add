#include "sortedlists.h"

#include <QCollator>

#include <algorithm>

namespace {

// Croatian alphabetical order (č after c, š after s), case not deciding.
const QCollator &croatianOrder()
{
    static const QCollator collator = [] {
        QCollator croatian(QLocale(QLocale::Croatian, QLocale::Croatia));
        croatian.setCaseSensitivity(Qt::CaseInsensitive);
        return croatian;
    }();
    return collator;
}

bool before(const QString &a, const QString &b)
{
    return croatianOrder().compare(a, b) < 0;
}

} // namespace

QStringList sortedList(QStringList items)
{
    std::stable_sort(items.begin(), items.end(), before);
    return items;
}

qsizetype sortedPosition(const QStringList &sorted, const QString &item)
{
    return std::upper_bound(sorted.begin(), sorted.end(), item, before) - sorted.begin();
}
