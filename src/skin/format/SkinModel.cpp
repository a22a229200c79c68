#include "SkinModel.h"

#include <QCoreApplication>
#include <array>

namespace {
const std::array<const char*, 17> kKindNames = {
    "WindowBody",     "Button",          "TextLabel",    "IndicatorButton", "VolumeSlider",  "BalanceSlider",
    "PositionSlider", "TitleDisplay",    "TimeDisplay",  "NumberDisplay",   "ShuffleButton", "RepeatButton",
    "Panel",          "ControlBarPanel", "SlidingPanel", "PlayListView",    "DisplayArea",
};
}

bool IsPanelKind(SkinItemKind kind) {
    switch (kind) {
    case SkinItemKind::WindowBody:
    case SkinItemKind::Panel:
    case SkinItemKind::ControlBarPanel:
    case SkinItemKind::SlidingPanel:
    case SkinItemKind::DisplayArea:
        return true;
    default:
        return false;
    }
}

bool IsTextKind(SkinItemKind kind) {
    return kind == SkinItemKind::TextLabel || kind == SkinItemKind::TitleDisplay ||
           kind == SkinItemKind::TimeDisplay;
}

QString SkinItemKindName(SkinItemKind kind) {
    const auto n = static_cast<qint32>(kind);
    if (n < kFirstSkinItemKind || n > kLastSkinItemKind)
        return {};
    return QString::fromLatin1(kKindNames[static_cast<size_t>(n)]);
}

std::optional<SkinItemKind> SkinItemKindFromName(const QString& name) {
    for (size_t i = 0; i < kKindNames.size(); ++i) {
        if (name.compare(QLatin1String(kKindNames[i]), Qt::CaseInsensitive) == 0)
            return static_cast<SkinItemKind>(i);
    }
    bool ok = false;
    const int n = name.trimmed().toInt(&ok);
    if (ok && n >= kFirstSkinItemKind && n <= kLastSkinItemKind)
        return static_cast<SkinItemKind>(n);
    return std::nullopt;
}

SkinProperty SkinPropertyForCode(qint32 code) {
    switch (code) {
    case 0:
        return SkinProperty::Caption;
    case 1:
        return SkinProperty::Transparent;
    case 2:
        return SkinProperty::Left;
    case 3:
        return SkinProperty::Top;
    case 4:
        return SkinProperty::Width;
    case 5:
        return SkinProperty::Height;
    case 6:
        return SkinProperty::Command;
    case 7:
        return SkinProperty::Hint;
    case 8:
        return SkinProperty::Region;
    case 9:
    case -2:
        return SkinProperty::NoPayload;
    case 10:
        return SkinProperty::Group;
    case 11:
        return SkinProperty::SlideDirection;
    default:
        break;
    }
    if (code >= 100 && code <= 199)
        return SkinProperty::ValueText;
    if (code >= 200 && code <= 299)
        return SkinProperty::StateImage;
    if (code >= 300 && code <= 399)
        return SkinProperty::StateFont;
    if (code >= 400 && code <= 499)
        return SkinProperty::ColorN;
    return SkinProperty::OptionText;
}

QString SkinLoadMessage(SkinLoadError error) {
    switch (error) {
    case SkinLoadError::InvalidMagic:
        return QCoreApplication::translate("TSkin", "Invalid file format!");
    case SkinLoadError::WrongVersion:
        return QCoreApplication::translate("TSkin", "Could not use this Texture.");
    default:
        return {};
    }
}

SkinMessageIcon SkinLoadMessageIcon(SkinLoadError error) {
    switch (error) {
    case SkinLoadError::InvalidMagic:
        return SkinMessageIcon::Exclamation;
    case SkinLoadError::WrongVersion:
        return SkinMessageIcon::Information;
    default:
        return SkinMessageIcon::None;
    }
}
