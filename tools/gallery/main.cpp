// SPDX-License-Identifier: GPL-3.0-or-later
// hensai-gallery <output folder>: writes <family>-<shot>.png and <family>-<shot>@4x.png
// for every registered control family, and an index.md that shows them all.
#include "tools/gallery/Gallery.h"

#include <QApplication>
#include <QDir>
#include <QFile>
#include <QTextStream>
#include <cstdio>

namespace hn::gallery {

namespace {
std::vector<Family>& Registry()
{
    static std::vector<Family> families;
    return families;
}
} // namespace

bool RegisterFamily(const char* family, ShotMaker maker)
{
    Registry().push_back({QString::fromUtf8(family), std::move(maker)});
    return true;
}

const std::vector<Family>& Families()
{
    return Registry();
}

} // namespace hn::gallery

int main(int argc, char** argv)
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    if (argc != 2) {
        std::fprintf(stderr, "usage: hensai-gallery <output folder>\n");
        return 2;
    }
    QDir out(QString::fromLocal8Bit(argv[1]));
    if (!out.mkpath(QStringLiteral("."))) {
        std::fprintf(stderr, "hensai-gallery: cannot create %s\n", argv[1]);
        return 1;
    }

    QFile indexFile(out.filePath(QStringLiteral("index.md")));
    if (!indexFile.open(QIODevice::WriteOnly | QIODevice::Truncate)) {
        std::fprintf(stderr, "hensai-gallery: cannot write index.md\n");
        return 1;
    }
    QTextStream index(&indexFile);
    index << "# Control gallery\n\nEach control in each state, at 1× and at 4× (nearest neighbour).\n";

    int written = 0;
    for (const auto& family : hn::gallery::Families()) {
        index << "\n## " << family.name << "\n\n| state | 1× | 4× |\n|---|---|---|\n";
        for (const auto& shot : family.maker()) {
            const QString base = family.name + QLatin1Char('-') + shot.name;
            bool saved = shot.image.save(out.filePath(base + QStringLiteral(".png")));
            if (shot.magnified) {
                const QImage big =
                    shot.image.scaled(shot.image.size() * 4, Qt::IgnoreAspectRatio, Qt::FastTransformation);
                saved = saved && big.save(out.filePath(base + QStringLiteral("@4x.png")));
            }
            if (!saved) {
                std::fprintf(stderr, "hensai-gallery: cannot write %s\n", qPrintable(base));
                return 1;
            }
            index << "| " << shot.name << " | ![](" << base << ".png) | ";
            if (shot.magnified)
                index << "![](" << base << "@4x.png)";
            index << " |\n";
            ++written;
        }
    }
    std::printf("hensai-gallery: %d shots written to %s\n", written, argv[1]);
    return 0;
}
