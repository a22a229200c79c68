#include "AtomicFile.h"
#include "ListFile.h"
#include "ProgramFolder.h"
#include "TextCodec.h"
#include "TPlay.h"

#include <QFile>
#include <QStringDecoder>

namespace {

TPlayItem SongFromBytes(const QByteArray& bytes) {
    TPlayItem item;
    QStringDecoder utf8(QStringDecoder::Utf8, QStringDecoder::Flag::Stateless);
    item.FileName = utf8.decode(bytes);
    if (utf8.hasError()) {
        // Kept so that a save writes back the very bytes that were read.
        item.FileName = DecodeText(bytes);
        item.RawName = bytes;
    }
    return item;
}

QList<QByteArray> PathsOf(const TPlayCategory& category) {
    QList<QByteArray> paths;
    paths.reserve(category.Count());
    for (const TPlayItem& item : category.Songs())
        paths << item.PathBytes();
    return paths;
}

} // namespace

QString TPlay::DefaultListFile() const {
    return ProgramFile(QStringLiteral("default.lst"));
}

void TPlay::ResetToBuiltIns() {
    while (categories_.size() > 2)
        DeleteCategory(categories_.back()->Id);
    Default().Clear();
}

int TPlay::LoadList(const QString& path) {
    ResetToBuiltIns();
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return ListReadFailed;
    const ListFileData data = ParseListFile(file.readAll());
    for (qsizetype i = 0; i < data.categories.size(); ++i) {
        const ListFileCategory& read = data.categories[i];
        TPlayCategory* target = &Default();
        if (i > 0)
            target = Category(AddCategory(DecodeText(read.name), read.kind));
        target->songs_.reserve(target->Count() + read.paths.size());
        target->keys_.reserve(target->Count() + read.paths.size());
        for (const QByteArray& bytes : read.paths)
            target->Append(SongFromBytes(bytes));
    }
    if (data.result == ListBadHeader || data.result == ListBadMagic)
        ShowMessage(QString::fromLatin1(kInvalidListMessage));
    return data.result;
}

bool TPlay::SaveList(const QString& path) {
    QList<ListFileCategory> blocks;
    for (std::size_t i = 2; i < categories_.size(); ++i) {
        const TPlayCategory& category = *categories_[i];
        if (category.Kind == 1)
            continue;
        ListFileCategory block;
        // Cut at 32 bytes without splitting a character.
        block.name = Utf8Truncated(category.Name, kListNameSize);
        block.kind = category.Kind;
        block.paths = PathsOf(category);
        blocks.append(std::move(block));
    }
    const QByteArray bytes = SerializeListFile(PathsOf(Default()), blocks);
    // A crash or a full disk never costs the old library.
    if (!WriteFileAtomically(path, bytes, &lastSaveError_))
        return false;
    lastSaveError_.clear();
    return true;
}

int TPlay::LoadDefaultList() {
    return LoadList(DefaultListFile());
}

bool TPlay::SaveDefaultList() {
    if (SaveList(DefaultListFile()))
        return true;
    emit listSaveFailed(lastSaveError_);
    return false;
}
