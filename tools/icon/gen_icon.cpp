// Draws the application icon: a mouse outline in the first skin's colours on a dark tile.
// Usage: gen_icon <icons folder> <icon name>
// Writes <folder>/hicolor/<n>x<n>/apps/<name>.png for the usual sizes and
// <folder>/hicolor/scalable/apps/<name>.svg, both from the one list of shapes below.
#include <QDir>
#include <QFile>
#include <QImage>
#include <QLinearGradient>
#include <QPainter>
#include <QTextStream>

#include <cstdio>

namespace {

constexpr double kCanvas = 256; // the SVG's view box; the PNGs scale it

// A rounded rectangle, filled and optionally outlined; or a line when `line` is set.
struct Shape {
    double x, y, w, h, radius;
    const char *fill;   // colour, "none", or "tile" for the background gradient
    const char *stroke; // colour or "none"
    double strokeWidth;
    bool line = false; // from (x, y) to (x + w, y + h)
};

const Shape kShapes[] = {
    {16, 16, 224, 224, 48, "tile", "#561e1c", 4},     // tile
    {78, 36, 100, 184, 50, "#16171c", "#e83426", 10}, // mouse body
    {128, 40, 0, 76, 0, "none", "#e83426", 8, true},  // split between the buttons
    {83, 116, 90, 0, 0, "none", "#e83426", 8, true},  // lower edge of the buttons
    {119, 62, 18, 36, 9, "#ff8a28", "none", 0},       // wheel
    {100, 176, 56, 6, 3, "#ff8a28", "none", 0},       // light strip
};
const char *const kTileTop = "#26282f";
const char *const kTileBottom = "#0a0a0d";

QString svg() {
    QString out;
    QTextStream s(&out);
    s << "<svg xmlns=\"http://www.w3.org/2000/svg\" width=\"256\" height=\"256\" "
         "viewBox=\"0 0 256 256\">\n"
      << "  <defs><linearGradient id=\"tile\" x1=\"0\" y1=\"0\" x2=\"0\" y2=\"1\">"
      << "<stop offset=\"0\" stop-color=\"" << kTileTop << "\"/>"
      << "<stop offset=\"1\" stop-color=\"" << kTileBottom << "\"/></linearGradient></defs>\n";
    for (const Shape &sh : kShapes) {
        if (sh.line) {
            s << "  <line x1=\"" << sh.x << "\" y1=\"" << sh.y << "\" x2=\"" << sh.x + sh.w
              << "\" y2=\"" << sh.y + sh.h << "\" stroke=\"" << sh.stroke << "\" stroke-width=\""
              << sh.strokeWidth << "\" stroke-linecap=\"round\"/>\n";
            continue;
        }
        const QString fill = QLatin1String(sh.fill) == QLatin1String("tile")
                                 ? QStringLiteral("url(#tile)")
                                 : QString::fromLatin1(sh.fill);
        s << "  <rect x=\"" << sh.x << "\" y=\"" << sh.y << "\" width=\"" << sh.w << "\" height=\""
          << sh.h << "\" rx=\"" << sh.radius << "\" fill=\"" << fill << "\" stroke=\"" << sh.stroke
          << "\" stroke-width=\"" << sh.strokeWidth << "\"/>\n";
    }
    s << "</svg>\n";
    return out;
}

QImage png(int size) {
    QImage image(size, size, QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::transparent);
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing);
    p.scale(size / kCanvas, size / kCanvas);
    for (const Shape &sh : kShapes) {
        QPen pen = QLatin1String(sh.stroke) == QLatin1String("none")
                       ? QPen(Qt::NoPen)
                       : QPen(QColor(QLatin1String(sh.stroke)), sh.strokeWidth);
        pen.setCapStyle(Qt::RoundCap);
        p.setPen(pen);
        if (sh.line) {
            p.drawLine(QPointF(sh.x, sh.y), QPointF(sh.x + sh.w, sh.y + sh.h));
            continue;
        }
        const QRectF r(sh.x, sh.y, sh.w, sh.h);
        if (QLatin1String(sh.fill) == QLatin1String("tile")) {
            QLinearGradient g(r.topLeft(), r.bottomLeft());
            g.setColorAt(0, QColor(QLatin1String(kTileTop)));
            g.setColorAt(1, QColor(QLatin1String(kTileBottom)));
            p.setBrush(g);
        } else if (QLatin1String(sh.fill) == QLatin1String("none")) {
            p.setBrush(Qt::NoBrush);
        } else {
            p.setBrush(QColor(QLatin1String(sh.fill)));
        }
        p.drawRoundedRect(r, sh.radius, sh.radius);
    }
    return image;
}

} // namespace

int main(int argc, char *argv[]) {
    if (argc != 3) {
        std::fprintf(stderr, "usage: gen_icon <icons folder> <icon name>\n");
        return 2;
    }
    const QString root = QString::fromLocal8Bit(argv[1]) + QStringLiteral("/hicolor");
    const QString name = QString::fromLocal8Bit(argv[2]);
    for (const int size : {16, 22, 24, 32, 48, 64, 128, 256, 512}) {
        const QString dir = QStringLiteral("%1/%2x%2/apps").arg(root).arg(size);
        if (!QDir().mkpath(dir) || !png(size).save(dir + "/" + name + ".png")) {
            std::fprintf(stderr, "gen_icon: cannot write %s\n", qPrintable(dir));
            return 1;
        }
    }
    const QString dir = root + QStringLiteral("/scalable/apps");
    QFile f(dir + "/" + name + ".svg");
    if (!QDir().mkpath(dir) || !f.open(QIODevice::WriteOnly | QIODevice::Truncate) ||
        f.write(svg().toUtf8()) < 0) {
        std::fprintf(stderr, "gen_icon: cannot write %s\n", qPrintable(f.fileName()));
        return 1;
    }
    return 0;
}
