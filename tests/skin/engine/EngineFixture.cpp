#include "EngineFixture.h"

#include "TCtrl.h"

using namespace testskin;

QImage testskin::Pic(int w, int h, QColor color) {
    QImage image(w, h, QImage::Format_ARGB32);
    image.fill(color);
    return image;
}

SkinWriterObject testskin::Object(int parent, SkinItemKind kind, std::vector<SkinWriterProperty> properties) {
    return SkinWriterObject{parent, qint32(kind), std::move(properties)};
}

std::vector<SkinWriterProperty> testskin::Place(int left, int top) {
    return {SkinWriterProperty::Int(SkinCode::Left, left), SkinWriterProperty::Int(SkinCode::Top, top)};
}

std::vector<SkinWriterProperty> testskin::States(int count, int w, int h) {
    std::vector<SkinWriterProperty> states;
    for (int i = 0; i < count; ++i)
        states.push_back(
            SkinWriterProperty::Bitmap(SkinCode::StateImage + i, Pic(w, h, QColor(40 * i, 200, 90))));
    return states;
}

SkinWriter testskin::Basic(int direction, int distance, int left, int top, bool smallSection) {
    SkinWriter w;
    w.windowProperties = {SkinWriterProperty::Bitmap(SkinCode::StateImage, Pic(100, 60, Qt::darkBlue))};
    w.sections[0].objects = {
        Object(-1, SkinItemKind::SlidingPanel,
               Place(left, top) +
                   std::vector{SkinWriterProperty::Int(SkinCode::SlideDirection, direction),
                               SkinWriterProperty::Text(SkinCode::ValueText, QString::number(distance)),
                               SkinWriterProperty::Bitmap(SkinCode::StateImage, Pic(40, 30, Qt::gray))}),
        Object(0, SkinItemKind::Button,
               Place(5, 5) +
                   std::vector{SkinWriterProperty::Text(SkinCode::Command, "#PLAY"),
                               SkinWriterProperty::Text(SkinCode::Hint, "Play")} +
                   States(3, 10, 10)),
    };
    if (smallSection)
        w.sections[1].objects = {
            Object(-1, SkinItemKind::Panel,
                   Place(0, 0) +
                       std::vector{SkinWriterProperty::Bitmap(SkinCode::StateImage, Pic(50, 10, Qt::red))}),
            Object(0, SkinItemKind::Button,
                   Place(1, 1) + std::vector{SkinWriterProperty::Text(SkinCode::Command, "#SwitchSmall")} +
                       States(3, 8, 8)),
        };
    w.sections[2].objects = {
        Object(-1, SkinItemKind::ControlBarPanel,
               Place(0, 0) +
                   std::vector{SkinWriterProperty::Int(SkinCode::SlideDirection, 4),
                               SkinWriterProperty::Text(SkinCode::ValueText, "10"),
                               SkinWriterProperty::Bitmap(SkinCode::StateImage, Pic(60, 20, Qt::black))}),
        Object(0, SkinItemKind::Button,
               Place(2, 2) + std::vector{SkinWriterProperty::Text(SkinCode::Command, "#STOP")} +
                   States(3, 8, 8)),
    };
    // The drawer behind the body.
    w.frontList = {1, 0};
    return w;
}

EngineTest::EngineTest() {
    SkinEnvironment env;
    env.option = &option;
    env.store = &store;
    env.doCommand = [this](const QString& c, QObject* sender) {
        commands << c;
        senders << sender;
    };
    env.postCommand = [this](const QString& c) { posted << c; };
    env.showMessage = [this](const QString& text, int flags) { messenger.ShowMessageBox(text, flags); };
    skin = std::make_unique<TSkin>(std::move(env), info);
    skin->SetSlideDelay(0);
    window.move(200, 200);
}

EngineTest::~EngineTest() {
    skin.reset();
}

QString EngineTest::Write(const QString& name, const SkinWriter& writer) {
    const QString path = home.file(name);
    EXPECT_TRUE(writer.write(path));
    return path;
}

TSkinItem* EngineTest::Item(QWidget* w) {
    const int row = skin->FindRow(w ? w : &window);
    return row < 0 ? nullptr : skin->Row(row)->item.get();
}

TCtrl* EngineTest::Find(SkinItemKind kind, int nth) {
    for (TCtrl* o : skin->AllObjects())
        if (o->kind == kind && nth-- == 0)
            return o;
    return nullptr;
}

QStringList EngineTest::Messages() const {
    QStringList texts;
    for (const auto& shown : dialogs.shown)
        texts << shown.text;
    return texts;
}
