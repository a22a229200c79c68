#include "HotkeyOptionsPage.h"

#include "DialogLayer.h"
#include "HotKeyField.h"
#include "OptionFormPorts.h"
#include "TShortKey.h"

#include <QGridLayout>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTreeWidget>
#include <QVBoxLayout>

namespace {

constexpr int kCommandRole = Qt::UserRole + 1;

// A command's name is kept in lower case, as the built-in commands are
// stored; what follows its comma (a path) and a song's file name keep
// their letters, as names on the disk are case-sensitive.
QString NormalCommand(const QString& text) {
    const QString command = text.trimmed();
    if (!command.startsWith(QLatin1Char('#')))
        return command;
    const int comma = command.indexOf(QLatin1Char(','));
    return comma < 0 ? command.toLower() : command.left(comma).toLower() + command.mid(comma);
}

} // namespace

HotkeyOptionsPage::HotkeyOptionsPage(const OptionFormPorts& ports, QWidget* parent)
    : QWidget(parent), ports_(ports) {
    setObjectName(QStringLiteral("TabSheet2"));
    auto* layout = new QVBoxLayout(this);
    auto* fields = new QGridLayout;
    requireEdit_ = new QLineEdit(this);
    requireEdit_->setObjectName(QStringLiteral("RequireEdit"));
    hotKey_ = new HotKeyField(this);
    set_ = new QPushButton(tr("Set"), this);
    set_->setObjectName(QStringLiteral("SetupHotKeyButton"));
    cancel_ = new QPushButton(tr("Cancel"), this);
    cancel_->setObjectName(QStringLiteral("CancelHotKeyButton"));
    fields->addWidget(new QLabel(tr("Command:"), this), 0, 0);
    fields->addWidget(requireEdit_, 0, 1);
    fields->addWidget(set_, 0, 2);
    fields->addWidget(new QLabel(tr("Hotkey:"), this), 1, 0);
    fields->addWidget(hotKey_, 1, 1);
    fields->addWidget(cancel_, 1, 2);
    fields->setColumnStretch(1, 1);
    layout->addLayout(fields);

    list_ = new QTreeWidget(this);
    list_->setObjectName(QStringLiteral("ListView"));
    list_->setColumnCount(2);
    list_->setHeaderLabels({tr("Command"), tr("Shortcut")});
    list_->setColumnWidth(0, 250);
    list_->setColumnWidth(1, 150);
    list_->setRootIsDecorated(false);
    list_->setSelectionBehavior(QAbstractItemView::SelectRows);
    list_->setSelectionMode(QAbstractItemView::SingleSelection);
    list_->setEditTriggers(QAbstractItemView::NoEditTriggers);
    list_->setAlternatingRowColors(true);
    layout->addWidget(list_, 1);

    connect(set_, &QPushButton::clicked, this, &HotkeyOptionsPage::SetClick);
    connect(cancel_, &QPushButton::clicked, this, &HotkeyOptionsPage::CancelClick);
    // In the hot-key field Return and Escape act as Set and Cancel.
    connect(hotKey_, &HotKeyField::defaultRequested, this, &HotkeyOptionsPage::SetClick);
    connect(hotKey_, &HotKeyField::cancelRequested, this, &HotkeyOptionsPage::CancelClick);
    connect(hotKey_, &HotKeyField::focusChanged, this, [this](bool focused) {
        set_->setDefault(focused);
        suspend(focused);
    });
    connect(hotKey_, &HotKeyField::combinationChanged, this, [this] { suspend(true); });
    connect(list_, &QTreeWidget::currentItemChanged, this,
            [this](QTreeWidgetItem* item) { SelectRow(list_->indexOfTopLevelItem(item)); });
    if (ports_.shortKey)
        connect(ports_.shortKey, &TShortKey::changed, this, &HotkeyOptionsPage::Fill);
    Fill();
}

HotkeyOptionsPage::~HotkeyOptionsPage() {
    suspend(false);
}

void HotkeyOptionsPage::addRow(const QString& caption, const QString& shortcut, const QString& command) {
    auto* item = new QTreeWidgetItem(list_, {caption, shortcut});
    item->setData(0, kCommandRole, command);
}

void HotkeyOptionsPage::Fill() {
    if (!ports_.shortKey)
        return;
    const TShortKey& keys = *ports_.shortKey;
    const QString selected = requireEdit_->text();
    QSignalBlocker block(list_);
    list_->clear();
    // The built-in commands in their order, bound or not; then the songs.
    for (const TShortKey::BuiltIn& builtIn : TShortKey::BuiltIns()) {
        const QString command = QString::fromLatin1(builtIn.command);
        addRow(TShortKey::CaptionOf(command), keys.ShortCutTextOf(keys.IndexOfCommand(command)), command);
    }
    for (int i = 0; i < keys.Count(); ++i) {
        const QString& command = keys.At(i).command;
        if (!TShortKey::IsBuiltIn(command))
            addRow(command, keys.ShortCutTextOf(i), command);
    }
    // The row being edited stays selected; the fields keep what they hold.
    const int row = RowOf(selected);
    if (row >= 0)
        list_->setCurrentItem(list_->topLevelItem(row));
}

int HotkeyOptionsPage::RowOf(const QString& command) const {
    if (command.isEmpty())
        return -1;
    for (int row = 0; row < list_->topLevelItemCount(); ++row)
        if (list_->topLevelItem(row)->data(0, kCommandRole).toString() == command)
            return row;
    for (int row = 0; row < list_->topLevelItemCount(); ++row)
        if (list_->topLevelItem(row)
                ->data(0, kCommandRole)
                .toString()
                .compare(command, Qt::CaseInsensitive) == 0)
            return row;
    return -1;
}

void HotkeyOptionsPage::SelectRow(int row) {
    QTreeWidgetItem* item = list_->topLevelItem(row);
    if (!item)
        return;
    if (list_->currentItem() != item) {
        QSignalBlocker block(list_);
        list_->setCurrentItem(item);
    }
    requireEdit_->setText(item->data(0, kCommandRole).toString());
    hotKey_->SetCombination(QKeySequence::fromString(item->text(1), QKeySequence::PortableText));
}

void HotkeyOptionsPage::SetClick() {
    const QString command = NormalCommand(requireEdit_->text());
    if (command.isEmpty() || !ports_.shortKey)
        return;
    if (hotKey_->Combination().isEmpty()) {
        CancelClick();
        return;
    }
    requireEdit_->setText(command);
    // A key the table has no code for would give a binding that never fires.
    quint16 key = 0;
    quint8 shift = 0;
    if (!TShortKey::Unpack(hotKey_->Combination(), key, shift)) {
        if (ports_.showMessage)
            ports_.showMessage(tr("%1 cannot be used as a hot key.")
                                   .arg(hotKey_->Combination().toString(QKeySequence::PortableText)),
                               MsgBox::IconExclamation);
        return;
    }
    ports_.shortKey->AddShortCut(hotKey_->Combination(), TShortKey::OnceFor(command), command);
}

void HotkeyOptionsPage::CancelClick() {
    const QString command = NormalCommand(requireEdit_->text());
    if (command.isEmpty() || !ports_.shortKey)
        return;
    requireEdit_->setText(command);
    hotKey_->SetCombination(QKeySequence());
    ports_.shortKey->DeleteCommand(command);
}

void HotkeyOptionsPage::suspend(bool on) {
    if (!ports_.shortKey)
        return;
    TShortKey& keys = *ports_.shortKey;
    if (on) {
        // Held already, unless the application's deactivation cleared it.
        if (suspended_ && keys.Suspended())
            return;
        suspended_ = true;
        keys.Suspend();
    } else if (suspended_) {
        suspended_ = false;
        keys.Resume();
    }
}
