#pragma once
// A small GDI-like drawing surface over a QImage, so that owner-drawn controls keep the
// exact pixels of their line-by-line drawing recipes. Pens are one pixel wide and
// aliased; a line excludes its end point; rectangles take (left, top, right, bottom)
// with right and bottom exclusive. Everything outside the image is clipped.
#include "platform/ColorRef.h"

#include <QImage>
#include <QPoint>
#include <initializer_list>

namespace hn {

class Canvas {
public:
    explicit Canvas(QImage& target);

    // Drawing coordinates are offset by this origin (a memory context's moved origin).
    void SetOrigin(int x, int y);
    QPoint Origin() const { return m_origin; }

    // Returns the previous pen or brush colour so that a caller can restore it.
    ColorRef SelectPen(ColorRef colour);
    ColorRef SelectBrush(ColorRef colour);
    ColorRef Pen() const { return m_pen; }
    ColorRef Brush() const { return m_brush; }

    void MoveTo(int x, int y);
    void LineTo(int x, int y);
    QPoint CurrentPosition() const { return m_position; }
    // MoveTo the first point, then LineTo every following one.
    void Polyline(std::initializer_list<QPoint> points);

    void SetPixel(int x, int y, ColorRef colour);
    ColorRef GetPixel(int x, int y) const;

    void FillRect(int left, int top, int right, int bottom, ColorRef colour);
    // Outline in the pen, inside in the brush.
    void Rectangle(int left, int top, int right, int bottom);
    // Rectangle with corners rounded by an ellipse of ellipseWidth × ellipseHeight.
    void RoundRect(int left, int top, int right, int bottom, int ellipseWidth, int ellipseHeight);
    // Dotted frame that inverts every other pixel, so drawing it twice removes it.
    void DrawFocusRect(int left, int top, int right, int bottom);
    // An icon with its transparency. Disabled draws it embossed: its dark shapes once in
    // the highlight colour one pixel down-right, then in the shadow colour on top.
    void DrawIcon(int x, int y, const QImage& icon, bool disabled, ColorRef highlight, ColorRef shadow);

    QImage& Image() { return m_image; }

private:
    void Plot(int x, int y, ColorRef colour); // device coordinates, clipped

    QImage& m_image;
    // Direct access to the pixels: QImage::setPixel checks and detaches on every call,
    // and an animation repaints whole controls forty times a second.
    QRgb* m_bits = nullptr;
    qsizetype m_stride = 0; // pixels per row
    int m_width = 0, m_height = 0;
    QPoint m_origin{0, 0};
    QPoint m_position{0, 0};
    ColorRef m_pen{};
    ColorRef m_brush{ColorRef(0xFFFFFFu)};
};

} // namespace hn
