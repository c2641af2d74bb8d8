// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/WindowFit.h"

#include <QApplication>
#include <QEvent>
#include <QScreen>
#include <QWidget>
#include <algorithm>

namespace hn {

namespace {

// At a scale such as 1.5 a frame of whole device pixels comes to fractions of Qt's
// pixels, and each edge may be rounded down by one.
bool FractionalScale(const QWidget* window)
{
    const qreal ratio = window->devicePixelRatioF();
    return ratio != static_cast<qreal>(static_cast<int>(ratio));
}

// Margins of a shown window that has a frame; none while it has not (yet).
bool KnownFrame(const QWidget* window, FrameMargins& out)
{
    if (!window || !window->isVisible())
        return false;
    const QRect outer = window->frameGeometry();
    const QRect inner = window->geometry();
    if (outer == inner)
        return false;
    const int rounding = FractionalScale(window) ? 1 : 0;
    out = {inner.left() - outer.left() + rounding, inner.top() - outer.top() + rounding,
           outer.right() - inner.right() + rounding, outer.bottom() - inner.bottom() + rounding};
    return true;
}

void Apply(QWidget* window, const FrameRect& outer, const FrameMargins& frame)
{
    const FrameRect client = ClientOf(outer, frame);
    window->setGeometry(client.x, client.y, client.width, client.height);
}

// Watches a window until it has a frame, then keeps that frame on the available area.
class FrameKeeper : public QObject {
public:
    explicit FrameKeeper(QWidget* window) : QObject(window) { window->installEventFilter(this); }

    bool eventFilter(QObject* watched, QEvent* event) override
    {
        switch (event->type()) {
        case QEvent::Show:
        case QEvent::Move:
        case QEvent::Resize:
        case QEvent::WindowActivate:
            break;
        default:
            return false;
        }
        auto* window = static_cast<QWidget*>(watched);
        FrameMargins frame;
        if (!KnownFrame(window, frame))
            return false;
        window->removeEventFilter(this);
        deleteLater();
        const FrameRect outer = ToFrameRect(window->frameGeometry());
        const bool resizable = window->minimumSize() != window->maximumSize();
        const FrameRect inside = KeepInside(outer, ToFrameRect(AvailableArea(window)), resizable);
        if (inside == outer)
            return false;
        if (inside.width != outer.width || inside.height != outer.height)
            Apply(window, inside, frame);
        else
            window->move(inside.x, inside.y); // a window's position is that of its frame
        return false;
    }
};

} // namespace

FrameRect ToFrameRect(const QRect& r)
{
    return {r.x(), r.y(), r.width(), r.height()};
}

FrameMargins FrameOf(const QWidget* window, FrameMargins unknown)
{
    FrameMargins frame;
    if (KnownFrame(window, frame))
        return frame;
    for (const QWidget* other : QApplication::topLevelWidgets())
        if (other != window && other->isWindow() && KnownFrame(other, frame))
            return frame;
    return unknown;
}

QRect AvailableArea(const QWidget* window)
{
    const QScreen* screen = window ? window->screen() : nullptr;
    if (!screen)
        screen = QGuiApplication::primaryScreen();
    if (!screen)
        return QRect(0, 0, 1024, 600);
    // 1366 device pixels at 1.5 are 910.67 of Qt's: the last one is not whole.
    const qreal ratio = screen->devicePixelRatio();
    const bool fractional = ratio != static_cast<qreal>(static_cast<int>(ratio));
    return screen->availableGeometry().adjusted(0, 0, fractional ? -1 : 0, fractional ? -1 : 0);
}

void PlaceOnScreen(QWidget* window, QSize wanted, const std::vector<const QWidget*>& others, QSize minimum)
{
    PlacementRequest request;
    const QWidget* near = window;
    for (const QWidget* other : others) {
        if (other && other->isVisible()) {
            request.others.push_back(ToFrameRect(other->frameGeometry()));
            if (near == window)
                near = other; // open on the screen of the calculator window
        }
    }
    request.available = ToFrameRect(AvailableArea(near));
    request.frame = FrameOf(window);
    request.wantedWidth = wanted.width();
    request.wantedHeight = wanted.height();
    request.minWidth = minimum.width();
    request.minHeight = minimum.height();
    Apply(window, PlaceWindow(request), request.frame);
    KeepFrameOnScreen(window);
}

void PlaceOver(QWidget* window, const QWidget* owner)
{
    const FrameMargins frame = FrameOf(window);
    const QSize size = window->sizeHint().expandedTo(window->minimumSize());
    const int width = size.width() + frame.left + frame.right;
    const int height = size.height() + frame.top + frame.bottom;
    const FrameRect area = ToFrameRect(AvailableArea(owner ? owner : window));
    const FrameRect outer = owner && owner->isVisible()
        ? CentreOver(ToFrameRect(owner->frameGeometry()), width, height, area)
        : PlaceWindow(PlacementRequest{area, frame, size.width(), size.height(), 0, 0, {}});
    Apply(window, outer, frame);
    KeepFrameOnScreen(window);
}

std::vector<const QWidget*> OpenWindows(const QWidget* window)
{
    std::vector<const QWidget*> windows;
    const auto add = [&](const QWidget* w) {
        const Qt::WindowType type = w->windowType();
        if (w != window && w->isVisible() && (type == Qt::Window || type == Qt::Dialog) &&
            std::find(windows.begin(), windows.end(), w) == windows.end())
            windows.push_back(w);
    };
    const QWidget* root = window;
    while (root->parentWidget())
        root = root->parentWidget()->window();
    add(root);
    for (const QWidget* w : QApplication::topLevelWidgets())
        add(w);
    return windows;
}

void KeepFrameOnScreen(QWidget* window)
{
    new FrameKeeper(window);
}

} // namespace hn
