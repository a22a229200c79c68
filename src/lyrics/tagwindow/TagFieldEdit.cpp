#include "TagFieldEdit.h"

#include <QLineEdit>

TagFieldEdit::TagFieldEdit(QLineEdit* edit, int widthBytes) : QValidator(edit), edit_(edit), width_(widthBytes) {
    // Every character takes at least one byte; the validator does the exact count.
    edit_->setMaxLength(widthBytes);
    edit_->setValidator(this);
}

void TagFieldEdit::Fill(const QByteArray& bytes) {
    read_ = bytes;
    decoded_ = DecodeLossless(bytes);
    edit_->setText(decoded_.text);
}

QByteArray TagFieldEdit::BytesFor(const QString& text) const {
    if (text == decoded_.text)
        return read_;
    return EncodeText(text, decoded_.encoding);
}

QByteArray TagFieldEdit::Bytes() const {
    return BytesFor(edit_->text());
}

QValidator::State TagFieldEdit::validate(QString& input, int&) const {
    return BytesFor(input).size() <= width_ ? Acceptable : Invalid;
}
