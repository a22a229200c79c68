#include "GeneralOptionsPage.h"

#include "DialogLayer.h"
#include "FileAssociations.h"
#include "OptionFormPorts.h"
#include "OptionsStore.h"
#include "PlayerSettings.h"
#include "TOption.h"

#include <QCheckBox>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QListWidget>
#include <QPushButton>
#include <QVBoxLayout>

namespace {
const QString kOption = QStringLiteral("OPTION");
}

GeneralOptionsPage::GeneralOptionsPage(const OptionFormPorts& ports, QWidget* parent)
    : QWidget(parent), ports_(ports) {
    setObjectName(QStringLiteral("TabSheet1"));
    auto* layout = new QHBoxLayout(this);
    auto* boxes = new QVBoxLayout;
    layout->addLayout(boxes);
    alwaysTop_ = addBox("AlwaysTopCheckBox", tr("Always Ontop"));
    autoPlay_ = addBox("AutoPlayCheckBox", tr("AutoPlay when start"));
    checkAcc_ = addBox("CheckAccCheckBox", tr("Check File Associate"));
    playImm_ = addBox("PlayImmCheckBox", tr("AutoPlay when Add File"));
    promptLrc_ = addBox("PromptLrcCheckBox", tr("Prompt Download lyrics"));
    notify_ = addBox("NotifyCheckBox", tr("Tell the desktop when a new song starts"));
    for (QCheckBox* box : boxes_)
        boxes->addWidget(box);
    boxes->addStretch(1);

    auto* group = new QGroupBox(tr(" File Associate "), this);
    auto* groupLayout = new QVBoxLayout(group);
    list_ = new QListWidget(group);
    list_->setObjectName(QStringLiteral("CheckListBox"));
    list_->setSortingEnabled(true);
    groupLayout->addWidget(list_, 1);
    auto* buttons = new QHBoxLayout;
    auto* change = new QPushButton(tr("Change Associate"), group);
    change->setObjectName(QStringLiteral("BitBtn1"));
    auto* all = new QPushButton(tr("Select All"), group);
    all->setObjectName(QStringLiteral("BitBtn2"));
    buttons->addWidget(change);
    buttons->addWidget(all);
    groupLayout->addLayout(buttons);
    layout->addWidget(group, 1);
    connect(change, &QPushButton::clicked, this, &GeneralOptionsPage::ChangeAssociate);
    connect(all, &QPushButton::clicked, this, &GeneralOptionsPage::SelectAll);
    Fill();
}

QCheckBox* GeneralOptionsPage::addBox(const char* name, const QString& caption) {
    auto* box = new QCheckBox(caption, this);
    box->setObjectName(QLatin1String(name));
    connect(box, &QCheckBox::clicked, this, &GeneralOptionsPage::changed);
    boxes_.append(box);
    return box;
}

void GeneralOptionsPage::Fill() {
    const OptionsStore& store = *ports_.store;
    alwaysTop_->setChecked(ports_.option->AlwaysOnTop());
    autoPlay_->setChecked(PlayerSettings::AutoPlay(store));
    checkAcc_->setChecked(PlayerSettings::CheckAcc(store));
    playImm_->setChecked(PlayerSettings::PlayOnAdd(store));
    promptLrc_->setChecked(PlayerSettings::PromptDownLrc(store));
    notify_->setChecked(PlayerSettings::NotifySongs(store));
}

void GeneralOptionsPage::Apply() {
    OptionsStore& store = *ports_.store;
    ports_.option->SetAlwaysOnTop(alwaysTop_->isChecked());
    store.WriteBool(kOption, QStringLiteral("AUTOPLAY"), autoPlay_->isChecked());
    PlayerSettings::SetCheckAcc(store, checkAcc_->isChecked());
    store.WriteBool(kOption, QStringLiteral("PLAYONADD"), playImm_->isChecked());
    PlayerSettings::SetPromptDownLrc(store, promptLrc_->isChecked());
    PlayerSettings::SetNotifySongs(store, notify_->isChecked());
}

QStringList GeneralOptionsPage::ExtensionsOf(const QString& fileTypes) {
    QStringList extensions;
    for (const QString& piece : fileTypes.split(QLatin1Char(';'), Qt::SkipEmptyParts)) {
        // Everything up to and including the first "*": "*.mp3" gives ".mp3".
        const int star = piece.indexOf(QLatin1Char('*'));
        const QString extension = piece.mid(star + 1).trimmed().toLower();
        if (!extension.isEmpty() && !extensions.contains(extension))
            extensions.append(extension);
    }
    return extensions;
}

void GeneralOptionsPage::RebuildAssociations() {
    list_->clear();
    const QString types = ports_.fileTypes ? ports_.fileTypes() : QString();
    for (const QString& extension : ExtensionsOf(types)) {
        auto* item = new QListWidgetItem(extension, list_);
        item->setFlags(Qt::ItemIsEnabled | Qt::ItemIsSelectable | Qt::ItemIsUserCheckable);
        const bool associated = ports_.associations && ports_.associations->IsAssociated(extension);
        item->setCheckState(associated ? Qt::Checked : Qt::Unchecked);
    }
}

void GeneralOptionsPage::SelectAll() {
    for (int row = 0; row < list_->count(); ++row)
        list_->item(row)->setCheckState(Qt::Checked);
}

void GeneralOptionsPage::ChangeAssociate() {
    if (!ports_.associations)
        return;
    QStringList failed;
    for (int row = 0; row < list_->count(); ++row) {
        const QListWidgetItem* item = list_->item(row);
        const bool associate = item->checkState() == Qt::Checked;
        if (associate == ports_.associations->IsAssociated(item->text()))
            continue;
        if (!ports_.associations->Associate(item->text(), !associate))
            failed.append(item->text());
    }
    // A change the desktop refused is said, not passed over in silence; the
    // list then shows what really holds.
    if (!failed.isEmpty()) {
        if (ports_.showMessage)
            ports_.showMessage(
                tr("These file types could not be changed: %1").arg(failed.join(QStringLiteral(", "))),
                MsgBox::IconExclamation);
        RebuildAssociations();
    }
}
