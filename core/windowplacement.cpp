#include "windowplacement.h"

#include <algorithm>

WindowPlaces placeEntryAndBookView(const QRect &screen, const QRect &entryFrame)
{
    QRect entry = entryFrame;
    entry.moveLeft(screen.left());
    entry.moveTop(std::clamp(entry.top(), screen.top(), std::max(screen.top(), screen.bottom() - entry.height() + 1)));
    const int viewWidth = std::min(screen.width(), std::max(kSmallestBookViewWidth, screen.right() - entry.right()));
    const QRect view(screen.right() - viewWidth + 1, screen.top(), viewWidth, screen.height());
    return {entry, view};
}
