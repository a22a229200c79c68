#pragma once

#include <QWidget>

class QLineEdit;
class QPushButton;

// "Search:" with a name field and "Find": asks for files of that name on
// every local disk (Enter in the field finds too).
class SongSearchBox : public QWidget {
    Q_OBJECT
public:
    explicit SongSearchBox(QWidget* parent = nullptr);

    QLineEdit* Edit = nullptr;
    QPushButton* FindButton = nullptr;

signals:
    void find(const QString& text);
};
