#pragma once

#include <map>
#include <optional>
#include <QByteArray>
#include <QImage>
#include <QRegion>
#include <QString>
#include <QStringList>
#include <vector>

// The plain data read from a skin file (".eks"). The skin engine creates its
// controls from these records; nothing here knows about widgets.

// What a skin object is; the kind decides the controls the engine builds.
enum class SkinItemKind : qint32 {
    WindowBody = 0,
    Button = 1,
    TextLabel = 2,
    IndicatorButton = 3,
    VolumeSlider = 4,
    BalanceSlider = 5,
    PositionSlider = 6,
    TitleDisplay = 7,
    TimeDisplay = 8,
    NumberDisplay = 9,
    ShuffleButton = 10,
    RepeatButton = 11,
    Panel = 12,
    ControlBarPanel = 13,
    SlidingPanel = 14,
    PlayListView = 15,
    DisplayArea = 16,
};

inline constexpr qint32 kFirstSkinItemKind = 0;
inline constexpr qint32 kLastSkinItemKind = 16;

// Kinds built as a panel holding a background image (they may parent other objects).
bool IsPanelKind(SkinItemKind kind);
// Kinds built as one label whose fonts come from the StateList.
bool IsTextKind(SkinItemKind kind);
// The kind's name as written in skin sources and listings ("SlidingPanel"); empty when unknown.
QString SkinItemKindName(SkinItemKind kind);
// Kind from its name or its number as text; nullopt when neither.
std::optional<SkinItemKind> SkinItemKindFromName(const QString& name);

// The meaning a property code maps to.
enum class SkinProperty {
    Caption,        // 0: text
    Transparent,    // 1: int32
    Left,           // 2: int32
    Top,            // 3: int32
    Width,          // 4: int32
    Height,         // 5: int32
    Command,        // 6: text
    Hint,           // 7: text
    Region,         // 8: region blob
    NoPayload,      // 9 and -2: nothing follows the code
    Group,          // 10: int32
    SlideDirection, // 11: int32
    ValueText,      // 100-199: text holding a decimal number
    StateImage,     // 200-299: bitmap blob, n = code - 200
    StateFont,      // 300-399: text, n = code - 300
    ColorN,         // 400-499: colour(s), n = code - 400
    OptionText,     // every other code: text
};

namespace SkinCode {
inline constexpr qint32 Caption = 0;
inline constexpr qint32 Transparent = 1;
inline constexpr qint32 Left = 2;
inline constexpr qint32 Top = 3;
inline constexpr qint32 Width = 4;
inline constexpr qint32 Height = 5;
inline constexpr qint32 Command = 6;
inline constexpr qint32 Hint = 7;
inline constexpr qint32 Region = 8;
inline constexpr qint32 Nothing = 9;
inline constexpr qint32 Group = 10;
inline constexpr qint32 SlideDirection = 11;
inline constexpr qint32 AfterFont = -2;
inline constexpr qint32 ValueText = 100;
inline constexpr qint32 StateImage = 200;
inline constexpr qint32 StateFont = 300;
inline constexpr qint32 ColorN = 400;
inline constexpr qint32 OptionText = 1000;
} // namespace SkinCode

SkinProperty SkinPropertyForCode(qint32 code);

// The descriptive header of a skin file, shown by the skin manager.
struct SkinInfo {
    QString title;
    QImage preview; // null when the file carries none
    QString author;
    QString email;
    QString qq;
    QString icq;
    QString homePage;
    QString comment;
};

// One object of a window's face as the file describes it.
struct ObjectRecord {
    SkinItemKind kind = SkinItemKind::WindowBody;
    // -1: the window itself; otherwise the index of an earlier panel object in
    // the same section's object list.
    qint32 parent = -1;
    // Absolute file position of the record's parent field (for listings and messages).
    qint64 fileOffset = 0;

    std::optional<QString> caption;
    std::optional<bool> transparent;
    std::optional<qint32> left;
    std::optional<qint32> top;
    std::optional<qint32> width;
    std::optional<qint32> height;
    // Command string run on a click; for volume and balance sliders the
    // orientation option ("上下" means vertical).
    std::optional<QString> command;
    std::optional<QString> hint;
    // Window shape of a panel, relative to the panel's top-left corner.
    std::optional<QRegion> region;
    // SlideDirection of a panel or Group of an IndicatorButton (one field).
    qint32 directionOrGroup = -1;
    // Slide distance of kinds 13 and 14; for a TimeDisplay 0 short, 1 long format.
    qint32 value = 0;
    // Text entries in file order: for image kinds the decimal file offset of a
    // bitmap blob (empty when the blob is empty), read on demand with
    // SkinFile::readStateImage; for text kinds font strings; option texts.
    QStringList stateList;
    // Panel kinds: the background picture, loaded at once (null when none).
    QImage image;
    // Colour n of the object (0x00BBGGRR). Panels and labels: background colour;
    // PlayListView: 0 background, 1 HighLineColor, 2 HighLineTextColor, 3 FocusColor.
    std::map<int, quint32> colors;
    // PlayListView only: its font string and whether its border is sunken.
    std::optional<QString> listFont;
    bool sunkenBorder = false;
};

// The windows the sections dress, and the FrontList.
enum class SkinSectionId : int { MainNormal = 0, MainSmall = 1, ControlBar = 2, FrontList = 3 };

// One window's face: its objects in file order. For section 0 object 0 is the
// window body (kind 0) holding the window background and shape, so the first
// record of the file is object 1, as parent numbers count.
struct SkinSection {
    int index = 0;
    qint64 start = 0;     // located position of the section
    qint64 endOffset = 0; // end of its object list (start of the next section)
    qint32 baseNumber = 0;
    std::vector<ObjectRecord> objects;
    // Stacking order: FrontList numbers turned into indices of `objects`,
    // out-of-range numbers dropped; later entries end on top.
    std::vector<int> frontOrder;
};

// Why a skin load failed; the engine shows the message (when there is one).
enum class SkinLoadError {
    None,
    CannotOpen,     // no message here; the caller reports the failed load
    InvalidMagic,   // "Invalid file format!" (exclamation icon)
    WrongVersion,   // "Could not use this Texture." (information icon)
    SectionMissing, // section start not before the end of the file; no message
    EmptySection,   // section 1 or 2 has no objects; no message
    BrokenFile,     // a size or offset outside the file, a bad number; no message
};

enum class SkinMessageIcon { None, Exclamation, Information };

struct SkinLoadResult {
    SkinLoadError error = SkinLoadError::None;
    QString detail; // what exactly was wrong, for listings and logs (not shown to users)
    bool ok() const { return error == SkinLoadError::None; }
};

// The user-facing message of a failure ("" when the load fails silently).
QString SkinLoadMessage(SkinLoadError error);
SkinMessageIcon SkinLoadMessageIcon(SkinLoadError error);

inline constexpr char kSkinMagic[] = "[KELVANDO_SKIN]";
inline constexpr int kSkinMagicSize = 15;
inline constexpr qint32 kSkinVersion = 64;
inline constexpr char kObjectMarker[] = "[KVCLASS_OBJECT]";
inline constexpr int kObjectMarkerSize = 16;
inline constexpr char kObjectTrailer[] = "end.";
