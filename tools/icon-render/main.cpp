// icon-render SVG OUTFOLDER SIZE...: draws the SVG as square PNG icons,
// OUTFOLDER/<size>x<size>/apps/<name>.png, the hicolor theme's layout.
#include <QDir>
#include <QFileInfo>
#include <QGuiApplication>
#include <QImage>
#include <QPainter>
#include <QSvgRenderer>
#include <cstdio>

int main(int argc, char** argv) {
    QGuiApplication app(argc, argv);
    const QStringList args = app.arguments();
    if (args.size() < 4) {
        std::fprintf(stderr, "usage: icon-render SVG OUTFOLDER SIZE...\n");
        return 2;
    }
    QSvgRenderer svg(args[1]);
    if (!svg.isValid()) {
        std::fprintf(stderr, "icon-render: cannot read %s\n", qPrintable(args[1]));
        return 1;
    }
    const QString name = QFileInfo(args[1]).completeBaseName();
    for (int i = 3; i < args.size(); ++i) {
        const int size = args[i].toInt();
        if (size <= 0)
            return 2;
        QImage image(size, size, QImage::Format_ARGB32_Premultiplied);
        image.fill(Qt::transparent);
        QPainter painter(&image);
        painter.setRenderHint(QPainter::Antialiasing);
        svg.render(&painter, QRectF(0, 0, size, size));
        painter.end();
        const QString folder = QStringLiteral("%1/%2x%2/apps").arg(args[2]).arg(size);
        if (!QDir().mkpath(folder) || !image.save(folder + "/" + name + ".png")) {
            std::fprintf(stderr, "icon-render: cannot write into %s\n", qPrintable(folder));
            return 1;
        }
    }
    return 0;
}
