#include "SongSearchBox.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

SongSearchBox::SongSearchBox(QWidget* parent) : QWidget(parent) {
    Edit = new QLineEdit(this);
    Edit->setObjectName(QStringLiteral("SearchEdit"));
    FindButton = new QPushButton(tr("Find"), this);
    FindButton->setObjectName(QStringLiteral("FindButton"));
    auto* label = new QLabel(tr("Search:"), this);
    label->setBuddy(Edit);
    auto* layout = new QHBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(label);
    layout->addWidget(Edit);
    layout->addWidget(FindButton);
    connect(FindButton, &QPushButton::clicked, this, [this] { emit find(Edit->text()); });
    connect(Edit, &QLineEdit::returnPressed, this, [this] { emit find(Edit->text()); });
}
