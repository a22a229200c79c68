#pragma once

#include <QPlainTextEdit>

class QMimeData;

// The lyrics editor's text: no line wrapping (both scroll bars), the selection
// stays visible while another control has the focus, and files dragged from a
// file manager are handed over (fileDropped) instead of pasted as text.
class LrcMemo : public QPlainTextEdit {
    Q_OBJECT
public:
    explicit LrcMemo(QWidget* parent = nullptr);

signals:
    // The first local file of a drop.
    void fileDropped(const QString& fileName);

protected:
    void dragEnterEvent(QDragEnterEvent* event) override;
    void dragMoveEvent(QDragMoveEvent* event) override;
    void dropEvent(QDropEvent* event) override;
};

// The first local file named by dropped data, or an empty string.
QString FirstDroppedFile(const QMimeData* data);
