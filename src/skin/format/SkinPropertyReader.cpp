#include "SkinPropertyReader.h"

#include "SkinBitmap.h"
#include "SkinRegion.h"

namespace {

bool Fail(QString* error, const QString& what, qint64 position) {
    *error = QStringLiteral("%1 at offset %2").arg(what).arg(position);
    return false;
}

// Panel kinds load their picture at once; a blob of size 0 loads nothing.
bool ReadPanelImage(ByteReader& in, QImage* image, QString* error) {
    const qint64 at = in.position();
    QByteArray blob;
    if (!in.readBlob(&blob))
        return Fail(error, QStringLiteral("bitmap blob runs past the end"), at);
    if (blob.isEmpty())
        return true;
    QImage picture = DecodeSkinBitmap(blob);
    if (picture.isNull())
        return Fail(error, QStringLiteral("bitmap blob is not a usable bitmap"), at);
    *image = std::move(picture);
    return true;
}

bool ReadRegion(ByteReader& in, std::optional<QRegion>* region, QString* error) {
    const qint64 at = in.position();
    QByteArray blob;
    if (!in.readBlob(&blob) || !ParseRegionBlob(blob, region))
        return Fail(error, QStringLiteral("region blob runs past its end"), at);
    return true;
}

bool ReadInt(ByteReader& in, qint32* value, QString* error) {
    const qint64 at = in.position();
    if (!in.readInt32(value))
        return Fail(error, QStringLiteral("number runs past the end"), at);
    return true;
}

bool ReadText(ByteReader& in, QString* text, QString* error) {
    const qint64 at = in.position();
    if (!in.readText(text))
        return Fail(error, QStringLiteral("text length negative or past the end"), at);
    return true;
}

// Non-panel kinds keep the blob's file offset as a StateList entry and skip the
// picture; the engine reads it from the open file when the state is shown.
bool ReadStateImageEntry(ByteReader& in, ObjectRecord* record, QString* error) {
    const qint64 at = in.position();
    qint32 size = 0;
    if (!in.skipBlob(&size))
        return Fail(error, QStringLiteral("bitmap blob runs past the end"), at);
    record->stateList.append(size > 0 ? QString::number(at) : QString());
    return true;
}

// Colours of the kinds that carry them; other kinds carry no payload.
bool ReadColor(ByteReader& in, ObjectRecord* record, int n, QString* error) {
    if (!IsPanelKind(record->kind) && !IsTextKind(record->kind) && record->kind != SkinItemKind::PlayListView)
        return true;
    qint32 color = 0;
    if (!ReadInt(in, &color, error))
        return false;
    record->colors[n] = static_cast<quint32>(color);
    return true;
}

void ApplyOption(ObjectRecord* record, const QString& option) {
    switch (record->kind) {
    case SkinItemKind::VolumeSlider:
    case SkinItemKind::BalanceSlider:
        record->command = option; // "上下": vertical
        break;
    case SkinItemKind::TimeDisplay:
        record->value = option == QStringLiteral("短型") ? 0 : 1;
        break;
    case SkinItemKind::PlayListView:
        record->sunkenBorder = option == QStringLiteral("是");
        break;
    default:
        record->stateList.append(option);
        break;
    }
}

bool ReadValueText(ByteReader& in, ObjectRecord* record, QString* error) {
    const qint64 at = in.position();
    QString text;
    if (!ReadText(in, &text, error))
        return false;
    // Only sliding and control-bar panels use the number (their slide distance).
    if (record->kind != SkinItemKind::ControlBarPanel && record->kind != SkinItemKind::SlidingPanel)
        return true;
    bool ok = false;
    const int distance = text.trimmed().toInt(&ok, 10);
    if (!ok)
        return Fail(error, QStringLiteral("ValueText \"%1\" is not a number").arg(text.left(40)), at);
    record->value = distance;
    return true;
}

bool ReadProperty(ByteReader& in, qint32 code, ObjectRecord* record, QString* error) {
    qint32 number = 0;
    QString text;
    switch (SkinPropertyForCode(code)) {
    case SkinProperty::Caption:
        if (!ReadText(in, &text, error))
            return false;
        record->caption = text;
        return true;
    case SkinProperty::Transparent:
        if (!ReadInt(in, &number, error))
            return false;
        record->transparent = number == 1;
        return true;
    case SkinProperty::Left:
        return ReadInt(in, &record->left.emplace(), error);
    case SkinProperty::Top:
        return ReadInt(in, &record->top.emplace(), error);
    case SkinProperty::Width:
        return ReadInt(in, &record->width.emplace(), error);
    case SkinProperty::Height:
        return ReadInt(in, &record->height.emplace(), error);
    case SkinProperty::Command:
        return ReadText(in, &record->command.emplace(), error);
    case SkinProperty::Hint:
        return ReadText(in, &record->hint.emplace(), error);
    case SkinProperty::Region:
        return ReadRegion(in, &record->region, error);
    case SkinProperty::NoPayload:
        return true;
    case SkinProperty::Group:
    case SkinProperty::SlideDirection:
        return ReadInt(in, &record->directionOrGroup, error);
    case SkinProperty::ValueText:
        return ReadValueText(in, record, error);
    case SkinProperty::StateImage:
        if (IsPanelKind(record->kind))
            return ReadPanelImage(in, &record->image, error);
        return ReadStateImageEntry(in, record, error);
    case SkinProperty::StateFont:
        if (!ReadText(in, &text, error))
            return false;
        if (record->kind == SkinItemKind::PlayListView)
            record->listFont = text;
        else
            record->stateList.append(text);
        return true;
    case SkinProperty::ColorN:
        return ReadColor(in, record, code - SkinCode::ColorN, error);
    case SkinProperty::OptionText:
        if (!ReadText(in, &text, error))
            return false;
        ApplyOption(record, text);
        return true;
    }
    return true;
}

bool ReadCount(ByteReader& in, qint32* count, QString* error) {
    const qint64 at = in.position();
    if (!in.readInt32(count) || *count < 0)
        return Fail(error, QStringLiteral("property count negative or past the end"), at);
    return true;
}

} // namespace

bool ReadObjectProperties(ByteReader& in, ObjectRecord* record, QString* error) {
    qint32 count = 0;
    if (!ReadCount(in, &count, error))
        return false;
    for (qint32 i = 0; i < count; ++i) {
        qint32 code = 0;
        if (!ReadInt(in, &code, error) || !ReadProperty(in, code, record, error))
            return false;
    }
    return true;
}

bool ReadWindowProperties(ByteReader& in, ObjectRecord* body, QString* error) {
    qint32 count = 0;
    if (!ReadCount(in, &count, error))
        return false;
    for (qint32 i = 0; i < count; ++i) {
        qint32 code = 0;
        if (!ReadInt(in, &code, error))
            return false;
        const SkinProperty property = SkinPropertyForCode(code);
        if (property == SkinProperty::StateImage && !ReadPanelImage(in, &body->image, error))
            return false;
        if (property == SkinProperty::Region && !ReadRegion(in, &body->region, error))
            return false;
    }
    return true;
}
