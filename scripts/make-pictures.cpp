// Draws the program's pictures (resources/pictures/*.png) with QPainter: the main window's
// banner and bottom picture, the login banner and the four desktop icons. Build and run it by
// hand when a picture is to change, then commit the PNG files it writes:
//
//   g++ -std=c++20 -fPIC scripts/make-pictures.cpp $(pkg-config --cflags --libs Qt6Gui) \
//       -o <build folder>/make-pictures
//   QT_QPA_PLATFORM=offscreen <build folder>/make-pictures resources/pictures
//
// The Chinese texts need a CJK font (Debian fonts-wqy-microhei).
#include <QColor>
#include <QDir>
#include <QFont>
#include <QGuiApplication>
#include <QImage>
#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>
#include <QPolygonF>
#include <QRadialGradient>
#include <QtMath>
#include <cstdio>

namespace {

const QColor Navy(0x1d, 0x3f, 0x72);
const QColor Blue(0x2b, 0x57, 0x9a);  // the band shown where a picture is missing
const QColor Sky(0x6f, 0x9f, 0xd8);
const QColor Amber(0xf2, 0xb1, 0x34);
const QColor AmberDark(0xc4, 0x82, 0x16);
const QColor AmberLight(0xfb, 0xd5, 0x7a);

QImage Canvas(int width, int height) {
    QImage image(width, height, QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::transparent);
    return image;
}

void Antialias(QPainter& p) {
    p.setRenderHint(QPainter::Antialiasing);
    p.setRenderHint(QPainter::TextAntialiasing);
}

QFont Font(const QString& family, int pixels, bool bold) {
    QFont font(family);
    font.setPixelSize(pixels);
    font.setBold(bold);
    font.setStyleStrategy(QFont::PreferAntialias);
    return font;
}

// The program's mark: a parcel seen from above, its three faces in shades of amber, standing
// in a square of side size with its top-left corner at origin.
void DrawParcel(QPainter& p, QPointF origin, double size) {
    const double w = size, h = size;
    const QPointF top(origin.x() + w / 2, origin.y() + h * 0.06);
    const QPointF left(origin.x() + w * 0.06, origin.y() + h * 0.30);
    const QPointF right(origin.x() + w * 0.94, origin.y() + h * 0.30);
    const QPointF centre(origin.x() + w / 2, origin.y() + h * 0.54);
    const QPointF bottomLeft(origin.x() + w * 0.06, origin.y() + h * 0.72);
    const QPointF bottomRight(origin.x() + w * 0.94, origin.y() + h * 0.72);
    const QPointF bottom(origin.x() + w / 2, origin.y() + h * 0.96);
    p.setPen(QPen(AmberDark.darker(140), qMax(1.0, size / 40)));
    p.setBrush(AmberLight);
    p.drawPolygon(QPolygonF({top, right, centre, left}));
    p.setBrush(Amber);
    p.drawPolygon(QPolygonF({left, centre, bottom, bottomLeft}));
    p.setBrush(AmberDark);
    p.drawPolygon(QPolygonF({centre, right, bottomRight, bottom}));
    // The tape across the lid and down the front.
    p.setPen(QPen(QColor(0xff, 0xf3, 0xd6), qMax(1.5, size / 16), Qt::SolidLine, Qt::FlatCap));
    const QPointF lidA((top.x() + left.x()) / 2, (top.y() + left.y()) / 2);
    const QPointF lidB((right.x() + centre.x()) / 2, (right.y() + centre.y()) / 2);
    const QPointF frontB((bottomRight.x() + bottom.x()) / 2, (bottomRight.y() + bottom.y()) / 2);
    p.drawLine(lidA, lidB);
    p.drawLine(lidB, frontB);
}

// A blue band fading to the right, lighter along its top edge.
void DrawBand(QPainter& p, const QRect& rect) {
    QLinearGradient across(rect.topLeft(), rect.topRight());
    across.setColorAt(0, Navy);
    across.setColorAt(0.45, Blue);
    across.setColorAt(1, Blue.lighter(115));
    p.fillRect(rect, across);
    QLinearGradient sheen(rect.topLeft(), rect.bottomLeft());
    sheen.setColorAt(0, QColor(255, 255, 255, 46));
    sheen.setColorAt(0.5, QColor(255, 255, 255, 0));
    p.fillRect(rect, sheen);
    // Faint shelves behind the text, as in a warehouse.
    p.setPen(QPen(QColor(255, 255, 255, 18), 2));
    for (int y = rect.top() + rect.height() / 4; y < rect.bottom(); y += rect.height() / 4)
        p.drawLine(rect.left(), y, rect.right(), y);
}

// The mark, "Lumora stock" and "仓库管理" in a band of the given height, from the left.
void DrawTitle(QPainter& p, int height, int left) {
    const double mark = height * 0.72;
    DrawParcel(p, QPointF(left, (height - mark) / 2), mark);
    const int textLeft = left + int(mark) + height / 6;
    p.setPen(Qt::white);
    const QFont latin = Font(QStringLiteral("DejaVu Sans"), int(height * 0.34), true);
    p.setFont(latin);
    p.drawText(QRect(textLeft, 0, height * 6, int(height * 0.56)), Qt::AlignLeft | Qt::AlignBottom,
               QStringLiteral("Lumora stock"));
    p.setPen(QColor(0xdc, 0xe8, 0xf7));
    p.setFont(Font(QStringLiteral("WenQuanYi Micro Hei"), int(height * 0.24), false));
    p.drawText(QRect(textLeft + 2, int(height * 0.58), height * 6, int(height * 0.36)),
               Qt::AlignLeft | Qt::AlignTop, QStringLiteral("仓 库 管 理"));
}

QImage Banner() {
    QImage image = Canvas(1600, 100);
    QPainter p(&image);
    Antialias(p);
    DrawBand(p, image.rect());
    DrawTitle(p, 100, 18);
    return image;
}

QImage LoginBanner() {
    QImage image = Canvas(400, 72);
    QPainter p(&image);
    Antialias(p);
    DrawBand(p, image.rect());
    DrawTitle(p, 72, 14);
    // A key at the right: the door to the program.
    p.setPen(QPen(QColor(255, 255, 255, 150), 5, Qt::SolidLine, Qt::RoundCap));
    p.setBrush(Qt::NoBrush);
    p.drawEllipse(QPointF(340, 36), 11, 11);
    p.drawLine(QPointF(351, 36), QPointF(382, 36));
    p.drawLine(QPointF(374, 36), QPointF(374, 45));
    p.drawLine(QPointF(366, 36), QPointF(366, 43));
    return image;
}

// Shelves with parcels, for the bottom panel beside its hints.
QImage Bottom() {
    QImage image = Canvas(96, 48);
    QPainter p(&image);
    Antialias(p);
    const QColor frame(0x6b, 0x7b, 0x8f);
    p.setPen(QPen(frame, 3, Qt::SolidLine, Qt::RoundCap));
    p.drawLine(QPointF(6, 4), QPointF(6, 46));
    p.drawLine(QPointF(90, 4), QPointF(90, 46));
    p.drawLine(QPointF(6, 24), QPointF(90, 24));
    p.drawLine(QPointF(6, 45), QPointF(90, 45));
    DrawParcel(p, QPointF(10, 4), 20);
    DrawParcel(p, QPointF(31, 4), 20);
    DrawParcel(p, QPointF(62, 25), 20);
    DrawParcel(p, QPointF(14, 25), 20);
    return image;
}

// The rounded tile of a desktop icon with a vertical gradient of its colour.
void DrawTile(QPainter& p, const QColor& colour) {
    QLinearGradient down(0, 2, 0, 46);
    down.setColorAt(0, colour.lighter(130));
    down.setColorAt(1, colour.darker(115));
    p.setPen(QPen(colour.darker(150), 1));
    p.setBrush(down);
    p.drawRoundedRect(QRectF(2.5, 2.5, 43, 43), 9, 9);
}

// Reference data: a stack of three record discs.
QImage DataIcon() {
    QImage image = Canvas(48, 48);
    QPainter p(&image);
    Antialias(p);
    DrawTile(p, Blue);
    p.setPen(QPen(Navy, 1.2));
    for (int i = 2; i >= 0; --i) {
        const double y = 13 + i * 8;
        QPainterPath disc;
        disc.moveTo(12, y);
        disc.lineTo(12, y + 6);
        disc.arcTo(QRectF(12, y + 1, 24, 10), 180, 180);
        disc.lineTo(36, y);
        disc.closeSubpath();
        p.setBrush(QColor(0xd7, 0xe6, 0xf8));
        p.drawPath(disc);
        p.setBrush(Qt::white);
        p.drawEllipse(QRectF(12, y - 5, 24, 10));
    }
    return image;
}

// Stock documents: a sheet with a parcel and the arrows in and out.
QImage BusinessIcon() {
    QImage image = Canvas(48, 48);
    QPainter p(&image);
    Antialias(p);
    DrawTile(p, QColor(0x2f, 0x8f, 0x5b));
    p.setPen(QPen(QColor(0x1f, 0x5f, 0x3c), 1));
    p.setBrush(Qt::white);
    p.drawRect(QRectF(11.5, 8.5, 25, 31));
    p.setPen(QPen(QColor(0x9a, 0xb0, 0xa4), 1.5));
    for (int y = 14; y <= 20; y += 3)
        p.drawLine(QPointF(15, y), QPointF(33, y));
    DrawParcel(p, QPointF(15, 23), 15);
    p.setPen(QPen(QColor(0xff, 0xf3, 0xd6), 2.5, Qt::SolidLine, Qt::RoundCap));
    p.drawLine(QPointF(5, 34), QPointF(12, 34));
    p.drawLine(QPointF(9, 31), QPointF(12, 34));
    p.drawLine(QPointF(9, 37), QPointF(12, 34));
    p.drawLine(QPointF(36, 14), QPointF(43, 14));
    p.drawLine(QPointF(40, 11), QPointF(43, 14));
    p.drawLine(QPointF(40, 17), QPointF(43, 14));
    return image;
}

// Queries and reports: a bar chart with its trend line.
QImage ReportIcon() {
    QImage image = Canvas(48, 48);
    QPainter p(&image);
    Antialias(p);
    DrawTile(p, QColor(0xd9, 0x6a, 0x1e));
    p.setPen(QPen(Qt::white, 2, Qt::SolidLine, Qt::RoundCap));
    p.drawLine(QPointF(10, 38), QPointF(39, 38));
    p.drawLine(QPointF(10, 38), QPointF(10, 9));
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(0xff, 0xf1, 0xe2));
    const double heights[] = {9, 16, 12, 22};
    for (int i = 0; i < 4; ++i)
        p.drawRect(QRectF(14 + i * 6.5, 36 - heights[i], 4.5, heights[i]));
    p.setPen(QPen(QColor(0x7a, 0x2e, 0x05), 1.8, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    p.setBrush(Qt::NoBrush);
    p.drawPolyline(QPolygonF({QPointF(15, 24), QPointF(22, 17), QPointF(28, 20), QPointF(37, 9)}));
    return image;
}

// Everything else (tools, settings, maintenance): a gear.
QImage OtherIcon() {
    QImage image = Canvas(48, 48);
    QPainter p(&image);
    Antialias(p);
    DrawTile(p, QColor(0x6b, 0x7b, 0x8f));
    QPainterPath gear;
    const QPointF c(24, 24);
    const int teeth = 8;
    for (int i = 0; i < teeth * 4; ++i) {
        const double angle = (i - 0.5) * M_PI / (teeth * 2);
        const double radius = (i % 4 < 2) ? 15.0 : 11.5;
        const QPointF point(c.x() + radius * qCos(angle), c.y() + radius * qSin(angle));
        if (i == 0)
            gear.moveTo(point);
        else
            gear.lineTo(point);
    }
    gear.closeSubpath();
    gear.addEllipse(c, 5, 5);
    gear.setFillRule(Qt::OddEvenFill);
    p.setPen(QPen(QColor(0x3c, 0x46, 0x52), 1));
    QRadialGradient shade(c, 16);
    shade.setColorAt(0, Qt::white);
    shade.setColorAt(1, QColor(0xd5, 0xdb, 0xe2));
    p.setBrush(shade);
    p.drawPath(gear);
    return image;
}

}  // namespace

int main(int argc, char** argv) {
    QGuiApplication app(argc, argv);
    if (argc != 2) {
        std::fprintf(stderr, "usage: make-pictures FOLDER\n");
        return 2;
    }
    const QDir folder(QString::fromLocal8Bit(argv[1]));
    if (!folder.mkpath(QStringLiteral("."))) {
        std::fprintf(stderr, "make-pictures: cannot create %s\n", argv[1]);
        return 1;
    }
    const struct {
        const char* name;
        QImage image;
    } pictures[] = {
        {"banner.png", Banner()},
        {"bottom.png", Bottom()},
        {"login-banner.png", LoginBanner()},
        {"icon-data.png", DataIcon()},
        {"icon-business.png", BusinessIcon()},
        {"icon-report.png", ReportIcon()},
        {"icon-other.png", OtherIcon()},
    };
    for (const auto& picture : pictures) {
        const QString path = folder.filePath(QLatin1String(picture.name));
        if (!picture.image.save(path, "PNG")) {
            std::fprintf(stderr, "make-pictures: cannot write %s\n", qPrintable(path));
            return 1;
        }
    }
    return 0;
}
