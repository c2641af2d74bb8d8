// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/DeferredIconStyle.h"

#include <QIconEngine>
#include <QPointer>
#include <QWidget>

#include <functional>
#include <memory>
#include <optional>

namespace hn {

namespace {

// Reads the icon on first use, then answers exactly as it does. Copies of the icon
// (QIcon detaches by cloning its engine) share what was read.
class DeferredIconEngine final : public QIconEngine {
public:
    explicit DeferredIconEngine(std::function<QIcon()> read)
        : m_shared(std::make_shared<Shared>(Shared{std::move(read), std::nullopt}))
    {
    }

    void paint(QPainter* painter, const QRect& rect, QIcon::Mode mode, QIcon::State state) override
    {
        Icon().paint(painter, rect, Qt::AlignCenter, mode, state);
    }
    QPixmap pixmap(const QSize& size, QIcon::Mode mode, QIcon::State state) override
    {
        return Icon().pixmap(size, 1.0, mode, state);
    }
    // Qt asks for `size` in device pixels (the logical size times `scale`) and QIcon's
    // pixmap() multiplies again; dividing first hands the read icon the same request.
    QPixmap scaledPixmap(const QSize& size, QIcon::Mode mode, QIcon::State state, qreal scale) override
    {
        const QSize logical(qRound(size.width() / scale), qRound(size.height() / scale));
        return Icon().pixmap(logical, scale, mode, state);
    }
    QSize actualSize(const QSize& size, QIcon::Mode mode, QIcon::State state) override
    {
        return Icon().actualSize(size, mode, state);
    }
    QList<QSize> availableSizes(QIcon::Mode mode, QIcon::State state) override
    {
        return Icon().availableSizes(mode, state);
    }
    QString iconName() override { return Icon().name(); }
    bool isNull() override { return Icon().isNull(); }
    QString key() const override { return QStringLiteral("hn.deferred"); }
    QIconEngine* clone() const override { return new DeferredIconEngine(*this); }

private:
    struct Shared {
        std::function<QIcon()> read;
        std::optional<QIcon> icon;
    };

    const QIcon& Icon()
    {
        if (!m_shared->icon)
            m_shared->icon = m_shared->read();
        return *m_shared->icon;
    }

    std::shared_ptr<Shared> m_shared;
};

} // namespace

QIcon DeferredIconStyle::standardIcon(StandardPixmap standardIcon, const QStyleOption* option,
                                      const QWidget* widget) const
{
    // An option lives only for this call, so a call with one is answered at once.
    const bool overflow =
        standardIcon == SP_ToolBarHorizontalExtensionButton || standardIcon == SP_ToolBarVerticalExtensionButton;
    if (!overflow || option)
        return QProxyStyle::standardIcon(standardIcon, option, widget);
    // The style or the widget may be gone by the time the icon is drawn.
    const QPointer<QStyle> base(baseStyle());
    const QPointer<const QWidget> owner(widget);
    return QIcon(new DeferredIconEngine([base, owner, standardIcon] {
        return base ? base->standardIcon(standardIcon, nullptr, owner.data()) : QIcon();
    }));
}

} // namespace hn
