#include "LyricsOptionsPage.h"

#include "ColorBox.h"
#include "LyricsOptions.h"
#include "OptionFormPorts.h"
#include "OptionsStore.h"
#include "PlayerSettings.h"

#include <QCheckBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

namespace {

const QString kSection = QString::fromLatin1(kLyricsSection);

// The seven colour keys in the order of the boxes.
constexpr const char* kColorKeys[] = {"BKGCOLOR",     "NORMALCOLOR",  "ACTIVECOLOR", "RECTCOLOR",
                                      "DNORMALCOLOR", "DACTIVECOLOR", "DRECTCOLOR"};

// The picture formats the lyrics window reads.
QString PictureFilter() {
    return LyricsOptionsPage::tr("All (*.jpg *.jpeg *.bmp *.png *.ico)") + QStringLiteral(";;") +
           LyricsOptionsPage::tr("JPEG Image File (*.jpg *.jpeg)") + QStringLiteral(";;") +
           LyricsOptionsPage::tr("Bitmaps (*.bmp)") + QStringLiteral(";;") +
           LyricsOptionsPage::tr("PNG Image File (*.png)") + QStringLiteral(";;") +
           LyricsOptionsPage::tr("Icons (*.ico)");
}

} // namespace

LyricsOptionsPage::LyricsOptionsPage(const OptionFormPorts& ports, QWidget* parent)
    : QWidget(parent), ports_(ports) {
    setObjectName(QStringLiteral("TabSheet3"));
    for (const char* key : kColorKeys)
        boxes_.append(addColorBox(key));

    auto* layout = new QVBoxLayout(this);
    auto* picture = new QHBoxLayout;
    picture->addWidget(new QLabel(tr("Picture:"), this));
    bitmapEdit_ = new QLineEdit(this);
    bitmapEdit_->setObjectName(QStringLiteral("BitmapEdit"));
    picture->addWidget(bitmapEdit_, 1);
    auto* explorer = new QPushButton(tr("&Explorer"), this);
    explorer->setObjectName(QStringLiteral("BitBtn3"));
    auto* clear = new QPushButton(tr("&Clear"), this);
    clear->setObjectName(QStringLiteral("BitBtn4"));
    picture->addWidget(explorer);
    picture->addWidget(clear);
    layout->addLayout(picture);

    auto* background = new QHBoxLayout;
    background->addWidget(new QLabel(tr("Background:"), this));
    background->addWidget(BkgColorBox(), 1);
    background->addWidget(selectButton(BkgColorBox(), "BitBtn5"));
    layout->addLayout(background);

    // One group per display: the list of lines and the word-by-word band.
    auto group = [this](const QString& title, int first, const char* const names[3], bool band,
                        const char* font) {
        auto* box = new QGroupBox(title, this);
        auto* grid = new QGridLayout(box);
        const QString captions[] = {tr("Normal:"), tr("Active:"), tr("Outline:")};
        for (int i = 0; i < 3; ++i) {
            grid->addWidget(new QLabel(captions[i], box), i, 0);
            grid->addWidget(boxes_[first + i], i, 1);
            grid->addWidget(selectButton(boxes_[first + i], names[i]), i, 2);
        }
        grid->addWidget(fontButton(band, font), 3, 2);
        grid->setColumnStretch(1, 1);
        return box;
    };
    static const char* const lineButtons[] = {"BitBtn8", "BitBtn7", "BitBtn9"};
    static const char* const bandButtons[] = {"BitBtn10", "BitBtn12", "BitBtn13"};
    auto* groups = new QHBoxLayout;
    groups->addWidget(group(tr(" Line by line "), 1, lineButtons, false, "BitBtn6"));
    groups->addWidget(group(tr(" Word by word "), 4, bandButtons, true, "BitBtn11"));
    layout->addLayout(groups);

    autoFetch_ = new QCheckBox(tr("Fetch missing lyrics from the lyrics site"), this);
    autoFetch_->setObjectName(QStringLiteral("AutoFetchCheckBox"));
    layout->addWidget(autoFetch_);
    layout->addStretch(1);

    connect(explorer, &QPushButton::clicked, this, &LyricsOptionsPage::ExplorerClick);
    connect(clear, &QPushButton::clicked, this, &LyricsOptionsPage::ClearClick);
    connect(bitmapEdit_, &QLineEdit::textEdited, this, [this] {
        if (!loading_)
            emit pictureEdited();
    });
    connect(autoFetch_, &QCheckBox::clicked, this,
            [this](bool on) { PlayerSettings::SetAutoFetchLyrics(*ports_.store, on); });
    Fill();
}

ColorBox* LyricsOptionsPage::addColorBox(const char* key) {
    auto* box = new ColorBox(QLatin1String(key), this);
    connect(box, &ColorBox::colorPicked, this, [this, box] { colorChanged(box); });
    return box;
}

QPushButton* LyricsOptionsPage::selectButton(ColorBox* box, const char* name) {
    auto* button = new QPushButton(tr("Select"), this);
    button->setObjectName(QLatin1String(name));
    connect(button, &QPushButton::clicked, this, [this, box] { SelectColor(box); });
    return button;
}

QPushButton* LyricsOptionsPage::fontButton(bool band, const char* name) {
    auto* button = new QPushButton(tr("Font"), this);
    button->setObjectName(QLatin1String(name));
    connect(button, &QPushButton::clicked, this, [this, band] { ChooseFont(band); });
    return button;
}

void LyricsOptionsPage::Fill() {
    loading_ = true;
    const TLyricsOptions options = ReadLyricsOptions(*ports_.store);
    bitmapEdit_->setText(options.Background);
    const ColorRef colors[] = {options.BkgColor,     options.NormalColor,     options.ActiveColor,
                               options.RectColor,    options.BandNormalColor, options.BandActiveColor,
                               options.BandRectColor};
    for (int i = 0; i < boxes_.size(); ++i)
        boxes_[i]->SetColor(colors[i]);
    font_ = options.Font;
    bandFont_ = options.BandFont;
    autoFetch_->setChecked(PlayerSettings::AutoFetchLyrics(*ports_.store));
    loading_ = false;
}

void LyricsOptionsPage::colorChanged(ColorBox* box) {
    if (loading_)
        return;
    ports_.store->WriteInteger(kSection, box->Key(), box->Color());
    reloadLyrics();
}

void LyricsOptionsPage::SelectColor(ColorBox* box) {
    if (!ports_.chooseColor)
        return;
    const std::optional<ColorRef> color = ports_.chooseColor(box->Color());
    if (!color)
        return;
    box->SetColor(*color);
    colorChanged(box);
}

void LyricsOptionsPage::ChooseFont(bool band) {
    if (!ports_.chooseFont)
        return;
    FontSpec& font = band ? bandFont_ : font_;
    ColorBox* colorBox = band ? DyFontColorBox() : FontColorBox();
    FontSpec initial = font;
    initial.color = colorBox->Color();
    const std::optional<FontSpec> chosen = ports_.chooseFont(initial);
    if (!chosen)
        return;
    font = *chosen;
    ports_.store->WriteString(kSection, band ? QStringLiteral("DFONT") : QStringLiteral("FONT"),
                              FontToString(font));
    // The box shows the font's colour; the colour key itself stays as it is.
    loading_ = true;
    colorBox->SetColor(font.color);
    loading_ = false;
    reloadLyrics();
}

void LyricsOptionsPage::ExplorerClick() {
    if (!ports_.choosePicture)
        return;
    const QString file = ports_.choosePicture(tr("Open"), PictureFilter());
    if (file.isEmpty())
        return;
    bitmapEdit_->setText(file);
    writePicture(file);
}

void LyricsOptionsPage::ClearClick() {
    bitmapEdit_->clear();
    writePicture(QString());
}

void LyricsOptionsPage::ApplyPicture() {
    if (bitmapEdit_->text() != ReadLyricsOptions(*ports_.store).Background)
        writePicture(bitmapEdit_->text());
}

void LyricsOptionsPage::writePicture(const QString& file) {
    ports_.store->WriteString(kSection, QStringLiteral("BACKGROUND"), file);
    reloadLyrics();
}

void LyricsOptionsPage::reloadLyrics() {
    if (ports_.reloadLyrics)
        ports_.reloadLyrics();
}
