#pragma once
// The symbols on the picture buttons, each drawn to fit the face it is given.
// A pressed button's symbol is drawn a little darker.

#include <QPainterPath>
#include <QString>

class QImage;

namespace lyrova::artwork {

enum class Look;

void DrawArrowRight(QImage& picture, const QRectF& face, Look look);
void DrawCross(QImage& picture, const QRectF& face, Look look);
void DrawCurvedArrow(QImage& picture, const QRectF& face, Look look);
void DrawTick(QImage& picture, const QRectF& face, Look look);
void DrawBolt(QImage& picture, const QRectF& face, Look look);
void DrawWord(QImage& picture, const QRectF& face, const QString& word, Look look);

}  // namespace lyrova::artwork
