#pragma once

#include <QIcon>
#include <QString>

// Small pictures of the menu's items, drawn with QPainter: the transport
// actions, adding files, searching and leaving. Other actions have none.
QIcon ActionIcon(const QString& actionName);
