#pragma once

#include "TID3Form.h"

#include <QList>
#include <QObject>
#include <QPointer>

// The open tag windows, one per song file.
class TID3Forms : public QObject {
    Q_OBJECT
public:
    explicit TID3Forms(TID3FormContext context, QObject* parent = nullptr);
    ~TID3Forms() override;

    // Brings up the window of the file, or creates and shows a new one. With
    // selectLyrics the window's lyrics file chooser runs at once.
    TID3Form* Open(const QString& fileName, bool selectLyrics = false);
    // The open window of the file (same path, letter case ignored), or null.
    TID3Form* Find(const QString& fileName) const;
    int Count() const;
    // Closes every window (each saves what was changed).
    void CloseAll();

signals:
    // The number of open windows changed: indicator group 4 is on while it is above 0.
    void openCountChanged(int count);

private:
    TID3FormContext context_;
    QList<QPointer<TID3Form>> forms_;
};
