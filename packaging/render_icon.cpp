// Renders the program's SVG icon to square PNGs for the hicolor icon theme.
// Usage: vevi_render_icon <icon.svg> <out.png> <size> [<out.png> <size> ...]
#include <QColor>
#include <QImage>
#include <QPainter>
#include <QString>
#include <QSvgRenderer>
#include <cstdio>

namespace {

// A picture that rendered to nothing (bad SVG, missing element) must fail the build rather
// than install transparent squares.
bool HasVisiblePixels(const QImage& image) {
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x)
            if (qAlpha(image.pixel(x, y)) != 0) return true;
    return false;
}

}  // namespace

int main(int argc, char** argv) {
    if (argc < 4 || (argc - 2) % 2 != 0) {
        std::fprintf(stderr, "usage: %s <icon.svg> <out.png> <size> [<out.png> <size> ...]\n",
                     argv[0]);
        return 2;
    }
    QSvgRenderer renderer(QString::fromLocal8Bit(argv[1]));
    if (!renderer.isValid()) {
        std::fprintf(stderr, "%s: not a usable SVG picture\n", argv[1]);
        return 1;
    }
    for (int i = 2; i + 1 < argc; i += 2) {
        const QString out = QString::fromLocal8Bit(argv[i]);
        const int size = QString::fromLatin1(argv[i + 1]).toInt();
        if (size <= 0) {
            std::fprintf(stderr, "%s: bad size\n", argv[i + 1]);
            return 2;
        }
        QImage image(size, size, QImage::Format_ARGB32_Premultiplied);
        image.fill(Qt::transparent);
        {
            QPainter painter(&image);
            painter.setRenderHint(QPainter::Antialiasing);
            renderer.render(&painter, QRectF(0, 0, size, size));
        }
        if (!HasVisiblePixels(image)) {
            std::fprintf(stderr, "%s: rendered an empty picture\n", argv[1]);
            return 1;
        }
        if (!image.save(out, "PNG")) {
            std::fprintf(stderr, "%s: cannot write\n", argv[i]);
            return 1;
        }
    }
    return 0;
}
