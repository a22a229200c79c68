#pragma once

#include "TextCodec.h"

#include <QByteArray>
#include <QValidator>

class QLineEdit;

// One text field of a tag in an edit. The field's bytes are shown decoded
// (DecodeLossless); while the text is unchanged the field gives back exactly
// the bytes it was filled with, and changed text is written in the encoding the
// field was read in. The edit accepts only text whose bytes fit the field.
class TagFieldEdit : public QValidator {
    Q_OBJECT
public:
    TagFieldEdit(QLineEdit* edit, int widthBytes);

    QLineEdit* Edit() const { return edit_; }
    void Fill(const QByteArray& bytes);
    // The bytes to store for the edit's text.
    QByteArray Bytes() const;
    // Bytes for some other text of this field (the lyrics name is cut to its file name).
    QByteArray BytesFor(const QString& text) const;

    State validate(QString& input, int& pos) const override;

private:
    QLineEdit* edit_;
    int width_;
    QByteArray read_;
    DecodedText decoded_;
};
