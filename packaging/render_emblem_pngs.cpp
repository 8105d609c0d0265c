// Renders the program's emblem into the PNG files of the hicolor icon theme:
//   render_emblem_pngs OUTPUT_DIR ICON_NAME SIZE...
// writes OUTPUT_DIR/<SIZE>x<SIZE>/apps/ICON_NAME.png for every SIZE.
// Run it with QT_QPA_PLATFORM=offscreen; it needs no display.

#include "app/tarvanel_emblem.h"

#include <QDir>
#include <QGuiApplication>
#include <QImage>
#include <QPainter>

#include <charconv>
#include <cstdio>
#include <string_view>

namespace {

bool parseSize(std::string_view text, int& size) {
    const auto* end = text.data() + text.size();
    const auto [stop, error] = std::from_chars(text.data(), end, size);
    return error == std::errc() && stop == end && size > 0 && size <= 1024;
}

bool renderPng(const QString& outputDir, const QString& iconName, int size) {
    const QString dir = QStringLiteral("%1/%2x%2/apps").arg(outputDir).arg(size);
    if (!QDir().mkpath(dir)) return false;

    QImage image(size, size, QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::transparent);
    QPainter painter(&image);
    tarvanel::paintEmblem(painter, QRectF(0, 0, size, size));
    painter.end();
    return image.save(dir + QLatin1Char('/') + iconName + QStringLiteral(".png"), "PNG");
}

} // namespace

int main(int argc, char* argv[]) {
    QGuiApplication app(argc, argv);
    if (argc < 4) {
        std::fprintf(stderr, "usage: %s OUTPUT_DIR ICON_NAME SIZE...\n", argv[0]);
        return 2;
    }
    const QString outputDir = QString::fromLocal8Bit(argv[1]);
    const QString iconName = QString::fromLocal8Bit(argv[2]);
    for (int i = 3; i < argc; ++i) {
        int size = 0;
        if (!parseSize(argv[i], size)) {
            std::fprintf(stderr, "not an icon size: %s\n", argv[i]);
            return 2;
        }
        if (!renderPng(outputDir, iconName, size)) {
            std::fprintf(stderr, "cannot write the %d px icon into %s\n", size, argv[1]);
            return 1;
        }
    }
    return 0;
}
