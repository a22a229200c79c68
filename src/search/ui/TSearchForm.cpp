#include "TSearchForm.h"

#include "Messenger.h"
#include "OptionsStore.h"
#include "SearchPatterns.h"
#include "SearchResultList.h"
#include "TPlay.h"
#include "TSearchThread.h"

#include "FileName.h"

#include <QAction>
#include <QApplication>
#include <QClipboard>
#include <QDir>
#include <QFileSystemModel>
#include <QGridLayout>
#include <QHeaderView>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QMenu>
#include <QMimeData>
#include <QPushButton>
#include <QSplitter>
#include <QToolBar>
#include <QToolButton>
#include <QTreeView>
#include <QUrl>
#include <QVBoxLayout>

namespace {
enum Place { ComputerPlace = 0, HomePlace = 1, FileSystemPlace = 2 };
} // namespace

TSearchForm::TSearchForm(TSearchFormContext context, QWidget* parent)
    : WorkPage(parent), context_(std::move(context)) {
    setObjectName(QStringLiteral("TSearchForm"));
    setWindowTitle(tr("File Search"));
    buildActions();
    build();
    AllFilter();
    updateActions();
}

TSearchForm::~TSearchForm() {
    StopAndWait();
    context_.store.WriteString(QStringLiteral("PATH"), QStringLiteral("SEARCH"), DirEdit->text());
}

void TSearchForm::buildActions() {
    auto make = [this](const char* name, const QString& caption, void (TSearchForm::*slot)()) {
        auto* action = new QAction(caption, this);
        action->setObjectName(QString::fromLatin1(name));
        if (slot)
            connect(action, &QAction::triggered, this, slot);
        return action;
    };
    SearchAction = make("SearchAction", tr("&Search"), &TSearchForm::Search);
    StopAction = make("StopAction", tr("S&top"), &TSearchForm::Stop);
    StopAction->setShortcut(QKeySequence(Qt::Key_Escape));
    PlayAction = make("PlayAction", tr("&Play"), &TSearchForm::Play);
    CopyAction = make("CopyAction", tr("&Copy"), &TSearchForm::Copy);
    CopyAction->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_C));
    CopyAction->setShortcutContext(Qt::WidgetWithChildrenShortcut);
    AddAction = make("AddAction", tr("&Add to Playlist"), &TSearchForm::Add);
    AllFilterAction = make("AllFilterAction", tr("&All Media"), &TSearchForm::AllFilter);
    NetAction = make("NetAction", tr("Search on &Net"), nullptr);
}

void TSearchForm::build() {
    Places = new QListWidget(this);
    Places->addItems({tr("Computer"), tr("Home"), tr("File System")});
    Places->setMaximumHeight(Places->sizeHintForRow(0) * 3 + 2 * Places->frameWidth() + 4);
    connect(Places, &QListWidget::currentRowChanged, this, &TSearchForm::placeChosen);
    connect(Places, &QListWidget::itemClicked, this, [this](QListWidgetItem* item) { placeChosen(Places->row(item)); });

    folders_ = new QFileSystemModel(this);
    folders_->setFilter(QDir::AllDirs | QDir::NoDotAndDotDot | QDir::Drives);
    folders_->setReadOnly(true);
    folders_->setRootPath(QStringLiteral("/"));
    ShellTreeView = new QTreeView(this);
    ShellTreeView->setObjectName(QStringLiteral("ShellTreeView"));
    ShellTreeView->setModel(folders_);
    for (int column = 1; column < folders_->columnCount(); ++column)
        ShellTreeView->hideColumn(column);
    ShellTreeView->header()->hide();
    ShellTreeView->setRootIndex(folders_->index(QStringLiteral("/")).parent());
    connect(ShellTreeView->selectionModel(), &QItemSelectionModel::currentChanged, this,
            &TSearchForm::folderChosen);

    auto* left = new QWidget(this);
    auto* leftLayout = new QVBoxLayout(left);
    leftLayout->setContentsMargins(0, 0, 0, 0);
    leftLayout->addWidget(Places);
    leftLayout->addWidget(ShellTreeView, 1);

    FilterEdit = new QLineEdit(this);
    FilterEdit->setObjectName(QStringLiteral("FilterEdit"));
    FilterEdit->setContextMenuPolicy(Qt::CustomContextMenu);
    connect(FilterEdit, &QWidget::customContextMenuRequested, this, [this](const QPoint& at) {
        QMenu* menu = FilterEdit->createStandardContextMenu();
        menu->addSeparator();
        menu->addAction(AllFilterAction);
        menu->exec(FilterEdit->mapToGlobal(at));
        delete menu;
    });
    DirEdit = new QLineEdit(this);
    DirEdit->setObjectName(QStringLiteral("DirEdit"));
    SearchBtn = new QPushButton(tr("Find"), this);
    SearchBtn->setObjectName(QStringLiteral("SearchBtn"));
    connect(SearchBtn, &QPushButton::clicked, this, [this] { SearchAction->trigger(); });
    auto* filterLabel = new QLabel(tr("&Search:"), this);
    filterLabel->setBuddy(FilterEdit);
    auto* dirLabel = new QLabel(tr("Directories:"), this);
    dirLabel->setBuddy(DirEdit);

    ListView = new SearchResultList(this);
    ListView->setContextMenuPolicy(Qt::CustomContextMenu);
    connect(ListView, &QWidget::customContextMenuRequested, this, [this](const QPoint& at) {
        QMenu menu;
        menu.addAction(PlayAction);
        menu.setDefaultAction(PlayAction);
        menu.addAction(CopyAction);
        menu.addAction(AddAction);
        menu.exec(ListView->viewport()->mapToGlobal(at));
    });
    connect(ListView, &QTreeWidget::itemDoubleClicked, this, [this] { Play(); });
    connect(ListView, &QTreeWidget::itemSelectionChanged, this, &TSearchForm::updateActions);
    ListView->addAction(CopyAction);

    auto* right = new QWidget(this);
    auto* grid = new QGridLayout(right);
    grid->setContentsMargins(0, 0, 0, 0);
    grid->addWidget(filterLabel, 0, 0);
    grid->addWidget(FilterEdit, 0, 1);
    grid->addWidget(SearchBtn, 0, 2, 2, 1);
    grid->addWidget(dirLabel, 1, 0);
    grid->addWidget(DirEdit, 1, 1);
    grid->addWidget(ListView, 2, 0, 1, 3);
    grid->setRowStretch(2, 1);

    auto* splitter = new QSplitter(this);
    splitter->addWidget(left);
    splitter->addWidget(right);
    splitter->setStretchFactor(1, 1);
    splitter->setSizes({200, 480});
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(splitter);

    FolderPanel = new QLabel(this);
    FolderPanel->hide();

    toolStrip_ = new QToolBar(this);
    toolStrip_->setToolButtonStyle(Qt::ToolButtonTextOnly);
    auto* find = new QMenu(tr("&Find"), toolStrip_);
    find->addActions({SearchAction, StopAction});
    find->addSeparator();
    find->addActions({CopyAction, PlayAction, AddAction});
    find->addSeparator();
    find->addAction(NetAction);
    auto* findButton = new QToolButton(toolStrip_);
    findButton->setText(find->title());
    findButton->setMenu(find);
    findButton->setPopupMode(QToolButton::InstantPopup);
    toolStrip_->addWidget(findButton);
    toolStrip_->addSeparator();
    toolStrip_->addActions({SearchAction, StopAction, PlayAction, CopyAction, AddAction});
    toolStrip_->hide();

    for (QWidget* w : {static_cast<QWidget*>(ShellTreeView), static_cast<QWidget*>(FilterEdit),
                       static_cast<QWidget*>(DirEdit), static_cast<QWidget*>(ListView)})
        w->installEventFilter(this);
}

QWidget* TSearchForm::ToolStrip() { return toolStrip_; }

QList<QAction*> TSearchForm::PageActions() {
    return {SearchAction, StopAction, PlayAction, AddAction, AllFilterAction, NetAction};
}

QList<QWidget*> TSearchForm::StatusPanels() { return {FolderPanel}; }

void TSearchForm::PageShown() {
    DirEdit->setText(context_.store.ReadString(QStringLiteral("PATH"), QStringLiteral("SEARCH"), QString()));
    // Enter searches straight away.
    FilterEdit->setFocus();
}

void TSearchForm::PageClosed() { StopAndWait(); }

QStringList TSearchForm::ComputerFolders() { return LocalFileSystemRoots(); }

void TSearchForm::placeChosen(int row) {
    if (row == ComputerPlace) {
        DirEdit->setText(ComputerFolders().join(QLatin1Char(';')) + QLatin1Char(';'));
        return;
    }
    const QString path = row == HomePlace ? QDir::homePath() : QStringLiteral("/");
    DirEdit->setText(path);
    const QModelIndex index = folders_->index(path);
    ShellTreeView->setCurrentIndex(index);
    ShellTreeView->scrollTo(index);
    ShellTreeView->expand(index);
}

void TSearchForm::folderChosen(const QModelIndex& index) {
    const QString path = folders_->filePath(index);
    if (!path.isEmpty() && IsFolder(path))
        DirEdit->setText(path);
}

void TSearchForm::AllFilter() {
    if (context_.mediaTypes)
        FilterEdit->setText(context_.mediaTypes());
}

void TSearchForm::StartSearch(const QStringList& folders, const QString& patterns) {
    StopAndWait();
    DirEdit->setText(folders.join(QLatin1Char(';')));
    FilterEdit->setText(patterns);
    Search();
}

void TSearchForm::Search() {
    if (thread_)
        return;
    if (DirEdit->text().trimmed().isEmpty()) {
        context_.messenger.ShowMessageBox(tr("Please choose on the left side to want the folder to clip."),
                                          MsgBox::IconInformation);
        return;
    }
    ListView->clear();
    thread_ = new TSearchThread(SplitFolders(DirEdit->text()), NormalisePatterns(FilterEdit->text()), this);
    // Reports of an earlier search still queued never reach this one.
    const int search = ++search_;
    connect(thread_, &TSearchThread::foundFiles, this, [this, search](const QList<FoundFile>& files) {
        if (search == search_)
            ListView->AddFiles(files);
    });
    connect(thread_, &TSearchThread::searchingFolder, this, [this, search](const QString& folder) {
        if (search == search_ && thread_)
            FolderPanel->setText(folder);
    });
    connect(thread_, &TSearchThread::searchDone, this, [this, search] {
        if (search == search_)
            searchDone();
    });
    updateActions();
    thread_->start();
}

void TSearchForm::Stop() {
    if (thread_)
        thread_->Stop();
}

void TSearchForm::StopAndWait() {
    if (!thread_)
        return;
    thread_->Stop();
    thread_->wait();
    // The last batches are still queued for this window: taken in before the end.
    QCoreApplication::sendPostedEvents(this, QEvent::MetaCall);
    searchDone();
}

void TSearchForm::searchDone() {
    if (!thread_)
        return;
    FolderPanel->clear();
    thread_->wait();
    thread_->deleteLater();
    thread_ = nullptr;
    updateActions();
}

void TSearchForm::updateActions() {
    SearchAction->setEnabled(!thread_);
    SearchBtn->setEnabled(!thread_);
    StopAction->setEnabled(thread_ != nullptr);
    CopyAction->setEnabled(ListView->selectionModel()->hasSelection());
}

void TSearchForm::Play() {
    const QString file = ListView->FirstSelectedFile();
    context_.run(file.isEmpty() ? QStringLiteral("#Play") : QStringLiteral("#Play,") + file);
}

void TSearchForm::Copy() {
    const QStringList files = ListView->SelectedFiles();
    if (files.isEmpty())
        return;
    QList<QUrl> urls;
    QByteArray copied = "copy";
    for (const QString& file : files) {
        const QUrl url = QUrl::fromLocalFile(file);
        urls << url;
        copied += '\n' + url.toEncoded();
    }
    auto* data = new QMimeData;
    data->setUrls(urls);
    data->setData(QStringLiteral("x-special/gnome-copied-files"), copied);
    data->setText(files.join(QLatin1Char('\n')));
    QApplication::clipboard()->setMimeData(data);
}

void TSearchForm::Add() {
    const QStringList files = ListView->SelectedFiles();
    if (files.isEmpty() || !context_.play.BeginAdd(TPlay::kDefaultId))
        return;
    for (const QString& file : files)
        context_.play.AddFile(file);
    context_.play.EndAdd();
}

bool TSearchForm::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() != QEvent::KeyPress)
        return WorkPage::eventFilter(watched, event);
    const int key = static_cast<QKeyEvent*>(event)->key();
    const bool enter = key == Qt::Key_Return || key == Qt::Key_Enter;
    if (key == Qt::Key_Escape && StopAction->isEnabled()) {
        StopAction->trigger();
        return true;
    }
    if (!enter)
        return WorkPage::eventFilter(watched, event);
    if (watched == ListView) {
        const QString file = ListView->FirstSelectedFile();
        if (!file.isEmpty())
            context_.run(QStringLiteral("#Play,") + file);
        return true;
    }
    if (SearchAction->isEnabled())
        SearchAction->trigger();
    else if (StopAction->isEnabled())
        StopAction->trigger();
    return true;
}
