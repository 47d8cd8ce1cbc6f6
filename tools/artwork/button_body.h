#pragma once
// The common body of every picture button: a soft drop shadow, a bevelled
// rim and a softly lit face on the main window's grey. The pressed body sits
// lower (smaller shadow, inverted bevel, darker face) and one pixel further
// right and down, so the glyph drawn on it moves with it.

#include <QColor>
#include <QImage>
#include <QPainterPath>
#include <QRectF>

namespace lyrova::artwork {

// The main window's background, RGB(0xD4, 0xD0, 0xC8).
inline const QColor kWindowGrey{0xD4, 0xD0, 0xC8};

enum class Look { Resting, Pressed };

// How far a pressed picture's content moves.
inline constexpr double kPressShift = 1.0;

// A blank picture of the window's grey.
QImage BlankPicture(int width, int height);

// Draws the shadow, rim and face of `outline` on `picture` and returns the
// face's area (already shifted when pressed) for the glyph to go on.
QPainterPath DrawBody(QImage& picture, const QPainterPath& outline, Look look);

// Shapes of the bodies, centred in a picture of the given size with room
// left for the shadow.
QPainterPath RoundOutline(int size);
QPainterPath OvalOutline(int width, int height);

// A soft blurred copy of `shape` in `color`, painted onto `target`.
void DrawSoftShadow(QImage& target, const QPainterPath& shape, QColor color, double blur);

}  // namespace lyrova::artwork
