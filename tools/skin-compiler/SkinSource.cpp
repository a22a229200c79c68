#include "SkinSource.h"

#include <map>
#include <optional>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QJsonArray>
#include <QJsonDocument>
#include <vector>

namespace {

// Thrown inside this file only, turned into SkinSourceResult at the boundary.
struct SourceError {
    QString message;
};

[[noreturn]] void Fail(const QString& where, const QString& what) {
    throw SourceError{where + ": " + what};
}

struct Context {
    QDir folder;
    int bitsPerPixel = 32;
};

QImage LoadPicture(const Context& context, const QString& where, const QString& name) {
    QImage image(context.folder.filePath(name));
    if (image.isNull())
        Fail(where, QStringLiteral("cannot read picture \"%1\"").arg(name));
    return image;
}

// Pixels whose alpha is at least half make up the shape: each row's runs of
// such pixels become rectangles, united pairwise.
QRegion RegionFromAlpha(const QImage& picture) {
    if (!picture.hasAlphaChannel())
        return QRegion(picture.rect());
    const QImage image = picture.convertToFormat(QImage::Format_ARGB32);
    std::vector<QRegion> rows;
    for (int y = 0; y < image.height(); ++y) {
        const auto* line = reinterpret_cast<const QRgb*>(image.constScanLine(y));
        QRegion row;
        for (int x = 0; x < image.width();) {
            if (qAlpha(line[x]) < 128) {
                ++x;
                continue;
            }
            const int start = x;
            while (x < image.width() && qAlpha(line[x]) >= 128)
                ++x;
            row += QRect(start, y, x - start, 1);
        }
        rows.push_back(row);
    }
    while (rows.size() > 1) {
        std::vector<QRegion> next;
        for (size_t i = 0; i + 1 < rows.size(); i += 2)
            next.push_back(rows[i].united(rows[i + 1]));
        if (rows.size() % 2 == 1)
            next.push_back(rows.back());
        rows.swap(next);
    }
    return rows.empty() ? QRegion() : rows.front();
}

// "alpha" (from the picture's alpha) or a list of [left, top, width, height].
QRegion ReadRegion(const QJsonValue& value, const QImage& picture, const QString& where) {
    if (value.isString() && value.toString() == QLatin1String("alpha")) {
        if (picture.isNull())
            Fail(where, QStringLiteral("\"region\": \"alpha\" needs a picture"));
        return RegionFromAlpha(picture);
    }
    if (!value.isArray())
        Fail(where, QStringLiteral("\"region\" must be \"alpha\" or a list of rectangles"));
    QRegion region;
    for (const QJsonValue& r : value.toArray()) {
        const QJsonArray a = r.toArray();
        if (a.size() != 4)
            Fail(where, QStringLiteral("a region rectangle is [left, top, width, height]"));
        region += QRect(a[0].toInt(), a[1].toInt(), a[2].toInt(), a[3].toInt());
    }
    return region;
}

// "#RRGGBB" or a number already in the file's 0x00BBGGRR form.
qint32 ReadColor(const QJsonValue& value, const QString& where) {
    if (value.isDouble())
        return static_cast<qint32>(value.toInteger());
    const QString text = value.toString();
    bool ok = false;
    const uint rgb = text.mid(1).toUInt(&ok, 16);
    if (!text.startsWith('#') || text.size() != 7 || !ok)
        Fail(where, QStringLiteral("colour \"%1\" is neither #RRGGBB nor a number").arg(text));
    const uint r = (rgb >> 16) & 0xFF;
    const uint g = (rgb >> 8) & 0xFF;
    const uint b = rgb & 0xFF;
    return static_cast<qint32>((b << 16) | (g << 8) | r);
}

int RequireInt(const QJsonValue& value, const QString& where, const char* key) {
    if (!value.isDouble())
        Fail(where, QStringLiteral("\"%1\" must be a number").arg(QLatin1String(key)));
    return value.toInt();
}

bool CarriesColor(SkinItemKind kind) {
    return IsPanelKind(kind) || IsTextKind(kind) || kind == SkinItemKind::PlayListView;
}

struct SectionNames {
    std::map<QString, int> indexOf; // object id -> index in the section's object list
};

qint32 ResolveParent(const QJsonValue& value, const SectionNames& names, int section, const QString& where) {
    if (value.isUndefined() || value.isNull())
        return -1;
    if (value.isDouble())
        return value.toInt();
    const QString name = value.toString();
    if (name == QLatin1String("window"))
        return -1;
    if (section == 0 && name == QLatin1String("body"))
        return 0;
    const auto it = names.indexOf.find(name);
    if (it == names.indexOf.end())
        Fail(where, QStringLiteral("parent \"%1\" is not an earlier object").arg(name));
    return it->second;
}

SkinWriterObject CompileObject(const Context& context, const QJsonObject& json, const SectionNames& names,
                               int section, const QString& where) {
    using P = SkinWriterProperty;
    const std::optional<SkinItemKind> kind = SkinItemKindFromName(json.value("kind").toVariant().toString());
    if (!kind)
        Fail(where, QStringLiteral("unknown kind \"%1\"").arg(json.value("kind").toVariant().toString()));
    SkinWriterObject object;
    object.kind = static_cast<qint32>(*kind);
    object.parent = ResolveParent(json.value("parent"), names, section, where);
    auto& out = object.properties;

    if (json.contains("caption"))
        out.push_back(P::Text(SkinCode::Caption, json.value("caption").toString()));
    if (json.contains("transparent"))
        out.push_back(P::Int(SkinCode::Transparent, json.value("transparent").toBool() ? 1 : 0));
    if (json.contains("rect")) {
        const QJsonArray rect = json.value("rect").toArray();
        if (rect.size() != 2 && rect.size() != 4)
            Fail(where, QStringLiteral("\"rect\" is [left, top] or [left, top, width, height]"));
        const qint32 codes[] = {SkinCode::Left, SkinCode::Top, SkinCode::Width, SkinCode::Height};
        for (qsizetype i = 0; i < rect.size(); ++i)
            out.push_back(P::Int(codes[i], RequireInt(rect[i], where, "rect")));
    }
    if (json.contains("command"))
        out.push_back(P::Text(SkinCode::Command, json.value("command").toString()));
    if (json.contains("hint"))
        out.push_back(P::Text(SkinCode::Hint, json.value("hint").toString()));
    if (json.contains("group"))
        out.push_back(P::Int(SkinCode::Group, RequireInt(json.value("group"), where, "group")));
    if (json.contains("direction"))
        out.push_back(
            P::Int(SkinCode::SlideDirection, RequireInt(json.value("direction"), where, "direction")));
    if (json.contains("distance")) {
        const int distance = RequireInt(json.value("distance"), where, "distance");
        out.push_back(P::Text(SkinCode::ValueText, QString::number(distance)));
    }

    // Pictures: "image" is state 0 (a panel's background), "states" all of them in order.
    QJsonArray states = json.value("states").toArray();
    if (json.contains("image")) {
        if (!states.isEmpty())
            Fail(where, QStringLiteral("give either \"image\" or \"states\""));
        states.append(json.value("image"));
    }
    QImage firstPicture;
    for (qsizetype i = 0; i < states.size(); ++i) {
        const QString name = states[i].toString();
        const QImage picture = name.isEmpty() ? QImage() : LoadPicture(context, where, name);
        if (i == 0)
            firstPicture = picture;
        out.push_back(
            P::Bitmap(SkinCode::StateImage + static_cast<qint32>(i), picture, context.bitsPerPixel));
    }
    if (json.contains("region")) {
        if (!IsPanelKind(*kind))
            Fail(where, QStringLiteral("only panel kinds have a \"region\""));
        out.push_back(P::Region(SkinCode::Region, ReadRegion(json.value("region"), firstPicture, where)));
    }

    const QJsonArray fonts = json.value("fonts").toArray();
    for (qsizetype i = 0; i < fonts.size(); ++i) {
        out.push_back(P::Text(SkinCode::StateFont + static_cast<qint32>(i), fonts[i].toString()));
        out.push_back(P::Bare(SkinCode::AfterFont));
    }

    const QJsonValue colors = json.value("colors");
    if (!colors.isUndefined()) {
        if (!CarriesColor(*kind))
            Fail(where, QStringLiteral("kind %1 carries no colours").arg(SkinItemKindName(*kind)));
        if (colors.isArray()) {
            const QJsonArray list = colors.toArray();
            for (qsizetype i = 0; i < list.size(); ++i)
                out.push_back(P::Int(SkinCode::ColorN + static_cast<qint32>(i), ReadColor(list[i], where)));
        } else {
            const QJsonObject map = colors.toObject();
            for (auto it = map.begin(); it != map.end(); ++it) {
                bool ok = false;
                const int n = it.key().toInt(&ok);
                if (!ok || n < 0 || n > 99)
                    Fail(where, QStringLiteral("colour number \"%1\" is not 0 to 99").arg(it.key()));
                out.push_back(P::Int(SkinCode::ColorN + n, ReadColor(it.value(), where)));
            }
        }
    }

    const QJsonValue option = json.value("option");
    if (option.isString())
        out.push_back(P::Text(SkinCode::OptionText, option.toString()));
    for (const QJsonValue& text : json.value("options").toArray())
        out.push_back(P::Text(SkinCode::OptionText, text.toString()));
    return object;
}

void CompileSection(const Context& context, const QJsonObject& json, int s, SkinWriter* writer,
                    SectionNames* names) {
    const QString where = QStringLiteral("section %1").arg(s);
    if (s == 0 && json.contains("background")) {
        const QImage background = LoadPicture(context, where, json.value("background").toString());
        writer->windowProperties.push_back(
            SkinWriterProperty::Bitmap(SkinCode::StateImage, background, context.bitsPerPixel));
        if (json.contains("region"))
            writer->windowProperties.push_back(SkinWriterProperty::Region(
                SkinCode::Region, ReadRegion(json.value("region"), background, where)));
    } else if (json.contains("background") || json.contains("region")) {
        Fail(where, QStringLiteral("only section 0 has a window \"background\" and \"region\""));
    }

    SkinWriterSection& section = writer->sections[static_cast<size_t>(s)];
    const int first = s == 0 ? 1 : 0; // section 0's body is object 0
    const QJsonArray objects = json.value("objects").toArray();
    for (qsizetype i = 0; i < objects.size(); ++i) {
        const QJsonObject object = objects[i].toObject();
        const QString id = object.value("id").toString();
        const QString objectWhere =
            where + QStringLiteral(", object %1%2").arg(i).arg(id.isEmpty() ? "" : " " + id);
        section.objects.push_back(CompileObject(context, object, *names, s, objectWhere));
        if (!id.isEmpty())
            names->indexOf[id] = first + static_cast<int>(i);
    }
}

void CompileInfo(const Context& context, const QJsonObject& json, SkinWriter* writer) {
    SkinInfo& info = writer->info;
    info.title = json.value("title").toString();
    info.author = json.value("author").toString();
    info.email = json.value("email").toString();
    info.qq = json.value("qq").toString();
    info.icq = json.value("icq").toString();
    info.homePage = json.value("homePage").toString();
    info.comment = json.value("comment").toString();
    if (json.contains("preview"))
        info.preview = LoadPicture(context, QStringLiteral("info"), json.value("preview").toString());
}

} // namespace

SkinSourceResult CompileSkinSource(const QString& jsonPath, SkinWriter* writer) {
    QFile file(jsonPath);
    if (!file.open(QIODevice::ReadOnly))
        return {false, jsonPath + ": " + file.errorString()};
    QJsonParseError parseError;
    const QJsonDocument document = QJsonDocument::fromJson(file.readAll(), &parseError);
    if (!document.isObject())
        return {
            false,
            QStringLiteral("%1: %2 at %3").arg(jsonPath, parseError.errorString()).arg(parseError.offset)};
    return CompileSkinSource(document.object(), QFileInfo(jsonPath).absolutePath(), writer);
}

SkinSourceResult CompileSkinSource(const QJsonObject& layout, const QString& folder, SkinWriter* writer) {
    *writer = SkinWriter{};
    try {
        Context context{QDir(folder), layout.value("bitsPerPixel").toInt(32)};
        if (context.bitsPerPixel != 32 && context.bitsPerPixel != 16)
            Fail(QStringLiteral("layout"), QStringLiteral("\"bitsPerPixel\" is 32 or 16"));
        writer->previewBitsPerPixel = context.bitsPerPixel;
        CompileInfo(context, layout.value("info").toObject(), writer);

        const QJsonArray sections = layout.value("sections").toArray();
        if (sections.isEmpty() || sections.size() > 3)
            Fail(QStringLiteral("layout"), QStringLiteral("\"sections\" holds 1 to 3 sections"));
        std::array<SectionNames, 3> names;
        names[0].indexOf[QStringLiteral("body")] = 0;
        for (qsizetype s = 0; s < sections.size(); ++s)
            CompileSection(context, sections[s].toObject(), static_cast<int>(s), writer,
                           &names[static_cast<size_t>(s)]);

        // Object numbers run on across the sections unless a section sets "base".
        qint32 next = 0;
        for (size_t s = 0; s < 3; ++s) {
            const QJsonObject json = static_cast<qsizetype>(s) < sections.size()
                                         ? sections[static_cast<qsizetype>(s)].toObject()
                                         : QJsonObject();
            SkinWriterSection& section = writer->sections[s];
            section.baseNumber = json.contains("base") ? json.value("base").toInt() : next;
            next = section.baseNumber + static_cast<qint32>(section.objects.size()) + (s == 0 ? 1 : 0);
        }

        // FrontList: "section:id" names (or "id" for section 0) and plain numbers.
        for (const QJsonValue& entry : layout.value("front").toArray()) {
            if (entry.isDouble()) {
                writer->frontList.push_back(entry.toInt());
                continue;
            }
            QString name = entry.toString();
            size_t s = 0;
            const qsizetype colon = name.indexOf(':');
            if (colon > 0) {
                s = name.left(colon).toUInt();
                name = name.mid(colon + 1);
            }
            const auto it = s < 3 ? names[s].indexOf.find(name) : names[0].indexOf.end();
            if (s >= 3 || it == names[s].indexOf.end())
                Fail(QStringLiteral("front"), QStringLiteral("\"%1\" names no object").arg(entry.toString()));
            writer->frontList.push_back(writer->sections[s].baseNumber + it->second);
        }
    } catch (const SourceError& e) {
        return {false, e.message};
    }
    return {true, {}};
}
