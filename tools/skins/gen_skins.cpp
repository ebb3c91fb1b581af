// Draws the skin images of the interface: every picture the QML documents load from
// modules/img/skin<n>/, for two themes. Usage: gen_skins <img folder>
//
// Natural sizes matter: the documents place controls inside these pictures at fixed pixel
// offsets (slider rows, button-group cells, menu buttons), so each size below is the one the
// layout is built around.
#include <QDir>
#include <QGuiApplication>
#include <QImage>
#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>
#include <QRadialGradient>
#include <QTextStream>

#include <cmath>
#include <functional>

namespace {

struct Theme {
    QString folder;
    QColor base;    // darkest surface
    QColor surface; // panels
    QColor raised;  // controls at rest
    QColor accent;  // highlights, selected states
    QColor accent2; // second accent for gradients
    QColor line;    // thin frame lines
};

const Theme kThemes[] = {
    // skin1: carbon black with a molten red edge.
    {"skin1", QColor(10, 10, 13), QColor(22, 23, 28), QColor(38, 40, 47), QColor(232, 52, 38),
     QColor(255, 138, 40), QColor(86, 30, 28)},
    // skin2: deep navy with an electric cyan edge.
    {"skin2", QColor(6, 10, 20), QColor(14, 22, 38), QColor(26, 40, 64), QColor(0, 210, 255),
     QColor(150, 90, 255), QColor(20, 70, 100)},
};

class Canvas {
public:
    Canvas(int w, int h) : image(w, h, QImage::Format_ARGB32_Premultiplied) {
        image.fill(Qt::transparent);
        p.begin(&image);
        p.setRenderHint(QPainter::Antialiasing);
        p.setRenderHint(QPainter::TextAntialiasing);
    }
    QImage image;
    QPainter p;
    QRectF rect() const { return QRectF(0, 0, image.width(), image.height()); }
};

QColor withAlpha(QColor c, int alpha) {
    c.setAlpha(alpha);
    return c;
}

// A bevelled plate: dark gradient body, thin bright edge in `edge`.
void plate(QPainter &p, const QRectF &r, const Theme &t, qreal radius, const QColor &edge,
           const QColor &top, const QColor &bottom) {
    QLinearGradient g(r.topLeft(), r.bottomLeft());
    g.setColorAt(0, top);
    g.setColorAt(1, bottom);
    p.setPen(QPen(edge, 1));
    p.setBrush(g);
    p.drawRoundedRect(r.adjusted(0.5, 0.5, -0.5, -0.5), radius, radius);
    Q_UNUSED(t);
}

void restPlate(QPainter &p, const QRectF &r, const Theme &t, qreal radius = 3) {
    plate(p, r, t, radius, t.line, t.raised, t.surface);
}

void hotPlate(QPainter &p, const QRectF &r, const Theme &t, qreal radius = 3) {
    plate(p, r, t, radius, t.accent, t.accent.darker(180), t.accent.darker(320));
}

// Angular frame with cut corners, the house style of panels.
QPainterPath cutFrame(const QRectF &r, qreal cut) {
    QPainterPath path;
    path.moveTo(r.left() + cut, r.top());
    path.lineTo(r.right() - cut, r.top());
    path.lineTo(r.right(), r.top() + cut);
    path.lineTo(r.right(), r.bottom() - cut);
    path.lineTo(r.right() - cut, r.bottom());
    path.lineTo(r.left() + cut, r.bottom());
    path.lineTo(r.left(), r.bottom() - cut);
    path.lineTo(r.left(), r.top() + cut);
    path.closeSubpath();
    return path;
}

void panel(QPainter &p, const QRectF &r, const Theme &t, qreal cut, int bodyAlpha = 235) {
    const QPainterPath path = cutFrame(r.adjusted(1, 1, -1, -1), cut);
    QLinearGradient g(r.topLeft(), r.bottomLeft());
    g.setColorAt(0, withAlpha(t.surface, bodyAlpha));
    g.setColorAt(1, withAlpha(t.base, bodyAlpha));
    p.setBrush(g);
    p.setPen(QPen(t.line, 1.5));
    p.drawPath(path);
    // accent ticks on the cut corners
    p.setPen(QPen(t.accent, 2));
    const QRectF a = r.adjusted(1, 1, -1, -1);
    p.drawLine(QPointF(a.left() + cut, a.top()), QPointF(a.left() + cut + 40, a.top()));
    p.drawLine(QPointF(a.right() - cut, a.bottom()), QPointF(a.right() - cut - 40, a.bottom()));
}

void grid(QPainter &p, const QRectF &r, const QColor &c, int step) {
    p.setPen(QPen(c, 1));
    for (qreal x = r.left(); x < r.right(); x += step)
        p.drawLine(QPointF(x, r.top()), QPointF(x, r.bottom()));
    for (qreal y = r.top(); y < r.bottom(); y += step)
        p.drawLine(QPointF(r.left(), y), QPointF(r.right(), y));
}

// ---- icons, drawn into a square of side s centred in r -------------------------------------

using Icon = std::function<void(QPainter &, const QRectF &, const QColor &)>;

void iconGear(QPainter &p, const QRectF &r, const QColor &c) {
    const QPointF m = r.center();
    const qreal R = r.width() * 0.42, r0 = r.width() * 0.30;
    QPainterPath path;
    for (int i = 0; i < 16; ++i) {
        const qreal a = i * M_PI / 8;
        const qreal rr = (i % 2) ? r0 : R;
        const QPointF pt(m.x() + rr * std::cos(a), m.y() + rr * std::sin(a));
        i ? path.lineTo(pt) : path.moveTo(pt);
    }
    path.closeSubpath();
    path.addEllipse(m, r.width() * 0.13, r.width() * 0.13);
    path.setFillRule(Qt::OddEvenFill);
    p.setPen(Qt::NoPen);
    p.setBrush(c);
    p.drawPath(path);
}

void iconPower(QPainter &p, const QRectF &r, const QColor &c) {
    p.setPen(QPen(c, r.width() * 0.11, Qt::SolidLine, Qt::RoundCap));
    p.setBrush(Qt::NoBrush);
    const QRectF ring =
        r.adjusted(r.width() * 0.18, r.width() * 0.2, -r.width() * 0.18, -r.width() * 0.16);
    p.drawArc(ring, 120 * 16, -240 * 16);
    p.drawLine(QPointF(r.center().x(), r.top() + r.height() * 0.12),
               QPointF(r.center().x(), r.center().y()));
}

void iconReset(QPainter &p, const QRectF &r, const QColor &c) {
    p.setPen(QPen(c, r.width() * 0.11, Qt::SolidLine, Qt::RoundCap));
    p.setBrush(Qt::NoBrush);
    const QRectF ring =
        r.adjusted(r.width() * 0.2, r.width() * 0.2, -r.width() * 0.2, -r.width() * 0.2);
    p.drawArc(ring, 100 * 16, 290 * 16);
    const QPointF tip(ring.center().x() - ring.width() * 0.1, ring.top());
    QPolygonF head;
    head << tip + QPointF(r.width() * 0.16, -r.width() * 0.12) << tip
         << tip + QPointF(r.width() * 0.14, r.width() * 0.14);
    p.drawPolyline(head);
}

void iconCheck(QPainter &p, const QRectF &r, const QColor &c) {
    p.setPen(QPen(c, r.width() * 0.12, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    p.setBrush(Qt::NoBrush);
    QPolygonF tick;
    tick << QPointF(r.left() + r.width() * 0.2, r.top() + r.height() * 0.52)
         << QPointF(r.left() + r.width() * 0.42, r.top() + r.height() * 0.74)
         << QPointF(r.left() + r.width() * 0.8, r.top() + r.height() * 0.28);
    p.drawPolyline(tick);
}

void iconPlus(QPainter &p, const QRectF &r, const QColor &c) {
    p.setPen(QPen(c, r.width() * 0.12, Qt::SolidLine, Qt::RoundCap));
    const QPointF m = r.center();
    const qreal d = r.width() * 0.3;
    p.drawLine(m - QPointF(d, 0), m + QPointF(d, 0));
    p.drawLine(m - QPointF(0, d), m + QPointF(0, d));
}

void iconMinus(QPainter &p, const QRectF &r, const QColor &c) {
    p.setPen(QPen(c, r.width() * 0.12, Qt::SolidLine, Qt::RoundCap));
    const QPointF m = r.center();
    const qreal d = r.width() * 0.3;
    p.drawLine(m - QPointF(d, 0), m + QPointF(d, 0));
}

void iconRecord(QPainter &p, const QRectF &r, const QColor &c) {
    p.setPen(Qt::NoPen);
    p.setBrush(c);
    p.drawEllipse(r.center(), r.width() * 0.26, r.width() * 0.26);
}

void iconStop(QPainter &p, const QRectF &r, const QColor &c) {
    p.setPen(Qt::NoPen);
    p.setBrush(c);
    const qreal d = r.width() * 0.24;
    p.drawRoundedRect(QRectF(r.center() - QPointF(d, d), QSizeF(2 * d, 2 * d)), 2, 2);
}

void iconTrash(QPainter &p, const QRectF &r, const QColor &c) {
    p.setPen(QPen(c, r.width() * 0.08, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    p.setBrush(Qt::NoBrush);
    const qreal w = r.width();
    p.drawLine(QPointF(r.left() + w * 0.22, r.top() + w * 0.3),
               QPointF(r.right() - w * 0.22, r.top() + w * 0.3));
    p.drawLine(QPointF(r.left() + w * 0.42, r.top() + w * 0.22),
               QPointF(r.right() - w * 0.42, r.top() + w * 0.22));
    QPolygonF can;
    can << QPointF(r.left() + w * 0.3, r.top() + w * 0.32)
        << QPointF(r.left() + w * 0.34, r.bottom() - w * 0.2)
        << QPointF(r.right() - w * 0.34, r.bottom() - w * 0.2)
        << QPointF(r.right() - w * 0.3, r.top() + w * 0.32);
    p.drawPolyline(can);
}

void iconCut(QPainter &p, const QRectF &r, const QColor &c) {
    const qreal w = r.width();
    p.setPen(QPen(c, w * 0.08, Qt::SolidLine, Qt::RoundCap));
    p.setBrush(Qt::NoBrush);
    p.drawEllipse(QPointF(r.left() + w * 0.33, r.bottom() - w * 0.3), w * 0.1, w * 0.1);
    p.drawEllipse(QPointF(r.right() - w * 0.33, r.bottom() - w * 0.3), w * 0.1, w * 0.1);
    p.drawLine(QPointF(r.left() + w * 0.38, r.bottom() - w * 0.38),
               QPointF(r.right() - w * 0.32, r.top() + w * 0.2));
    p.drawLine(QPointF(r.right() - w * 0.38, r.bottom() - w * 0.38),
               QPointF(r.left() + w * 0.32, r.top() + w * 0.2));
}

void iconCopy(QPainter &p, const QRectF &r, const QColor &c) {
    const qreal w = r.width();
    p.setPen(QPen(c, w * 0.07));
    p.setBrush(Qt::NoBrush);
    p.drawRoundedRect(QRectF(r.left() + w * 0.22, r.top() + w * 0.2, w * 0.38, w * 0.46), 2, 2);
    p.drawRoundedRect(QRectF(r.left() + w * 0.4, r.top() + w * 0.34, w * 0.38, w * 0.46), 2, 2);
}

void iconPaste(QPainter &p, const QRectF &r, const QColor &c) {
    const qreal w = r.width();
    p.setPen(QPen(c, w * 0.07));
    p.setBrush(Qt::NoBrush);
    p.drawRoundedRect(QRectF(r.left() + w * 0.25, r.top() + w * 0.22, w * 0.5, w * 0.58), 2, 2);
    p.setBrush(c);
    p.drawRect(QRectF(r.left() + w * 0.38, r.top() + w * 0.16, w * 0.24, w * 0.1));
}

void iconKey(QPainter &p, const QRectF &r, const QColor &c) {
    const qreal w = r.width();
    p.setPen(QPen(c, w * 0.08));
    p.setBrush(Qt::NoBrush);
    p.drawRoundedRect(r.adjusted(w * 0.12, w * 0.24, -w * 0.12, -w * 0.24), 3, 3);
    p.setPen(Qt::NoPen);
    p.setBrush(c);
    for (int i = 0; i < 4; ++i)
        p.drawRect(
            QRectF(r.left() + w * (0.22 + i * 0.15), r.top() + w * 0.36, w * 0.08, w * 0.08));
    p.drawRect(QRectF(r.left() + w * 0.3, r.top() + w * 0.55, w * 0.4, w * 0.08));
}

void iconMacro(QPainter &p, const QRectF &r, const QColor &c) {
    const qreal w = r.width();
    p.setPen(QPen(c, w * 0.08, Qt::SolidLine, Qt::RoundCap));
    for (int i = 0; i < 3; ++i) {
        const qreal y = r.top() + w * (0.28 + i * 0.22);
        p.drawPoint(QPointF(r.left() + w * 0.2, y));
        p.drawLine(QPointF(r.left() + w * 0.34, y), QPointF(r.right() - w * (0.18 + i * 0.1), y));
    }
}

void iconColor(QPainter &p, const QRectF &r, const QColor &c) {
    const qreal w = r.width();
    const QColor hues[3] = {QColor(255, 60, 60), QColor(60, 255, 120), QColor(70, 140, 255)};
    p.setPen(Qt::NoPen);
    for (int i = 0; i < 3; ++i) {
        const qreal a = -M_PI / 2 + i * 2 * M_PI / 3;
        QColor h = hues[i];
        h.setAlpha(c.alpha() == 255 && c.lightness() > 150 ? 230 : 140);
        p.setBrush(h);
        p.drawEllipse(QPointF(r.center().x() + w * 0.13 * std::cos(a),
                              r.center().y() + w * 0.13 * std::sin(a)),
                      w * 0.22, w * 0.22);
    }
}

void iconSensor(QPainter &p, const QRectF &r, const QColor &c) {
    const qreal w = r.width();
    p.setPen(QPen(c, w * 0.07));
    p.setBrush(Qt::NoBrush);
    p.drawEllipse(r.center(), w * 0.3, w * 0.3);
    p.drawEllipse(r.center(), w * 0.12, w * 0.12);
    p.drawLine(QPointF(r.center().x(), r.top() + w * 0.08),
               QPointF(r.center().x(), r.top() + w * 0.28));
    p.drawLine(QPointF(r.center().x(), r.bottom() - w * 0.08),
               QPointF(r.center().x(), r.bottom() - w * 0.28));
    p.drawLine(QPointF(r.left() + w * 0.08, r.center().y()),
               QPointF(r.left() + w * 0.28, r.center().y()));
    p.drawLine(QPointF(r.right() - w * 0.08, r.center().y()),
               QPointF(r.right() - w * 0.28, r.center().y()));
}

// A round icon button: ring and icon; state 1 glows in the accent colour.
QImage roundButton(const Theme &t, int size, const Icon &icon, bool hot) {
    Canvas c(size, size);
    const QRectF r = c.rect().adjusted(1.5, 1.5, -1.5, -1.5);
    if (hot) {
        QRadialGradient glow(r.center(), r.width() / 2);
        glow.setColorAt(0, withAlpha(t.accent, 120));
        glow.setColorAt(1, withAlpha(t.accent, 20));
        c.p.setBrush(glow);
    } else {
        QLinearGradient g(r.topLeft(), r.bottomLeft());
        g.setColorAt(0, t.raised);
        g.setColorAt(1, t.base);
        c.p.setBrush(g);
    }
    c.p.setPen(QPen(hot ? t.accent : t.line.lighter(150), 1.5));
    c.p.drawEllipse(r);
    icon(c.p, r.adjusted(size * 0.12, size * 0.12, -size * 0.12, -size * 0.12),
         hot ? QColor(255, 255, 255) : QColor(200, 204, 212));
    return c.image;
}

// ---- the mouse ---------------------------------------------------------------------------

QImage mousePicture(const Theme &t, bool keyView, qreal scale = 1) {
    Canvas c(qRound(102 * scale), qRound(191 * scale));
    QPainter &p = c.p;
    p.scale(scale, scale);
    const QRectF body(8, 6, 86, 178);
    QPainterPath shell;
    shell.moveTo(body.center().x(), body.top());
    shell.cubicTo(body.right() + 4, body.top(), body.right() + 2, body.top() + 70, body.right() - 2,
                  body.top() + 110);
    shell.cubicTo(body.right() - 6, body.bottom() - 10, body.center().x() + 20, body.bottom(),
                  body.center().x(), body.bottom());
    shell.cubicTo(body.center().x() - 20, body.bottom(), body.left() + 6, body.bottom() - 10,
                  body.left() + 2, body.top() + 110);
    shell.cubicTo(body.left() - 2, body.top() + 70, body.left() - 4, body.top(), body.center().x(),
                  body.top());
    QLinearGradient g(body.topLeft(), body.topRight());
    g.setColorAt(0, QColor(34, 36, 42));
    g.setColorAt(0.5, QColor(58, 61, 70));
    g.setColorAt(1, QColor(28, 30, 36));
    p.setPen(QPen(QColor(90, 94, 104), 1.2));
    p.setBrush(g);
    p.drawPath(shell);

    // the two main buttons, split down the middle
    const qreal mid = body.center().x();
    p.setPen(QPen(QColor(12, 12, 14), 2));
    p.drawLine(QPointF(mid, body.top() + 2), QPointF(mid, body.top() + 78));
    p.drawLine(QPointF(body.left() + 4, body.top() + 80),
               QPointF(body.right() - 4, body.top() + 80));
    // the wheel
    p.setPen(QPen(QColor(10, 10, 12), 1));
    p.setBrush(QColor(20, 20, 24));
    p.drawRoundedRect(QRectF(mid - 6, body.top() + 20, 12, 30), 6, 6);
    QLinearGradient wheel(QPointF(mid - 4, 0), QPointF(mid + 4, 0));
    wheel.setColorAt(0, QColor(70, 72, 80));
    wheel.setColorAt(0.5, QColor(140, 144, 152));
    wheel.setColorAt(1, QColor(70, 72, 80));
    p.setBrush(wheel);
    p.drawRoundedRect(QRectF(mid - 3.5, body.top() + 23, 7, 24), 3, 3);
    // DPI button under the wheel
    p.setBrush(QColor(24, 24, 28));
    p.drawRoundedRect(QRectF(mid - 4, body.top() + 56, 8, 12), 2, 2);

    // light strips down both flanks and the logo: the parts the lighting drives
    const QColor glowA = keyView ? withAlpha(t.accent, 150) : t.accent;
    const QColor glowB = keyView ? withAlpha(t.accent2, 150) : t.accent2;
    for (int side = 0; side < 2; ++side) {
        QPainterPath strip;
        const qreal x = side ? body.right() - 6 : body.left() + 6;
        strip.moveTo(x, body.top() + 30);
        strip.cubicTo(x + (side ? 3 : -3), body.top() + 80, x + (side ? 1 : -1), body.top() + 120,
                      x + (side ? -8 : 8), body.top() + 150);
        QLinearGradient sg(QPointF(0, body.top() + 30), QPointF(0, body.top() + 150));
        sg.setColorAt(0, glowA);
        sg.setColorAt(1, glowB);
        p.setPen(QPen(QBrush(sg), 3, Qt::SolidLine, Qt::RoundCap));
        p.setBrush(Qt::NoBrush);
        p.drawPath(strip);
        p.setPen(QPen(QBrush(sg), 7, Qt::SolidLine, Qt::RoundCap));
        p.setOpacity(0.25);
        p.drawPath(strip);
        p.setOpacity(1);
    }
    // logo: a stylised "R8" badge on the palm
    QRadialGradient logo(QPointF(mid, body.top() + 128), 16);
    logo.setColorAt(0, withAlpha(t.accent, 220));
    logo.setColorAt(1, withAlpha(t.accent, 0));
    p.setPen(Qt::NoPen);
    p.setBrush(logo);
    p.drawEllipse(QPointF(mid, body.top() + 128), 16, 16);
    QFont f(QStringLiteral("DejaVu Sans"));
    f.setBold(true);
    f.setPixelSize(13);
    p.setFont(f);
    p.setPen(QColor(255, 255, 255, 230));
    p.drawText(QRectF(mid - 16, body.top() + 119, 32, 18), Qt::AlignCenter, QStringLiteral("R8"));

    if (keyView) {
        // side buttons 4 and 5 on the left flank
        p.setPen(QPen(QColor(12, 12, 14), 1));
        p.setBrush(QColor(80, 84, 94));
        p.drawRoundedRect(QRectF(body.left() - 1, body.top() + 86, 6, 16), 2, 2);
        p.drawRoundedRect(QRectF(body.left() - 1, body.top() + 106, 6, 16), 2, 2);
    }
    return c.image;
}

// ---- the images -------------------------------------------------------------------------

QImage background(const Theme &t) {
    Canvas c(1000, 600);
    QPainter &p = c.p;
    QPainterPath round;
    round.addRoundedRect(c.rect(), 14, 14);
    p.setClipPath(round);
    QLinearGradient g(0, 0, 0, 600);
    g.setColorAt(0, t.surface);
    g.setColorAt(1, t.base);
    p.fillRect(c.rect(), g);
    grid(p, c.rect(), withAlpha(t.line, 40), 24);
    // a soft glow behind the page area and a diagonal light streak
    QRadialGradient glow(QPointF(550, 330), 420);
    glow.setColorAt(0, withAlpha(t.accent, 46));
    glow.setColorAt(1, withAlpha(t.accent, 0));
    p.fillRect(c.rect(), glow);
    QLinearGradient streak(0, 600, 1000, 0);
    streak.setColorAt(0.45, withAlpha(t.accent2, 0));
    streak.setColorAt(0.5, withAlpha(t.accent2, 28));
    streak.setColorAt(0.55, withAlpha(t.accent2, 0));
    p.fillRect(c.rect(), streak);

    // The mouse itself on a lit pedestal, in the middle of the page area: what the window
    // shows until a function is picked.
    const QPointF centre(550, 300);
    QRadialGradient pedestal(QPointF(centre.x(), centre.y() + 185), 190);
    pedestal.setColorAt(0, withAlpha(t.accent, 110));
    pedestal.setColorAt(0.5, withAlpha(t.accent, 30));
    pedestal.setColorAt(1, withAlpha(t.accent, 0));
    p.save();
    p.translate(centre.x(), centre.y() + 185);
    p.scale(1, 0.22);
    p.setPen(Qt::NoPen);
    p.setBrush(pedestal);
    p.drawEllipse(QPointF(0, 0), 190, 190);
    p.setBrush(Qt::NoBrush);
    p.setPen(QPen(withAlpha(t.accent, 170), 3));
    p.drawEllipse(QPointF(0, 0), 150, 150);
    p.setPen(QPen(withAlpha(t.accent2, 90), 2));
    p.drawEllipse(QPointF(0, 0), 178, 178);
    p.restore();
    const QImage hero = mousePicture(t, false, 2.0);
    p.drawImage(QPointF(centre.x() - hero.width() / 2.0, centre.y() - hero.height() / 2.0 - 10),
                hero);
    QFont f(QStringLiteral("DejaVu Sans"));
    f.setBold(true);
    f.setItalic(true);
    f.setPixelSize(13);
    f.setLetterSpacing(QFont::AbsoluteSpacing, 6);
    p.setFont(f);
    p.setPen(withAlpha(QColor(255, 255, 255), 120));
    p.drawText(QRectF(centre.x() - 200, centre.y() + 215, 400, 20), Qt::AlignCenter,
               QStringLiteral("PRECISION GAMING MOUSE"));
    return c.image;
}

QImage frameBackground(const Theme &t) {
    Canvas c(1000, 600);
    QPainter &p = c.p;
    p.setBrush(Qt::NoBrush);
    p.setPen(QPen(t.line.lighter(130), 2));
    p.drawRoundedRect(c.rect().adjusted(1, 1, -1, -1), 14, 14);
    // accent rails along the top and bottom edges
    QLinearGradient rail(0, 0, 1000, 0);
    rail.setColorAt(0, withAlpha(t.accent, 0));
    rail.setColorAt(0.5, t.accent);
    rail.setColorAt(1, withAlpha(t.accent, 0));
    p.setPen(QPen(QBrush(rail), 2));
    p.drawLine(QPointF(120, 2), QPointF(880, 2));
    p.drawLine(QPointF(120, 598), QPointF(880, 598));
    // corner brackets
    p.setPen(QPen(t.accent, 3, Qt::SolidLine, Qt::SquareCap));
    const int L = 26;
    p.drawPolyline(QPolygonF({QPointF(8, 8 + L), QPointF(8, 8), QPointF(8 + L, 8)}));
    p.drawPolyline(QPolygonF({QPointF(992 - L, 8), QPointF(992, 8), QPointF(992, 8 + L)}));
    p.drawPolyline(QPolygonF({QPointF(8, 592 - L), QPointF(8, 592), QPointF(8 + L, 592)}));
    p.drawPolyline(QPolygonF({QPointF(992 - L, 592), QPointF(992, 592), QPointF(992, 592 - L)}));
    return c.image;
}

QImage decoration(const Theme &t, bool mirrored) {
    Canvas c(140, 40);
    QPainter &p = c.p;
    if (mirrored) {
        p.translate(140, 0);
        p.scale(-1, 1);
    }
    QLinearGradient g(0, 0, 140, 0);
    g.setColorAt(0, withAlpha(t.accent, 0));
    g.setColorAt(1, t.accent);
    p.setPen(QPen(QBrush(g), 2));
    p.drawLine(QPointF(4, 20), QPointF(100, 20));
    p.setPen(Qt::NoPen);
    for (int i = 0; i < 4; ++i) {
        p.setBrush(withAlpha(t.accent, 80 + i * 50));
        QPolygonF chevron;
        const qreal x = 100 + i * 9;
        chevron << QPointF(x, 12) << QPointF(x + 6, 12) << QPointF(x + 12, 20) << QPointF(x + 6, 28)
                << QPointF(x, 28) << QPointF(x + 6, 20);
        p.drawPolygon(chevron);
    }
    return c.image;
}

QImage webLogo(const Theme &t, bool hot) {
    Canvas c(190, 40);
    QPainter &p = c.p;
    const QRectF r = c.rect().adjusted(1, 4, -1, -4);
    QPainterPath badge;
    badge.moveTo(r.left() + 14, r.top());
    badge.lineTo(r.right(), r.top());
    badge.lineTo(r.right() - 14, r.bottom());
    badge.lineTo(r.left(), r.bottom());
    badge.closeSubpath();
    QLinearGradient g(r.topLeft(), r.bottomLeft());
    g.setColorAt(0, hot ? t.accent.darker(130) : t.raised);
    g.setColorAt(1, hot ? t.accent.darker(260) : t.base);
    p.setBrush(g);
    p.setPen(QPen(t.accent, hot ? 2 : 1.2));
    p.drawPath(badge);
    QFont f(QStringLiteral("DejaVu Sans"));
    f.setBold(true);
    f.setItalic(true);
    f.setPixelSize(20);
    f.setLetterSpacing(QFont::AbsoluteSpacing, 3);
    p.setFont(f);
    p.setPen(hot ? QColor(255, 255, 255) : t.accent);
    p.drawText(r, Qt::AlignCenter, QStringLiteral("R8  PRO"));
    return c.image;
}

QImage menuButton(const Theme &t, bool hot) {
    Canvas c(150, 37);
    QPainter &p = c.p;
    const QRectF r = c.rect().adjusted(0.5, 0.5, -0.5, -0.5);
    const QPainterPath path = cutFrame(r, 8);
    QLinearGradient g(r.topLeft(), r.topRight());
    if (hot) {
        g.setColorAt(0, withAlpha(t.accent, 150));
        g.setColorAt(1, withAlpha(t.accent, 20));
    } else {
        g.setColorAt(0, t.raised);
        g.setColorAt(1, withAlpha(t.surface, 200));
    }
    p.setBrush(g);
    p.setPen(QPen(hot ? t.accent : t.line.lighter(140), 1));
    p.drawPath(path);
    p.setPen(Qt::NoPen);
    p.setBrush(t.accent);
    p.drawRect(QRectF(0, 8, 3, 21));
    return c.image;
}

QImage container(const Theme &t, int w, int h, qreal cut) {
    Canvas c(w, h);
    panel(c.p, c.rect(), t, cut, 215);
    return c.image;
}

QImage topContainer(const Theme &t) {
    Canvas c(968, 30);
    QPainter &p = c.p;
    QPainterPath path;
    path.moveTo(0, 0);
    path.lineTo(968, 0);
    path.lineTo(968 - 24, 29);
    path.lineTo(24, 29);
    path.closeSubpath();
    QLinearGradient g(0, 0, 0, 30);
    g.setColorAt(0, withAlpha(t.raised, 235));
    g.setColorAt(1, withAlpha(t.base, 235));
    p.setBrush(g);
    p.setPen(QPen(t.line.lighter(130), 1.2));
    p.drawPath(path);
    QLinearGradient rail(30, 0, 938, 0);
    rail.setColorAt(0, withAlpha(t.accent, 0));
    rail.setColorAt(0.5, t.accent);
    rail.setColorAt(1, withAlpha(t.accent, 0));
    p.setPen(QPen(QBrush(rail), 2));
    p.drawLine(QPointF(34, 28), QPointF(934, 28));
    return c.image;
}

QImage bottomContainer(const Theme &t) {
    Canvas c(964, 44);
    QPainter &p = c.p;
    QPainterPath path;
    path.moveTo(26, 1);
    path.lineTo(964 - 26, 1);
    path.lineTo(963, 43);
    path.lineTo(1, 43);
    path.closeSubpath();
    QLinearGradient g(0, 0, 0, 44);
    g.setColorAt(0, withAlpha(t.base, 235));
    g.setColorAt(1, withAlpha(t.raised, 235));
    p.setBrush(g);
    p.setPen(QPen(t.line.lighter(130), 1.2));
    p.drawPath(path);
    p.setPen(QPen(withAlpha(t.accent, 180), 2));
    p.drawLine(QPointF(60, 2), QPointF(904, 2));
    return c.image;
}

QImage topButton(const Theme &t, const Icon &icon, bool hot) {
    Canvas c(34, 22);
    QPainter &p = c.p;
    const QRectF r = c.rect().adjusted(1, 1, -1, -1);
    if (hot)
        hotPlate(p, r, t, 4);
    else
        restPlate(p, r, t, 4);
    icon(p, QRectF(r.center().x() - 9, r.center().y() - 9, 18, 18),
         hot ? QColor(255, 255, 255) : QColor(190, 196, 206));
    return c.image;
}

QImage pageBackground(const Theme &t, const Icon &watermark) {
    Canvas c(759, 396);
    QPainter &p = c.p;
    panel(p, c.rect(), t, 14, 244);
    grid(p, c.rect().adjusted(10, 10, -10, -10), withAlpha(t.line, 45), 20);
    p.setOpacity(0.06);
    watermark(p, QRectF(560, 200, 180, 180), QColor(255, 255, 255));
    p.setOpacity(1);
    return c.image;
}

QImage globalsettingBackground(const Theme &t) {
    Canvas c(340, 420);
    QPainter &p = c.p;
    panel(p, c.rect(), t, 16, 248);
    grid(p, c.rect().adjusted(12, 12, -12, -12), withAlpha(t.line, 35), 16);
    return c.image;
}

QImage sliderBase(const Theme &t) {
    Canvas c(151, 23);
    QPainter &p = c.p;
    const QRectF r = c.rect().adjusted(0.5, 0.5, -0.5, -0.5);
    QLinearGradient g(r.topLeft(), r.bottomLeft());
    g.setColorAt(0, t.base);
    g.setColorAt(1, t.surface);
    p.setBrush(g);
    p.setPen(QPen(t.line.lighter(150), 1));
    p.drawPath(cutFrame(r, 4));
    return c.image;
}

QImage filler(const Theme &t, int w, int h, bool lit, bool skewed) {
    Canvas c(w, h);
    QPainter &p = c.p;
    QRectF r = c.rect().adjusted(2, 2, -2, -2);
    QPainterPath path;
    if (skewed) {
        const qreal s = std::min<qreal>(4, r.width() / 4);
        path.moveTo(r.left() + s, r.top());
        path.lineTo(r.right(), r.top());
        path.lineTo(r.right() - s, r.bottom());
        path.lineTo(r.left(), r.bottom());
        path.closeSubpath();
    } else {
        path.addRoundedRect(r, 2, 2);
    }
    if (lit) {
        QLinearGradient g(r.topLeft(), r.bottomLeft());
        g.setColorAt(0, t.accent.lighter(130));
        g.setColorAt(1, t.accent.darker(140));
        p.setBrush(g);
        p.setPen(QPen(t.accent.lighter(150), 1));
    } else {
        p.setBrush(withAlpha(t.raised, 200));
        p.setPen(QPen(t.line, 1));
    }
    p.drawPath(path);
    return c.image;
}

QImage groupCell(const Theme &t, int w, int h, bool hot) {
    Canvas c(w, h);
    const QRectF r = c.rect().adjusted(0.5, 0.5, -0.5, -0.5);
    if (hot) {
        QLinearGradient g(r.topLeft(), r.bottomLeft());
        g.setColorAt(0, withAlpha(t.accent, 170));
        g.setColorAt(1, withAlpha(t.accent.darker(200), 200));
        c.p.setBrush(g);
        c.p.setPen(QPen(t.accent.lighter(130), 1));
    } else {
        c.p.setBrush(t.raised);
        c.p.setPen(QPen(t.line.lighter(140), 1));
    }
    c.p.drawPath(cutFrame(r, 4));
    return c.image;
}

QImage groupBase(const Theme &t, int w, int h) {
    Canvas c(w, h);
    const QRectF r = c.rect().adjusted(0.5, 0.5, -0.5, -0.5);
    c.p.setBrush(withAlpha(t.base, 230));
    c.p.setPen(QPen(t.line.lighter(120), 1));
    c.p.drawPath(cutFrame(r, 5));
    return c.image;
}

QImage checkbox(const Theme &t, bool on) {
    Canvas c(15, 15);
    const QRectF r = c.rect().adjusted(0.5, 0.5, -0.5, -0.5);
    c.p.setBrush(t.base);
    c.p.setPen(QPen(on ? t.accent : t.line.lighter(170), 1));
    c.p.drawRoundedRect(r, 2, 2);
    if (on) {
        c.p.setPen(Qt::NoPen);
        c.p.setBrush(t.accent);
        c.p.drawRoundedRect(r.adjusted(3, 3, -3, -3), 1, 1);
    }
    return c.image;
}

QImage solid(int w, int h, const QColor &fill, const QColor &edge) {
    Canvas c(w, h);
    c.p.setBrush(fill);
    c.p.setPen(edge.isValid() ? QPen(edge, 1) : QPen(Qt::NoPen));
    c.p.drawRect(c.rect().adjusted(0.5, 0.5, -0.5, -0.5));
    return c.image;
}

QImage line(const Theme &t) {
    Canvas c(141, 1);
    QLinearGradient g(0, 0, 141, 0);
    g.setColorAt(0, withAlpha(t.line.lighter(160), 0));
    g.setColorAt(0.5, t.line.lighter(160));
    g.setColorAt(1, withAlpha(t.line.lighter(160), 0));
    c.p.fillRect(c.rect(), g);
    return c.image;
}

QImage twoButtonFrame(const Theme &t) {
    Canvas c(90, 44);
    panel(c.p, c.rect(), t, 8, 220);
    return c.image;
}

QImage paletteIndex(const Theme &t) {
    Canvas c(19, 4);
    c.p.setPen(Qt::NoPen);
    c.p.setBrush(t.accent);
    c.p.drawRoundedRect(c.rect(), 1.5, 1.5);
    return c.image;
}

bool save(const QImage &image, const QString &path) {
    QDir().mkpath(QFileInfo(path).path());
    if (!image.save(path)) {
        QTextStream(stderr) << "cannot write " << path << '\n';
        return false;
    }
    return true;
}

bool generate(const Theme &t, const QString &root) {
    const QString dir = root + QLatin1Char('/') + t.folder + QLatin1Char('/');
    struct Item {
        const char *path;
        QImage image;
    };
    const Item items[] = {
        {"background.png", background(t)},
        {"frame/frameBackground.png", frameBackground(t)},
        {"frame/decoration1.png", decoration(t, false)},
        {"frame/decoration2.png", decoration(t, true)},
        {"frame/web_0.png", webLogo(t, false)},
        {"frame/web_1.png", webLogo(t, true)},
        {"list_up/applicationSetting_0.png", topButton(t, iconGear, false)},
        {"list_up/applicationSetting_1.png", topButton(t, iconGear, true)},
        {"list_up/applicationMinimize_0.png", topButton(t, iconPower, false)},
        {"list_up/applicationMinimize_1.png", topButton(t, iconPower, true)},
        {"list_up/listUpContainer.png", topContainer(t)},
        {"list_dn/listDnContainer.png", bottomContainer(t)},
        {"list_pf/listPfContainer.png", container(t, 56, 300, 8)},
        {"list_pf/profileFW_0.png", groupCell(t, 40, 22, false)},
        {"list_pf/profileFW_1.png", groupCell(t, 40, 22, true)},
        {"list_fn/listFnBtn_0.png", menuButton(t, false)},
        {"list_fn/listFnBtn_1.png", menuButton(t, true)},
        {"list_fn/fnKeydefine_0.png", roundButton(t, 24, iconKey, false)},
        {"list_fn/fnKeydefine_1.png", roundButton(t, 24, iconKey, true)},
        {"list_fn/fnMacro_0.png", roundButton(t, 24, iconMacro, false)},
        {"list_fn/fnMacro_1.png", roundButton(t, 24, iconMacro, true)},
        {"list_fn/fnColor_0.png", roundButton(t, 24, iconColor, false)},
        {"list_fn/fnColor_1.png", roundButton(t, 24, iconColor, true)},
        {"list_fn/fnSensor_0.png", roundButton(t, 24, iconSensor, false)},
        {"list_fn/fnSensor_1.png", roundButton(t, 24, iconSensor, true)},
        {"list_center/globalsettingBackground.png", globalsettingBackground(t)},
        {"list_center/fnColorBackground.png", pageBackground(t, iconColor)},
        {"list_center/fnKeydefineBackground.png", pageBackground(t, iconKey)},
        {"list_center/fnMacroBackground.png", pageBackground(t, iconMacro)},
        {"list_center/fnCommonBackground.png", pageBackground(t, iconSensor)},
        {"model_ms/model_R8_Color.png", mousePicture(t, false)},
        {"model_ms/model_R8_KeyDefine.png", mousePicture(t, true)},
        {"common/slider_BASE.png", sliderBase(t)},
        {"common/draw_line.png", line(t)},
        {"common/filelist_BASE.png", container(t, 151, 200, 6)},
        {"common/draw_inputValue.png", solid(39, 19, t.base, t.line.lighter(160))},
        {"common/draw_paletteIndex.png", paletteIndex(t)},
        {"common/checkbox_0.png", checkbox(t, false)},
        {"common/checkbox_1.png", checkbox(t, true)},
        {"common/draw_palette.png", groupCell(t, 77, 19, false)},
        {"common/reset_0.png", roundButton(t, 30, iconReset, false)},
        {"common/reset_1.png", roundButton(t, 30, iconReset, true)},
        {"common/apply_0.png", roundButton(t, 30, iconCheck, false)},
        {"common/apply_1.png", roundButton(t, 30, iconCheck, true)},
        {"common/fram_2btn.png", twoButtonFrame(t)},
        {"common/add_0.png", roundButton(t, 30, iconPlus, false)},
        {"common/add_1.png", roundButton(t, 30, iconPlus, true)},
        {"common/delete_0.png", roundButton(t, 30, iconMinus, false)},
        {"common/delete_1.png", roundButton(t, 30, iconMinus, true)},
        {"common/record_0.png", roundButton(t, 30, iconRecord, false)},
        {"common/record_1.png", roundButton(t, 30, iconRecord, true)},
        {"common/stop_0.png", roundButton(t, 30, iconStop, false)},
        {"common/stop_1.png", roundButton(t, 30, iconStop, true)},
        {"common/solid-delete_0.png", roundButton(t, 30, iconTrash, false)},
        {"common/solid-delete_1.png", roundButton(t, 30, iconTrash, true)},
        {"common/solid-cut_0.png", roundButton(t, 30, iconCut, false)},
        {"common/solid-cut_1.png", roundButton(t, 30, iconCut, true)},
        {"common/solid-paste_0.png", roundButton(t, 30, iconPaste, false)},
        {"common/solid-paste_1.png", roundButton(t, 30, iconPaste, true)},
        {"common/solid-copy_0.png", roundButton(t, 30, iconCopy, false)},
        {"common/solid-copy_1.png", roundButton(t, 30, iconCopy, true)},
        {"common/slider_FILLER_0.png", filler(t, 21, 21, false, true)},
        {"common/slider_FILLER_1.png", filler(t, 21, 21, true, true)},
        {"common/btnGroup_4_BASE.png", groupBase(t, 312, 30)},
        {"common/btnGroup_8_BASE.png", groupBase(t, 312, 50)},
        {"common/btnGroup_FILLER_0.png", groupCell(t, 75, 22, false)},
        {"common/btnGroup_FILLER_1.png", groupCell(t, 75, 22, true)},
        {"common/btnGroup2_FILLER_0.png", groupCell(t, 75, 18, false)},
        {"common/btnGroup2_FILLER_1.png", groupCell(t, 75, 18, true)},
        {"common/slider_11_BASE.png", groupBase(t, 315, 24)},
        {"common/slider_11_FILLER_0.png", filler(t, 28, 10, false, true)},
        {"common/slider_11_FILLER_1.png", filler(t, 28, 10, true, true)},
        {"common/btnFileListFrame.png", container(t, 170, 44, 6)},
        {"common/btnFrame.png", container(t, 170, 44, 6)},
    };
    bool ok = true;
    for (const Item &item : items)
        ok = save(item.image, dir + QLatin1String(item.path)) && ok;
    return ok;
}

} // namespace

int main(int argc, char **argv) {
    // Text rendering needs a QGuiApplication; no window is ever shown.
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv);
    if (argc != 2) {
        QTextStream(stderr) << "usage: gen_skins <img folder>\n";
        return 2;
    }
    bool ok = true;
    for (const Theme &t : kThemes)
        ok = generate(t, QString::fromLocal8Bit(argv[1])) && ok;
    return ok ? 0 : 1;
}
