#include "TID3Forms.h"

#include "PathResolve.h"

TID3Forms::TID3Forms(TID3FormContext context, QObject* parent) : QObject(parent), context_(context) {}

TID3Forms::~TID3Forms() {
    CloseAll();
}

TID3Form* TID3Forms::Find(const QString& fileName) const {
    for (const QPointer<TID3Form>& form : forms_) {
        if (form && SamePath(form->FileName(), fileName))
            return form;
    }
    return nullptr;
}

int TID3Forms::Count() const {
    return int(
        std::count_if(forms_.begin(), forms_.end(), [](const QPointer<TID3Form>& f) { return !f.isNull(); }));
}

TID3Form* TID3Forms::Open(const QString& fileName, bool selectLyrics) {
    TID3Form* form = Find(fileName);
    if (form) {
        if (form->isMinimized())
            form->showNormal();
        form->show();
        form->raise();
        form->activateWindow();
    } else {
        form = new TID3Form(context_, fileName, context_.owner);
        forms_.append(form);
        connect(form, &QObject::destroyed, this, [this](QObject* gone) {
            forms_.removeIf([gone](const QPointer<TID3Form>& f) { return f.isNull() || f.data() == gone; });
            emit openCountChanged(Count());
        });
        form->show();
        emit openCountChanged(Count());
    }
    if (selectLyrics)
        form->SelectLyrics();
    return form;
}

void TID3Forms::CloseAll() {
    const auto forms = forms_;
    for (const QPointer<TID3Form>& form : forms) {
        if (form) {
            form->close();
            delete form.data(); // a closed window is freed at once, not at the next event
        }
    }
}
