#include "TSkinForm.h"

#include "SkinFile.h"
#include "SkinFolderScan.h"
#include "SkinLinkLabel.h"

#include <QAction>
#include <QFileInfo>
#include <QFormLayout>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QMenuBar>
#include <QPixmap>
#include <QPlainTextEdit>
#include <QSplitter>
#include <QToolBar>
#include <QTreeWidget>
#include <QUrl>
#include <QVBoxLayout>

namespace {
constexpr int kIconInformation = 64;
constexpr int kPathRole = Qt::UserRole + 1;
constexpr QSize kPreviewMax(240, 160);
} // namespace

TSkinForm::TSkinForm(SkinManagerHooks hooks, QWidget* parent) : WorkPage(parent), hooks_(std::move(hooks)) {
    setObjectName(QStringLiteral("TSkinForm"));
    setWindowTitle(tr("Texture Management"));
    buildActions();
    buildFace();
}

void TSkinForm::buildActions() {
    auto make = [this](const QString& caption, const QKeySequence& key, void (TSkinForm::*slot)()) {
        auto* action = new QAction(caption, this);
        if (!key.isEmpty()) {
            action->setShortcut(key);
            action->setShortcutContext(Qt::WidgetWithChildrenShortcut);
        }
        connect(action, &QAction::triggered, this, [this, slot] { (this->*slot)(); });
        return action;
    };
    open_ = make(tr("&Open"), QKeySequence(Qt::CTRL | Qt::Key_O), &TSkinForm::OpenActionExecute);
    load_ = make(tr("&Load"), {}, &TSkinForm::LoadActionExecute);
    load_->setEnabled(false);
    refresh_ = make(tr("&Refresh"), QKeySequence(Qt::Key_F5), &TSkinForm::Refresh);
    edit_ = make(tr("&Edit"), {}, &TSkinForm::EditActionExecute);
    download_ = make(tr("&Download"), {}, &TSkinForm::DownloadActionExecute);
    upload_ = make(tr("&Upload"), {}, &TSkinForm::UploadActionExecute);
    close_ = new QAction(tr("&Close"), this);
    connect(close_, &QAction::triggered, this, [this] { window()->close(); });
}

void TSkinForm::buildFace() {
    strip_ = new QWidget(this);
    auto* stripLayout = new QVBoxLayout(strip_);
    stripLayout->setContentsMargins(0, 0, 0, 0);
    stripLayout->setSpacing(0);
    menu_ = new QMenuBar(strip_);
    QMenu* manage = menu_->addMenu(tr("&Manage"));
    manage->addActions({load_, open_, edit_, refresh_});
    manage->addSeparator();
    manage->addAction(close_);
    QMenu* resource = menu_->addMenu(tr("&Resource"));
    resource->addActions({download_, upload_});
    resource->menuAction()->setVisible(false);
    auto* bar = new QToolBar(strip_);
    bar->setToolButtonStyle(Qt::ToolButtonTextOnly);
    bar->addActions({open_, load_, refresh_, edit_, download_, upload_});
    stripLayout->addWidget(menu_);
    stripLayout->addWidget(bar);
    strip_->hide();

    list_ = new QTreeWidget(this);
    list_->setObjectName(QStringLiteral("ListView"));
    list_->setColumnCount(2);
    list_->setHeaderLabels({tr("Title"), tr("Author")});
    list_->setColumnWidth(0, 120);
    list_->setColumnWidth(1, 100);
    list_->setRootIsDecorated(false);
    list_->setSelectionMode(QAbstractItemView::SingleSelection);
    list_->setSelectionBehavior(QAbstractItemView::SelectRows);
    list_->setEditTriggers(QAbstractItemView::NoEditTriggers);
    list_->setUniformRowHeights(true);
    connect(list_, &QTreeWidget::itemSelectionChanged, this, &TSkinForm::selectionChanged);
    connect(list_, &QTreeWidget::itemDoubleClicked, this, [this] {
        if (!selectedFile().isEmpty())
            LoadActionExecute();
    });

    auto* pane = new QWidget(this);
    auto* paneLayout = new QVBoxLayout(pane);
    titleLabel_ = new QLabel(pane);
    QFont titleFont = titleLabel_->font();
    titleFont.setBold(true);
    titleFont.setPointSizeF(titleFont.pointSizeF() * 1.3);
    titleLabel_->setFont(titleFont);
    paneLayout->addWidget(titleLabel_);

    auto* fields = new QFormLayout;
    auto readOnly = [pane] {
        auto* edit = new QLineEdit(pane);
        edit->setReadOnly(true);
        return edit;
    };
    authorEdit_ = readOnly();
    icqEdit_ = readOnly();
    qqEdit_ = readOnly();
    emailLabel_ = new SkinLinkLabel(pane);
    emailLabel_->onClick = [this] { EmailLabelClick(); };
    homeLabel_ = new SkinLinkLabel(pane);
    homeLabel_->onClick = [this] { HomeLabelClick(); };
    fields->addRow(tr("Author:"), authorEdit_);
    fields->addRow(tr("Email:"), emailLabel_);
    fields->addRow(tr("ICQ:"), icqEdit_);
    fields->addRow(tr("QQ:"), qqEdit_);
    fields->addRow(tr("Home:"), homeLabel_);
    paneLayout->addLayout(fields);
    memo_ = new QPlainTextEdit(pane);
    memo_->setReadOnly(true);
    memo_->setMaximumHeight(70);
    paneLayout->addWidget(memo_);

    image_ = new QLabel(pane);
    image_->setAlignment(Qt::AlignCenter);
    image_->setMinimumSize(160, 120);
    noImage_ = new QLabel(tr("No Preview"), pane);
    noImage_->setAlignment(Qt::AlignCenter);
    paneLayout->addWidget(image_, 1);
    paneLayout->addWidget(noImage_);
    noImage_->hide();

    auto* split = new QSplitter(this);
    split->addWidget(list_);
    split->addWidget(pane);
    split->setStretchFactor(1, 1);
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(split);
}

QWidget* TSkinForm::ToolStrip() {
    return strip_;
}

QList<QAction*> TSkinForm::PageActions() {
    return {open_, load_, refresh_, edit_, download_, upload_};
}

void TSkinForm::PageShown() {
    Refresh();
}

QLabel* TSkinForm::EmailLabel() const {
    return emailLabel_;
}
QLabel* TSkinForm::HomeLabel() const {
    return homeLabel_;
}

bool TSkinForm::readInfo(const QString& file, SkinInfo* info) const {
    return hooks_.readInfo ? hooks_.readInfo(file, info) : ReadSkinInfo(file, info);
}

void TSkinForm::Refresh() {
    list_->setUpdatesEnabled(false);
    {
        const QSignalBlocker quiet(list_);
        list_->clear();
    }
    lastShownRow_ = -1;
    const QStringList files = ListSkinFiles(hooks_.programFolder);
    QList<QTreeWidgetItem*> rows;
    rows.reserve(files.size());
    for (const QString& file : files) {
        SkinInfo info;
        const bool valid = readInfo(file, &info);
        const QString title = valid && !info.title.isEmpty() ? info.title : QFileInfo(file).fileName();
        auto* row = new QTreeWidgetItem({title, valid ? info.author : QString()});
        row->setData(0, kPathRole, file);
        rows.append(row);
    }
    list_->addTopLevelItems(rows);
    list_->setUpdatesEnabled(true);
    selectionChanged();
}

void TSkinForm::SelectRow(int row) {
    if (row < 0 || row >= list_->topLevelItemCount()) {
        list_->clearSelection();
        list_->setCurrentItem(nullptr);
        return;
    }
    list_->setCurrentItem(list_->topLevelItem(row));
}

QString TSkinForm::selectedFile() const {
    const QList<QTreeWidgetItem*> selected = list_->selectedItems();
    return selected.isEmpty() ? QString() : selected.first()->data(0, kPathRole).toString();
}

void TSkinForm::selectionChanged() {
    const QList<QTreeWidgetItem*> selected = list_->selectedItems();
    load_->setEnabled(!selected.isEmpty());
    edit_->setEnabled(load_->isEnabled());
    if (!selected.isEmpty()) {
        const int row = list_->indexOfTopLevelItem(selected.first());
        if (row != lastShownRow_)
            showInfo(row);
    }
}

void TSkinForm::showInfo(int row) {
    lastShownRow_ = row;
    image_->clear();
    QTreeWidgetItem* item = list_->topLevelItem(row);
    const QString file = item->data(0, kPathRole).toString();
    SkinInfo info;
    if (readInfo(file, &info)) {
        titleLabel_->setText(info.title.isEmpty() ? QFileInfo(file).fileName() : info.title);
        authorEdit_->setText(info.author);
        emailLabel_->setText(info.email);
        icqEdit_->setText(info.icq);
        qqEdit_->setText(info.qq);
        homeLabel_->setText(info.homePage);
        memo_->setPlainText(info.comment);
        // A large preview is shown smaller, whole; a small one as it is.
        if (!info.preview.isNull()) {
            QImage preview = info.preview;
            if (preview.width() > kPreviewMax.width() || preview.height() > kPreviewMax.height())
                preview = preview.scaled(kPreviewMax, Qt::KeepAspectRatio, Qt::SmoothTransformation);
            image_->setPixmap(QPixmap::fromImage(preview));
        }
    } else {
        titleLabel_->setText(tr("Invalid File"));
        for (QLineEdit* edit : {authorEdit_, icqEdit_, qqEdit_})
            edit->clear();
        emailLabel_->clear();
        homeLabel_->clear();
        memo_->clear();
    }
    const bool hasPreview = !image_->pixmap().isNull();
    noImage_->setVisible(!hasPreview);
    image_->setVisible(hasPreview);
    item->setText(0, titleLabel_->text());
    item->setText(1, authorEdit_->text());
}

bool TSkinForm::Apply(const QString& file) {
    const QString previous = hooks_.currentSkin ? hooks_.currentSkin() : QString();
    if (hooks_.loadMainFace && hooks_.loadMainFace(file)) {
        if (hooks_.loadControlBar)
            hooks_.loadControlBar(file);
        return true;
    }
    if (hooks_.showMessage)
        hooks_.showMessage(tr("Cannot Load file, please download newest skin."), kIconInformation);
    if (!hooks_.loadMainFace)
        return false;
    if (!previous.isEmpty() && hooks_.loadMainFace(previous))
        return false;
    hooks_.loadMainFace(hooks_.programFolder + QStringLiteral("default.eks"));
    return false;
}

void TSkinForm::LoadActionExecute() {
    const QString file = selectedFile();
    if (!file.isEmpty())
        Apply(file);
}

void TSkinForm::OpenActionExecute() {
    if (!hooks_.openFile)
        return;
    const QString folder = hooks_.recentFolder ? hooks_.recentFolder() : QString();
    const QString file = hooks_.openFile(QStringLiteral("打开外壳文件"), folder,
                                         QStringLiteral("外壳文件(*.eks);;所有文件(*.*)"));
    if (file.isEmpty() || !QFileInfo(file).isFile())
        return;
    if (hooks_.setRecentFolder)
        hooks_.setRecentFolder(QFileInfo(file).absolutePath());
    Apply(file);
}

void TSkinForm::EditActionExecute() {
    const QString file = selectedFile();
    if (file.isEmpty())
        return;
    const QString editor = hooks_.findEditor ? hooks_.findEditor(file) : QString();
    // The path is the one argument of the editor: no shell sees it.
    if (editor.isEmpty() || !hooks_.startProgram || !hooks_.startProgram(editor, {file})) {
        if (hooks_.showMessage)
            hooks_.showMessage(tr("Could not Found SkinEditor."), kIconInformation);
    }
}

void TSkinForm::DownloadActionExecute() {
    if (hooks_.doCommand)
        hooks_.doCommand(QStringLiteral("#Explorer,") + hooks_.siteBase + QStringLiteral("skins/"));
}

void TSkinForm::UploadActionExecute() {
    if (hooks_.doCommand)
        hooks_.doCommand(QStringLiteral("#Explorer,") + hooks_.siteBase + QStringLiteral("skins/upload.htm"));
}

void TSkinForm::EmailLabelClick() {
    if (!emailLabel_->text().isEmpty() && hooks_.doCommand)
        hooks_.doCommand(QStringLiteral("mailto:") + emailLabel_->text());
}

void TSkinForm::HomeLabelClick() {
    // The address alone goes to the desktop (a text without "#" is opened as
    // it is). Only web addresses: a skin's header must not run a player
    // command ("#...") or open a local program.
    const QString text = homeLabel_->text().trimmed();
    if (text.isEmpty() || !hooks_.doCommand)
        return;
    QUrl url(text);
    if (url.scheme().isEmpty())
        url = QUrl(QStringLiteral("http://") + text);
    if ((url.scheme() == QLatin1String("http") || url.scheme() == QLatin1String("https")) && url.isValid() &&
        !url.host().isEmpty())
        hooks_.doCommand(url.toString());
}
