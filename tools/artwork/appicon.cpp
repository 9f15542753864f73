// quorled-draw-icon OUTDIR: draws the application icon, a level block and a
// pencil over brick ground, as OUTDIR/quorled.svg and as OUTDIR/quorled-N.png
// for every size the desktop's icon theme asks for. Both come from the one
// list of shapes below, so the pictures always agree.

#include <QColor>
#include <QGuiApplication>
#include <QImage>
#include <QPainter>
#include <QPainterPath>
#include <QPolygonF>

#include <cstdio>
#include <fstream>
#include <sstream>
#include <string>
#include <vector>

namespace {

constexpr double kUnits = 64; // the shapes are drawn on a 64 x 64 grid
constexpr double kCorner = 12;
const int kSizes[] = {16, 22, 24, 32, 48, 64, 128, 256};

struct Shape {
    std::vector<QPointF> points; // a closed polygon
    const char* colour;
};

Shape box(double x, double y, double w, double h, const char* colour)
{
    return {{{x, y}, {x + w, y}, {x + w, y + h}, {x, y + h}}, colour};
}

std::vector<Shape> shapes()
{
    std::vector<Shape> list;
    list.push_back(box(0, 0, 64, 64, "#3d7be0"));    // sky
    list.push_back(box(0, 0, 64, 20, "#5a92ea"));    // lighter upper sky
    list.push_back(box(0, 44, 64, 20, "#b8612a"));   // brick ground
    list.push_back(box(0, 44, 64, 3, "#e39a5c"));    // its lit top edge
    for (double y : {52.0, 59.0})
        list.push_back(box(0, y, 64, 1.6, "#5e2c12")); // mortar rows
    for (double x : {10.0, 30.0, 50.0})
        list.push_back(box(x, 47, 1.6, 5, "#5e2c12"));
    for (double x : {20.0, 40.0, 60.0})
        list.push_back(box(x, 53.6, 1.6, 5.4, "#5e2c12"));
    // The block: dark rim, gold face, light top-left edge and four rivets.
    list.push_back(box(9, 15, 22, 22, "#6b3e0c"));
    list.push_back(box(11, 17, 18, 18, "#eab531"));
    list.push_back(box(11, 17, 18, 3, "#fbe391"));
    list.push_back(box(11, 17, 3, 18, "#fbe391"));
    for (auto [x, y] : {std::pair{15.0, 22.0}, {24.0, 22.0}, {15.0, 30.0}, {24.0, 30.0}})
        list.push_back(box(x, y, 2.6, 2.6, "#6b3e0c"));
    // The pencil, lying from the upper right down to its point by the block.
    list.push_back({{{55, 7}, {61, 13}, {41, 33}, {35, 27}}, "#f2c230"}); // body
    list.push_back({{{55, 7}, {58, 10}, {38, 30}, {35, 27}}, "#ffe27a"}); // lit side
    list.push_back({{{55, 7}, {61, 13}, {58, 16}, {52, 10}}, "#e0738a"}); // eraser
    list.push_back({{{35, 27}, {41, 33}, {31, 37}}, "#f5d7ab"});          // bare wood
    list.push_back({{{33.5, 32}, {36, 34.5}, {31, 37}}, "#2b2b2b"});      // lead
    return list;
}

QPainterPath rounded()
{
    QPainterPath path;
    path.addRoundedRect(QRectF(0, 0, kUnits, kUnits), kCorner, kCorner);
    return path;
}

QImage drawPng(int size)
{
    QImage image(size, size, QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::transparent);
    QPainter painter(&image);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.scale(size / kUnits, size / kUnits);
    painter.setClipPath(rounded());
    painter.setPen(Qt::NoPen);
    for (const Shape& shape : shapes()) {
        painter.setBrush(QColor(QString::fromLatin1(shape.colour)));
        painter.drawPolygon(QPolygonF(QList<QPointF>(shape.points.begin(), shape.points.end())));
    }
    painter.end();
    return image;
}

std::string drawSvg()
{
    std::ostringstream svg;
    svg << "<svg xmlns=\"http://www.w3.org/2000/svg\" width=\"256\" height=\"256\" viewBox=\"0 0 64 64\">\n"
        << "  <clipPath id=\"corners\"><rect width=\"64\" height=\"64\" rx=\"" << kCorner << "\"/></clipPath>\n"
        << "  <g clip-path=\"url(#corners)\">\n";
    for (const Shape& shape : shapes()) {
        svg << "    <polygon fill=\"" << shape.colour << "\" points=\"";
        for (std::size_t i = 0; i < shape.points.size(); ++i)
            svg << (i ? " " : "") << shape.points[i].x() << "," << shape.points[i].y();
        svg << "\"/>\n";
    }
    svg << "  </g>\n</svg>\n";
    return svg.str();
}

} // namespace

int main(int argc, char** argv)
{
    if (argc != 2) {
        std::fprintf(stderr, "Usage: quorled-draw-icon OUTDIR\n");
        return 2;
    }
    QGuiApplication app(argc, argv); // painting runs with a Gui application (offscreen is enough)
    const std::string out = argv[1];
    bool ok = true;
    for (int size : kSizes) {
        const std::string path = out + "/quorled-" + std::to_string(size) + ".png";
        if (!drawPng(size).save(QString::fromStdString(path), "PNG")) {
            std::fprintf(stderr, "Could not write %s.\n", path.c_str());
            ok = false;
        }
    }
    std::ofstream svg(out + "/quorled.svg", std::ios::binary);
    svg << drawSvg();
    if (!svg) {
        std::fprintf(stderr, "Could not write %s/quorled.svg.\n", out.c_str());
        ok = false;
    }
    return ok ? 0 : 1;
}
