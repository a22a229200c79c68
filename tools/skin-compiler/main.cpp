// skin-compiler: builds an ".eks" skin file from a JSON layout and PNG
// pictures, lists the objects of an existing skin file, or turns one back
// into a source folder.
#include "SkinDecompile.h"
#include "SkinListing.h"
#include "SkinSource.h"

#include <cstdio>
#include <QCoreApplication>
#include <QStringList>

namespace {

int Usage() {
    std::fputs("usage: skin-compiler SOURCE.json OUTPUT.eks\n"
               "       skin-compiler --list FILE.eks\n"
               "       skin-compiler --decompile FILE.eks FOLDER\n",
               stderr);
    return 2;
}

} // namespace

int main(int argc, char** argv) {
    // Pictures and regions are plain data: no display is needed.
    QCoreApplication app(argc, argv);
    const QStringList args = app.arguments().mid(1);
    if (args.size() == 3 && args[0] == QLatin1String("--decompile")) {
        QString error;
        if (!DecompileSkin(args[1], args[2], &error)) {
            std::fprintf(stderr, "skin-compiler: %s\n", error.toUtf8().constData());
            return 1;
        }
        return 0;
    }
    if (args.size() != 2)
        return Usage();

    if (args[0] == QLatin1String("--list")) {
        QString listing;
        const bool ok = ListSkinFile(args[1], &listing);
        std::fputs(listing.toUtf8().constData(), ok ? stdout : stderr);
        return ok ? 0 : 1;
    }

    SkinWriter writer;
    const SkinSourceResult result = CompileSkinSource(args[0], &writer);
    if (!result.ok) {
        std::fprintf(stderr, "skin-compiler: %s\n", result.error.toUtf8().constData());
        return 1;
    }
    QString error;
    if (!writer.write(args[1], &error)) {
        std::fprintf(stderr, "skin-compiler: cannot write %s: %s\n", args[1].toUtf8().constData(),
                     error.toUtf8().constData());
        return 1;
    }
    return 0;
}
