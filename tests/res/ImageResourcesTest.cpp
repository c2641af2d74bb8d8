// SPDX-License-Identifier: GPL-3.0-or-later
// The compiled-in icons and the hand cursor: they load from a program that
// links only the resource library, at their sizes, in the 16-colour palette
// with a transparent mask, and the cursor clicks with its fingertip.
#include "res/ImageResources.h"

#include <gtest/gtest.h>

#include <QPixmap>
#include <QHash>
#include <QSet>

#include <vector>

namespace hn {
namespace {

struct Drawn {
    int id;
    int size;
};

const int kButtonIcons[] = {IDI_CALCULATE, IDI_DESKCALC, IDI_SUMMARY, IDI_ADD, IDI_CLOSE, IDI_CLEAR};

std::vector<Drawn> DrawnPictures()
{
    std::vector<Drawn> drawn = {{IDR_MAINFRAME, 32}, {IDR_MAINFRAME, 16}, {IDC_HANDCURSOR, 32}};
    for (const int id : kButtonIcons)
        for (const int size : {16, 32, 48})
            drawn.push_back({id, size});
    return drawn;
}
const std::vector<Drawn> kDrawn = DrawnPictures();

// The classic 16-colour palette.
const QSet<QRgb> kPalette = {
    qRgb(0, 0, 0),       qRgb(128, 0, 0),   qRgb(0, 128, 0),   qRgb(128, 128, 0),
    qRgb(0, 0, 128),     qRgb(128, 0, 128), qRgb(0, 128, 128), qRgb(192, 192, 192),
    qRgb(128, 128, 128), qRgb(255, 0, 0),   qRgb(0, 255, 0),   qRgb(255, 255, 0),
    qRgb(0, 0, 255),     qRgb(255, 0, 255), qRgb(0, 255, 255), qRgb(255, 255, 255),
};

std::string Name(const Drawn& d)
{
    return "id " + std::to_string(d.id) + " at " + std::to_string(d.size);
}

TEST(ImageResources, EveryPictureLoadsAtItsSize)
{
    for (const Drawn& d : kDrawn) {
        const QImage image = LoadIconImage(d.id, d.size);
        ASSERT_FALSE(image.isNull()) << Name(d);
        EXPECT_EQ(image.size(), QSize(d.size, d.size)) << Name(d);
        EXPECT_EQ(image.format(), QImage::Format_ARGB32) << Name(d);
    }
}

TEST(ImageResources, NaturalSizes)
{
    EXPECT_EQ(IconSize(IDR_MAINFRAME), QSize(32, 32));
    EXPECT_EQ(IconSize(IDC_HANDCURSOR), QSize(32, 32));
    for (const int id : {IDI_CALCULATE, IDI_DESKCALC, IDI_SUMMARY, IDI_ADD, IDI_CLOSE, IDI_CLEAR}) {
        EXPECT_EQ(IconSize(id), QSize(16, 16)) << id;
        // The default size is the button icons' own.
        EXPECT_EQ(LoadIconImage(id).size(), QSize(16, 16)) << id;
    }
}

TEST(ImageResources, SixteenColoursWithATransparentMask)
{
    for (const Drawn& d : kDrawn) {
        const QImage image = LoadIconImage(d.id, d.size);
        ASSERT_FALSE(image.isNull()) << Name(d);
        QSet<QRgb> colours;
        int transparent = 0;
        for (int y = 0; y < image.height(); ++y) {
            for (int x = 0; x < image.width(); ++x) {
                const QRgb pixel = image.pixel(x, y);
                const int alpha = qAlpha(pixel);
                ASSERT_TRUE(alpha == 0 || alpha == 255) << Name(d) << " at " << x << "," << y;
                if (alpha == 0) {
                    ++transparent;
                    continue;
                }
                EXPECT_TRUE(kPalette.contains(pixel | 0xff000000u))
                    << Name(d) << " at " << x << "," << y << std::hex << " colour " << pixel;
                colours.insert(pixel);
            }
        }
        EXPECT_LE(colours.size(), 16) << Name(d);
        EXPECT_GT(transparent, 0) << Name(d) << " has no transparent pixel";
        // A picture, not a blank or a filled square.
        EXPECT_GE(colours.size(), 2) << Name(d);
        EXPECT_GE(d.size * d.size - transparent, d.size * d.size / 4) << Name(d) << " is mostly empty";
    }
}

TEST(ImageResources, RoundButtonIconsHaveTransparentCorners)
{
    for (const int id : {IDI_ADD, IDI_CLOSE, IDI_CLEAR}) {
        const QImage image = LoadIconImage(id);
        for (const QPoint corner : {QPoint(0, 0), QPoint(15, 0), QPoint(0, 15), QPoint(15, 15)})
            EXPECT_EQ(qAlpha(image.pixel(corner)), 0) << id;
        EXPECT_EQ(qAlpha(image.pixel(8, 8)), 255) << id;
    }
}

// The larger button pictures show the same design: shrunk back to 16 pixels (the
// colour most of each block has) they match the 16-pixel drawing almost everywhere, and
// better than any other icon's drawing does.
TEST(ImageResources, LargerButtonIconsKeepTheDesign)
{
    auto shrunk = [](const QImage& big) {
        const int k = big.width() / 16;
        QImage small(16, 16, QImage::Format_ARGB32);
        for (int y = 0; y < 16; ++y)
            for (int x = 0; x < 16; ++x) {
                QHash<QRgb, int> votes;
                for (int dy = 0; dy < k; ++dy)
                    for (int dx = 0; dx < k; ++dx)
                        ++votes[big.pixel(x * k + dx, y * k + dy)];
                QRgb best = 0;
                int most = -1;
                for (auto it = votes.cbegin(); it != votes.cend(); ++it)
                    if (it.value() > most)
                        best = it.key(), most = it.value();
                small.setPixel(x, y, best);
            }
        return small;
    };
    auto sameShare = [](const QImage& a, const QImage& b) {
        int same = 0;
        for (int y = 0; y < 16; ++y)
            for (int x = 0; x < 16; ++x) {
                const QRgb p = a.pixel(x, y), q = b.pixel(x, y);
                same += (qAlpha(p) == 0 && qAlpha(q) == 0) || p == q;
            }
        return same / 256.0;
    };
    for (const int id : kButtonIcons) {
        EXPECT_EQ(LoadIconSizes(id).size(), 3u) << id;
        for (const int size : {32, 48}) {
            const QImage small = shrunk(LoadIconImage(id, size));
            EXPECT_GE(sameShare(small, LoadIconImage(id, 16)), 0.85) << id << " at " << size;
            for (const int other : kButtonIcons) {
                if (other == id)
                    continue;
                EXPECT_LT(sameShare(small, LoadIconImage(other, 16)), sameShare(small, LoadIconImage(id, 16)))
                    << id << " at " << size << " looks like " << other;
            }
        }
    }
}

TEST(ImageResources, AppIconOffersBothSizes)
{
    const QIcon icon = LoadAppIcon();
    ASSERT_FALSE(icon.isNull());
    const QList<QSize> sizes = icon.availableSizes();
    EXPECT_TRUE(sizes.contains(QSize(16, 16)));
    EXPECT_TRUE(sizes.contains(QSize(32, 32)));
    // The small size is the drawn small picture, not the large one scaled down.
    EXPECT_EQ(icon.pixmap(16, 16).toImage().convertToFormat(QImage::Format_ARGB32),
              LoadIconImage(IDR_MAINFRAME, 16));
}

TEST(ImageResources, HandCursorClicksWithTheFingertip)
{
    const QCursor cursor = LoadHandCursor();
    ASSERT_EQ(cursor.shape(), Qt::BitmapCursor);
    const QImage image = cursor.pixmap().toImage().convertToFormat(QImage::Format_ARGB32);
    ASSERT_EQ(image.size(), QSize(32, 32));
    EXPECT_EQ(image, LoadIconImage(IDC_HANDCURSOR, 32));

    const QPoint hot = cursor.hotSpot();
    ASSERT_TRUE(image.rect().contains(hot)) << hot.x() << "," << hot.y();
    // On the black outline of the fingertip...
    EXPECT_EQ(image.pixel(hot), qRgb(0, 0, 0));
    // ...which is the topmost point of the hand.
    int topRow = -1;
    for (int y = 0; y < image.height() && topRow < 0; ++y) {
        for (int x = 0; x < image.width(); ++x) {
            if (qAlpha(image.pixel(x, y)) != 0) {
                topRow = y;
                break;
            }
        }
    }
    EXPECT_EQ(hot.y(), topRow);
    // The middle of the fingertip, not its corner: opaque on both sides.
    EXPECT_EQ(qAlpha(image.pixel(hot.x() - 1, hot.y())), 255);
    EXPECT_EQ(qAlpha(image.pixel(hot.x() + 1, hot.y())), 255);
}

TEST(ImageResources, HandCursorIsBlackAndWhite)
{
    const QImage image = LoadIconImage(IDC_HANDCURSOR, 32);
    ASSERT_FALSE(image.isNull());
    bool sawWhite = false;
    for (int y = 0; y < image.height(); ++y) {
        for (int x = 0; x < image.width(); ++x) {
            const QRgb pixel = image.pixel(x, y);
            if (qAlpha(pixel) == 0)
                continue;
            ASSERT_TRUE(pixel == qRgb(0, 0, 0) || pixel == qRgb(255, 255, 255)) << x << "," << y;
            sawWhite = sawWhite || pixel == qRgb(255, 255, 255);
        }
    }
    EXPECT_TRUE(sawWhite);
}

TEST(ImageResources, UnknownIdsAndSizesGiveNothing)
{
    for (const int id : {0, -1, 127, 129, 142, 150, 157, 1062}) {
        EXPECT_TRUE(LoadIconImage(id).isNull()) << id;
        EXPECT_TRUE(LoadIconImage(id, 32).isNull()) << id;
        EXPECT_FALSE(IconSize(id).isValid()) << id;
        EXPECT_FALSE(LoadCursorResource(id).has_value()) << id;
    }
    // Known ids at sizes that were not drawn: no scaled stand-in.
    EXPECT_TRUE(LoadIconImage(IDI_ADD, 24).isNull());
    EXPECT_TRUE(LoadIconImage(IDR_MAINFRAME, 24).isNull());
    EXPECT_TRUE(LoadIconImage(IDC_HANDCURSOR, 16).isNull());
    EXPECT_TRUE(LoadIconImage(IDI_CLEAR, 0).isNull());
    // An icon is not a cursor.
    EXPECT_FALSE(LoadCursorResource(IDI_CALCULATE).has_value());
    EXPECT_TRUE(LoadCursorResource(IDC_HANDCURSOR).has_value());
}

} // namespace
} // namespace hn
