#include "DisplayTags.h"

#include "FileName.h"

#include <taglib/fileref.h>
#include <taglib/infotag.h>
#include <taglib/tag.h>
#include <taglib/tstring.h>
#include <taglib/wavfile.h>

namespace {

template <std::size_t N> bool Fill(std::array<char, N>& field, const TagLib::String& text) {
    const QString value = QString::fromUtf8(text.toCString(true)).simplified();
    if (value.isEmpty())
        return false;
    SetTagText(field, value);
    return true;
}

bool FillFrom(const TagLib::Tag& found, TSongTag& tag) {
    bool any = Fill(tag.Title, found.title());
    any = Fill(tag.Artist, found.artist()) || any;
    any = Fill(tag.Album, found.album()) || any;
    return any;
}

} // namespace

bool ReadDisplayTags(const QString& fileName, TSongTag& tag) {
    // Without the audio properties: only the tags are parsed, not the stream.
    const TagLib::FileRef file(EncodeFileName(fileName).constData(), false);
    if (file.isNull() || !file.tag())
        return false;
    // A WAV file names its tags in an ID3v2 chunk, a RIFF INFO chunk or both;
    // the ID3v2 chunk wins where both name a field.
    bool any = false;
    if (auto* wave = dynamic_cast<TagLib::RIFF::WAV::File*>(file.file()); wave && wave->hasInfoTag())
        any = FillFrom(*wave->InfoTag(), tag);
    any = FillFrom(*file.tag(), tag) || any;
    return any;
}
