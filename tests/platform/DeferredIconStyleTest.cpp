// SPDX-License-Identifier: GPL-3.0-or-later
// The menu bar's overflow icon is read from the wrapped style only when it is drawn,
// then draws exactly as the wrapped style's own at every scale; an icon that outlives
// its style draws nothing instead of crashing.
#include "platform/DeferredIconStyle.h"

#include <QIcon>
#include <QImage>
#include <QPainter>
#include <gtest/gtest.h>

namespace hn {
namespace {

// The wrapped style, counting how often it is asked for an icon.
class CountingStyle : public QProxyStyle {
public:
    QIcon standardIcon(StandardPixmap which, const QStyleOption* option, const QWidget* widget) const override
    {
        ++asked;
        return QProxyStyle::standardIcon(which, option, widget);
    }
    mutable int asked = 0;
};

QImage Painted(const QIcon& icon, qreal scale)
{
    QImage image(QSize(24, 24) * scale, QImage::Format_ARGB32_Premultiplied);
    image.setDevicePixelRatio(scale);
    image.fill(Qt::transparent);
    QPainter painter(&image);
    icon.paint(&painter, QRect(2, 2, 16, 16));
    return image;
}

TEST(DeferredIconStyle, TheOverflowIconIsReadWhenDrawnAndDrawsAsTheWrappedStyles)
{
    for (const QStyle::StandardPixmap which :
         {QStyle::SP_ToolBarHorizontalExtensionButton, QStyle::SP_ToolBarVerticalExtensionButton}) {
        DeferredIconStyle style;
        auto* counting = new CountingStyle;
        style.setBaseStyle(counting);  // the proxy owns it
        const QIcon direct = counting->standardIcon(which, nullptr, nullptr);
        ASSERT_FALSE(direct.isNull()) << which;
        counting->asked = 0;

        const QIcon deferred = style.standardIcon(which);
        EXPECT_EQ(counting->asked, 0) << which;
        const QIcon copy = deferred;  // copies share what is read

        EXPECT_FALSE(deferred.isNull()) << which;
        EXPECT_EQ(deferred.availableSizes(), direct.availableSizes()) << which;
        for (const qreal scale : {1.0, 1.5, 2.0}) {
            for (const int size : {8, 16, 32}) {
                EXPECT_EQ(deferred.pixmap(QSize(size, size), scale).toImage(),
                          direct.pixmap(QSize(size, size), scale).toImage())
                    << which << " at " << size << " px, scale " << scale;
            }
            EXPECT_EQ(Painted(copy, scale), Painted(direct, scale)) << which << " painted at scale " << scale;
        }
        EXPECT_EQ(counting->asked, 1) << which;
    }
}

TEST(DeferredIconStyle, AnIconThatOutlivesItsStyleDrawsNothing)
{
    QIcon icon;
    {
        DeferredIconStyle style;
        icon = style.standardIcon(QStyle::SP_ToolBarHorizontalExtensionButton);
    }
    EXPECT_TRUE(icon.isNull());
    EXPECT_TRUE(icon.pixmap(16).isNull());
}

} // namespace
} // namespace hn
