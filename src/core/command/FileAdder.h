#pragma once

#include <QObject>
#include <QString>
#include <QStringList>
#include <functional>

class TPlay;
class TOption;
class Messenger;

// The ways songs reach the library from the user: "#OpenFile" with a list or
// the open-files dialog, drops, dragged links. Each runs one add batch of
// TPlay and then acts on the first file of each kind the batch saw.
class FileAdder {
public:
    using CommandRunner = std::function<void(const QString&)>;
    // The plug-ins' combined file masks ("*.mp3;*.m3u;..."), for the dialog filter.
    using MediaTypes = std::function<QString()>;

    FileAdder(TPlay& play, TOption& option, Messenger& messenger, MediaTypes mediaTypes, CommandRunner run);

    // "#OpenFile": with paths (each followed by NUL as a second start hands
    // them over, or separated by CR LF), add them to DEFAULT and play the first
    // song even when something plays; without, the open-files dialog.
    // A list that arrives while a batch is open (handed over during a tag scan)
    // is added once that batch has ended.
    void OpenFileCommand(const QString& argument);
    void OpenFilesDialog(const QString& initialFolder, int categoryId);
    // Files dropped on a window; refused with a message for a read-only
    // category or while a batch runs, ignored while a dialog is open.
    void DropFiles(const QStringList& paths, int categoryId);
    // A link dragged from a browser: added to DEFAULT as a stream.
    void AddUrl(const QString& url);
    // Plays, edits or applies the first file of each kind of the last batch.
    void AfterAdd(bool force);

    static QString DialogFilter(const QString& mediaTypes);

private:
    TPlay& play_;
    TOption& option_;
    Messenger& messenger_;
    MediaTypes mediaTypes_;
    CommandRunner run_;
    QStringList waitingLists_; // "#OpenFile" lists that arrived while a batch was open
    QObject context_;          // receives the store's signals while the adder lives
};
