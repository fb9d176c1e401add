#pragma once

#include <QRect>

// Where the entry window and the book view stand when a book is first
// shown, so that both can be seen: the entry window at the left of the
// screen, the book view beside it taking the rest of the width and the
// whole height. On a screen too narrow for both the book view keeps a
// usable width and covers the right of the entry window, which stays in
// front. Rectangles are frames, window borders included.
struct WindowPlaces {
    QRect entryFrame;
    QRect bookViewFrame;
};

inline constexpr int kSmallestBookViewWidth = 480;

WindowPlaces placeEntryAndBookView(const QRect &screen, const QRect &entryFrame);
