#include "FileManagerDrag.h"

#include "FileClipboard.h"

#include <QMimeData>

namespace {
const QString kRowsFormat = QStringLiteral("application/x-sorvi-song-rows");
const QString kCategoryFormat = QStringLiteral("application/x-sorvi-category");
} // namespace

QMimeData* FileManagerDrag::NewRowsData(int category, const QList<int>& rows, const QStringList& files) {
    QMimeData* data = NewFileListMimeData(files);
    QByteArray text = QByteArray::number(category) + ':';
    for (qsizetype i = 0; i < rows.size(); ++i)
        text += (i ? "," : "") + QByteArray::number(rows[i]);
    data->setData(kRowsFormat, text);
    return data;
}

QMimeData* FileManagerDrag::NewCategoryData(int category) {
    auto* data = new QMimeData;
    data->setData(kCategoryFormat, QByteArray::number(category));
    return data;
}

FileManagerDrag FileManagerDrag::Read(const QMimeData& data) {
    FileManagerDrag drag;
    bool ok = false;
    if (data.hasFormat(kRowsFormat)) {
        const QByteArray text = data.data(kRowsFormat);
        const qsizetype colon = text.indexOf(':');
        drag.category = text.left(colon).toInt(&ok);
        for (const QByteArray& row : text.mid(colon + 1).split(','))
            if (bool rowOk = false; !row.isEmpty())
                if (const int position = row.toInt(&rowOk); rowOk && position >= 0)
                    drag.rows << position;
        drag.kind = colon > 0 && ok && !drag.rows.isEmpty() ? Rows : Nothing;
        return drag;
    }
    if (data.hasFormat(kCategoryFormat)) {
        drag.category = data.data(kCategoryFormat).toInt(&ok);
        drag.kind = ok ? Category : Nothing;
        return drag;
    }
    drag.files = FilesOfMimeData(data);
    if (!drag.files.isEmpty()) {
        drag.kind = Files;
        return drag;
    }
    drag.link = LinkOfMimeData(data);
    if (!drag.link.isEmpty())
        drag.kind = Link;
    return drag;
}
