#pragma once

#include <QObject>
#include <QString>
#include <QStringList>

class FileAdder;
class TOption;
class QMimeData;
class QWidget;

// Drops on the main and display windows: files and folders from a file
// manager go to the play list as one add batch; a link dragged from a web
// browser is offered the link effect while the player is interactive and is
// added to the play list as a stream when dropped.
class DropTargets : public QObject {
    Q_OBJECT
public:
    enum class Kind { None, Files, Link };
    struct Drop {
        Kind kind = Kind::None;
        QStringList paths; // local files and folders
        QString url;       // the dragged link
    };

    DropTargets(FileAdder& adder, const TOption& option, QObject* parent = nullptr);

    // Makes the window a drop target; its own drop handling no longer runs.
    void Install(QWidget& window);

    // What a drag carries: local files (any local file URL wins), else a web
    // or stream link (http, https, ftp, mms) as a URL list or as plain text.
    static Drop Classify(const QMimeData& data);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    FileAdder& adder_;
    const TOption& option_;
};
