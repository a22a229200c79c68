#include "SkinFixtures.h"

QImage SolidPicture(int w, int h, QColor color) {
    QImage image(w, h, QImage::Format_RGB32);
    image.fill(color);
    image.setPixelColor(0, 0, QColor(255, 255, 255));
    return image;
}

SkinWriter SmallSkin() {
    using P = SkinWriterProperty;
    SkinWriter skin;
    skin.info.title = QStringLiteral("Small");
    skin.info.author = QStringLiteral("Tests");
    skin.windowProperties = {
        P::Bitmap(SkinCode::StateImage, SolidPicture(12, 10, Qt::darkBlue)),
        P::Region(SkinCode::Region, QRegion(0, 0, 12, 4) + QRegion(0, 4, 5, 6)),
    };

    auto& main = skin.sections[0].objects;
    main.push_back({-1,
                    14,
                    {P::Int(SkinCode::Left, 2), P::Int(SkinCode::Top, 3), P::Int(SkinCode::SlideDirection, 3),
                     P::Text(SkinCode::ValueText, QStringLiteral("20")),
                     P::Bitmap(SkinCode::StateImage, SolidPicture(8, 6, Qt::green))}});
    main.push_back({1,
                    1,
                    {P::Int(SkinCode::Left, 1), P::Text(SkinCode::Command, QStringLiteral("#LIST")),
                     P::Text(SkinCode::Hint, QStringLiteral("Playlist")),
                     P::Bitmap(SkinCode::StateImage + 0, SolidPicture(3, 2, Qt::red)),
                     P::Bitmap(SkinCode::StateImage + 1, QImage()),
                     P::Bitmap(SkinCode::StateImage + 2, SolidPicture(3, 2, Qt::blue), 16)}});
    main.push_back({-1,
                    3,
                    {P::Text(SkinCode::Command, QStringLiteral("#Silent")), P::Int(SkinCode::Group, 9),
                     P::Text(SkinCode::Hint, QStringLiteral("Mute"))}});
    main.push_back({-1,
                    8,
                    {P::Text(SkinCode::StateFont + 0, QStringLiteral("Courier New,[],&H00FFFFFF,8,0")),
                     P::Bare(SkinCode::AfterFont),
                     P::Text(SkinCode::StateFont + 1, QStringLiteral("Courier New,[Bold,],&H00FFFFFF,8,0")),
                     P::Bare(SkinCode::AfterFont), P::Int(SkinCode::ColorN, 0x010203),
                     P::Text(SkinCode::OptionText, QStringLiteral("短型"))}});
    main.push_back({1,
                    15,
                    {P::Int(SkinCode::Width, 40), P::Int(SkinCode::Height, 30),
                     P::Text(SkinCode::StateFont, QStringLiteral("MS Sans Serif,[],&H00BFA091,8,0")),
                     P::Bare(SkinCode::AfterFont), P::Int(SkinCode::ColorN + 0, 0x643414),
                     P::Int(SkinCode::ColorN + 1, 0xE4D5CE), P::Int(SkinCode::ColorN + 2, 0xE6DFD2),
                     P::Int(SkinCode::ColorN + 3, 0x000001), P::Bare(SkinCode::Nothing),
                     P::Text(SkinCode::OptionText, QStringLiteral("是"))}});
    main.push_back({-1,
                    4,
                    {P::Text(SkinCode::OptionText, QStringLiteral("上下")),
                     // "音量" in GB18030, as older files store their texts.
                     P::RawText(SkinCode::Hint, QByteArray("\xD2\xF4\xC1\xBF")),
                     P::Bitmap(SkinCode::StateImage, SolidPicture(4, 20, Qt::gray))}});
    main.push_back({-1, 1, {P::Text(SkinCode::Command, QStringLiteral("#EXIT"))}});
    skin.sections[0].baseNumber = 0;

    skin.sections[1].baseNumber = 8;
    skin.sections[1].objects = {
        {-1, 12, {P::Bitmap(SkinCode::StateImage, SolidPicture(20, 4, Qt::black))}},
        {0, 3, {P::Text(SkinCode::Command, QStringLiteral("#OnTop")), P::Int(SkinCode::Group, 7)}},
    };
    skin.sections[2].baseNumber = 10;
    skin.sections[2].objects = {
        {-1,
         13,
         {P::Int(SkinCode::SlideDirection, 4), P::Text(SkinCode::ValueText, QStringLiteral("48")),
          P::Bitmap(SkinCode::StateImage, SolidPicture(16, 6, Qt::black))}},
        {0, 1, {P::Text(SkinCode::Command, QStringLiteral("#STOP"))}},
    };
    skin.frontList = {2, 1, 99, 9, 10};
    return skin;
}
