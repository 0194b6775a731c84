// Renders the program's SVG pictures to square PNGs at fixed sizes, all in
// one run, so that the program draws them without parsing SVG at start and
// the icon theme gets its fixed-size application icons.
// Usage: dorvane-render-icon OUT_DIR --sizes 16,32 A.svg B.svg [--sizes 48 C.svg ...]
// writes OUT_DIR/A-16.png, OUT_DIR/A-32.png, ... (the name without ".svg").
#include <cstdio>
#include <vector>

#include <QDir>
#include <QFileInfo>
#include <QGuiApplication>
#include <QImage>
#include <QPainter>
#include <QString>
#include <QStringList>
#include <QSvgRenderer>

namespace {

// "16,32,64" as sizes; empty when any of them is not a positive number.
std::vector<int> ParseSizes(const QString& text) {
    std::vector<int> sizes;
    for (const QString& part : text.split(QLatin1Char(','))) {
        bool ok = false;
        const int size = part.toInt(&ok);
        if (!ok || size <= 0 || size > 4096)
            return {};
        sizes.push_back(size);
    }
    return sizes;
}

bool Render(const QString& svg, const std::vector<int>& sizes, const QDir& out) {
    QSvgRenderer renderer(svg);
    if (!renderer.isValid()) {
        std::fprintf(stderr, "dorvane-render-icon: cannot read %s\n", qPrintable(svg));
        return false;
    }
    const QString stem = QFileInfo(svg).completeBaseName();
    for (int size : sizes) {
        QImage image(size, size, QImage::Format_ARGB32_Premultiplied);
        image.fill(Qt::transparent);
        QPainter painter(&image);
        painter.setRenderHint(QPainter::Antialiasing);
        renderer.render(&painter, QRectF(0, 0, size, size));
        painter.end();
        const QString png = out.filePath(QStringLiteral("%1-%2.png").arg(stem).arg(size));
        if (!image.save(png, "PNG")) {
            std::fprintf(stderr, "dorvane-render-icon: cannot write %s\n", qPrintable(png));
            return false;
        }
    }
    return true;
}

} // namespace

int main(int argc, char** argv) {
    // The offscreen platform lets the build render without a display.
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv);
    const QStringList args = app.arguments();
    if (args.size() < 4 || args.at(2) != QLatin1String("--sizes")) {
        std::fprintf(stderr,
                     "usage: dorvane-render-icon OUT_DIR --sizes 16,32 A.svg ... [--sizes ...]\n");
        return 2;
    }
    const QDir out(args.at(1));
    if (!out.exists() && !QDir().mkpath(out.path())) {
        std::fprintf(stderr, "dorvane-render-icon: cannot create %s\n", qPrintable(out.path()));
        return 1;
    }
    std::vector<int> sizes;
    for (qsizetype i = 2; i < args.size(); ++i) {
        if (args.at(i) == QLatin1String("--sizes")) {
            sizes = i + 1 < args.size() ? ParseSizes(args.at(++i)) : std::vector<int>();
            if (sizes.empty()) {
                std::fprintf(stderr, "dorvane-render-icon: bad sizes after --sizes\n");
                return 2;
            }
        } else if (!Render(args.at(i), sizes, out)) {
            return 1;
        }
    }
    return 0;
}
