#include "SkinListing.h"

#include "SkinFile.h"

#include <QTextStream>

namespace {

const char* const kSectionNames[] = {"main window, normal mode", "main window, small mode", "control bar"};

QString Quoted(const QString& text) {
    QString escaped = text;
    escaped.replace('\\', QLatin1String("\\\\"))
        .replace('"', QLatin1String("\\\""))
        .replace('\n', QLatin1String("\\n"));
    return '"' + escaped + '"';
}

QString Hex(quint32 v) {
    return QStringLiteral("0x%1").arg(v, 6, 16, QLatin1Char('0'));
}

void ListObject(QTextStream& out, int index, const ObjectRecord& o) {
    out << "  #" << index << ' ' << SkinItemKindName(o.kind) << " (kind " << static_cast<int>(o.kind)
        << ") parent " << o.parent << " @" << o.fileOffset << '\n';
    QStringList parts;
    auto add = [&](const char* name, const std::optional<qint32>& v) {
        if (v)
            parts << QStringLiteral("%1 %2").arg(QLatin1String(name)).arg(*v);
    };
    add("left", o.left);
    add("top", o.top);
    add("width", o.width);
    add("height", o.height);
    if (o.transparent)
        parts << QStringLiteral("transparent %1").arg(*o.transparent ? 1 : 0);
    if (o.directionOrGroup != -1)
        parts << QStringLiteral("direction/group %1").arg(o.directionOrGroup);
    if (o.value != 0)
        parts << QStringLiteral("value %1").arg(o.value);
    if (!parts.isEmpty())
        out << "      " << parts.join(QStringLiteral(", ")) << '\n';
    if (o.caption)
        out << "      caption " << Quoted(*o.caption) << '\n';
    if (o.command)
        out << "      command " << Quoted(*o.command) << '\n';
    if (o.hint)
        out << "      hint " << Quoted(*o.hint) << '\n';
    if (!o.image.isNull())
        out << "      image " << o.image.width() << " x " << o.image.height() << '\n';
    if (o.region)
        out << "      region " << o.region->rectCount() << " rectangles, bounds "
            << o.region->boundingRect().width() << " x " << o.region->boundingRect().height() << '\n';
    for (const auto& [n, color] : o.colors)
        out << "      colour " << n << ' ' << Hex(color) << '\n';
    if (o.listFont)
        out << "      list font " << Quoted(*o.listFont) << (o.sunkenBorder ? ", sunken border" : "") << '\n';
    for (qsizetype i = 0; i < o.stateList.size(); ++i)
        out << "      state " << i << ' ' << Quoted(o.stateList[i]) << '\n';
}

} // namespace

bool ListSkinFile(const QString& path, QString* listing) {
    listing->clear();
    QTextStream out(listing);
    SkinFile file;
    SkinLoadResult result = file.open(path);
    if (!result.ok()) {
        out << path << ": "
            << (SkinLoadMessage(result.error).isEmpty() ? result.detail : SkinLoadMessage(result.error))
            << '\n';
        return false;
    }
    out << "file " << path << ", " << file.size() << " bytes\n";
    SkinInfo info;
    result = file.readInfo(&info);
    if (!result.ok()) {
        out << "InfoBlock: " << result.detail << '\n';
        return false;
    }
    out << "title " << Quoted(info.title) << ", author " << Quoted(info.author) << ", e-mail "
        << Quoted(info.email) << ", home page " << Quoted(info.homePage) << '\n';
    if (!info.preview.isNull())
        out << "preview " << info.preview.width() << " x " << info.preview.height() << '\n';

    bool ok = true;
    for (int s = 0; s <= 2; ++s) {
        SkinSection section;
        result = file.readSection(s, &section);
        out << "section " << s << " (" << kSectionNames[s] << ")";
        if (result.error == SkinLoadError::EmptySection) {
            out << ": empty\n";
            continue;
        }
        if (!result.ok()) {
            out << ": " << result.detail << '\n';
            ok = false;
            continue;
        }
        out << ": start " << section.start << ", end " << section.endOffset << ", base " << section.baseNumber
            << ", " << section.objects.size() << " objects\n";
        for (size_t i = 0; i < section.objects.size(); ++i)
            ListObject(out, static_cast<int>(i), section.objects[i]);
        QStringList order;
        for (const int i : section.frontOrder)
            order << QString::number(i);
        out << "  front order: " << order.join(' ') << '\n';
    }
    std::vector<qint32> front;
    qint64 end = 0;
    result = file.readFrontList(&front, &end);
    if (!result.ok()) {
        out << "FrontList: " << result.detail << '\n';
        return false;
    }
    out << "FrontList: " << front.size() << " numbers, ends at " << end
        << (end == file.size() ? " (end of file)" : " (bytes follow)") << '\n';
    return ok;
}
