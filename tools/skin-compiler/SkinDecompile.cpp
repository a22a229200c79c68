#include "SkinDecompile.h"

#include "SkinFile.h"
#include "SkinPicture.h"

#include <QDir>
#include <QFile>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>

namespace {

struct Output {
    QDir folder;
    QString error;

    // Writes the picture as "<name>.png"; returns the file name, "" on failure.
    QString picture(const QImage& image, const QString& name) {
        const QString file = name + QStringLiteral(".png");
        if (!image.save(folder.filePath(file), "PNG")) {
            error = QStringLiteral("cannot write %1").arg(folder.filePath(file));
            return {};
        }
        return file;
    }
};

QJsonArray Rectangles(const QRegion& region) {
    QJsonArray rects;
    for (const QRect& r : region)
        rects.append(QJsonArray{r.left(), r.top(), r.width(), r.height()});
    return rects;
}

bool IsSlider(SkinItemKind kind) {
    return kind == SkinItemKind::VolumeSlider || kind == SkinItemKind::BalanceSlider;
}

QJsonObject Object(SkinFile& file, const QString& skinFile, const ObjectRecord& o, const QString& name,
                   Output& out) {
    QJsonObject json;
    json["kind"] = SkinItemKindName(o.kind);
    if (o.parent >= 0)
        json["parent"] = o.parent;
    if (o.caption)
        json["caption"] = *o.caption;
    if (o.transparent)
        json["transparent"] = *o.transparent;
    if (o.left || o.top || o.width || o.height) {
        QJsonArray rect{o.left.value_or(0), o.top.value_or(0)};
        if (o.width || o.height) {
            rect.append(o.width.value_or(0));
            rect.append(o.height.value_or(0));
        }
        json["rect"] = rect;
    }
    QJsonArray options;
    // Sliders keep their orientation option where other kinds keep the command.
    if (o.command) {
        if (IsSlider(o.kind))
            options.append(*o.command);
        else
            json["command"] = *o.command;
    }
    if (o.hint)
        json["hint"] = *o.hint;
    if (o.directionOrGroup != -1)
        json[o.kind == SkinItemKind::IndicatorButton ? "group" : "direction"] = o.directionOrGroup;
    if (o.kind == SkinItemKind::SlidingPanel || o.kind == SkinItemKind::ControlBarPanel)
        json["distance"] = o.value;
    if (o.kind == SkinItemKind::TimeDisplay)
        options.append(o.value == 0 ? QStringLiteral("短型") : QStringLiteral("长型"));
    if (o.kind == SkinItemKind::PlayListView && o.sunkenBorder)
        options.append(QStringLiteral("是"));

    if (IsPanelKind(o.kind)) {
        if (!o.image.isNull())
            json["image"] = out.picture(o.image, name);
        if (o.region)
            json["region"] = Rectangles(*o.region);
        // Fonts and options of a panel end in its state list in file order.
        for (const QString& text : o.stateList)
            options.append(text);
    } else if (IsTextKind(o.kind)) {
        QJsonArray fonts;
        for (const QString& text : o.stateList)
            fonts.append(text);
        json["fonts"] = fonts;
    } else {
        if (o.listFont)
            json["fonts"] = QJsonArray{*o.listFont};
        QJsonArray states;
        for (qsizetype i = 0; i < o.stateList.size(); ++i) {
            const QString& entry = o.stateList[i];
            if (entry.isEmpty()) {
                states.append(QString());
                continue;
            }
            // Alpha as the engine reads it from the file.
            const QImage image = WithBitmapAlpha(skinFile, entry.toLongLong(), file.readStateImage(entry));
            if (image.isNull())
                options.append(entry); // an option text kept in the state list
            else
                states.append(out.picture(image, QStringLiteral("%1-%2").arg(name).arg(i)));
        }
        if (!states.isEmpty())
            json["states"] = states;
    }
    if (!o.colors.empty()) {
        QJsonObject colors;
        for (const auto& [n, color] : o.colors)
            colors[QString::number(n)] = qint64(color);
        json["colors"] = colors;
    }
    if (!options.isEmpty())
        json["options"] = options;
    return json;
}

} // namespace

bool DecompileSkin(const QString& skinFile, const QString& folderPath, QString* error) {
    SkinFile file;
    SkinLoadResult result = file.open(skinFile);
    SkinInfo info;
    if (result.ok())
        result = file.readInfo(&info);
    SkinSection normal;
    if (result.ok())
        result = file.readSection(0, &normal);
    if (!result.ok()) {
        *error = QStringLiteral("%1: %2").arg(
            skinFile, result.detail.isEmpty() ? SkinLoadMessage(result.error) : result.detail);
        return false;
    }
    if (!QDir().mkpath(folderPath)) {
        *error = QStringLiteral("cannot make folder %1").arg(folderPath);
        return false;
    }
    Output out{QDir(folderPath), {}};

    QJsonObject layout;
    layout["bitsPerPixel"] = 32;
    QJsonObject infoJson{{"title", info.title},    {"author", info.author}, {"email", info.email},
                         {"qq", info.qq},          {"icq", info.icq},       {"homePage", info.homePage},
                         {"comment", info.comment}};
    if (!info.preview.isNull())
        infoJson["preview"] = out.picture(info.preview, QStringLiteral("preview"));
    layout["info"] = infoJson;

    QJsonArray sections;
    for (int s = 0; s < 3; ++s) {
        SkinSection section;
        QJsonObject json;
        if (s == 0)
            section = std::move(normal);
        else if (!file.sectionHasObjects(s) || !file.readSection(s, &section).ok()) {
            json["objects"] = QJsonArray();
            sections.append(json);
            continue;
        }
        json["base"] = section.baseNumber;
        size_t first = 0;
        if (s == 0 && !section.objects.empty()) {
            const ObjectRecord& body = section.objects[0];
            if (!body.image.isNull())
                json["background"] = out.picture(body.image, QStringLiteral("background"));
            if (body.region)
                json["region"] = Rectangles(*body.region);
            first = 1;
        }
        QJsonArray objects;
        for (size_t i = first; i < section.objects.size(); ++i)
            objects.append(
                Object(file, skinFile, section.objects[i], QStringLiteral("s%1-%2").arg(s).arg(i), out));
        json["objects"] = objects;
        sections.append(json);
    }
    layout["sections"] = sections;

    std::vector<qint32> front;
    if (file.readFrontList(&front).ok()) {
        QJsonArray list;
        for (qint32 n : front)
            list.append(n);
        layout["front"] = list;
    }
    if (!out.error.isEmpty()) {
        *error = out.error;
        return false;
    }
    QFile json(out.folder.filePath(QStringLiteral("layout.json")));
    if (!json.open(QIODevice::WriteOnly | QIODevice::Truncate) ||
        json.write(QJsonDocument(layout).toJson(QJsonDocument::Indented)) < 0) {
        *error = QStringLiteral("cannot write %1").arg(json.fileName());
        return false;
    }
    return true;
}
