#pragma once

#include "InternalPlugin.h"

#include <QByteArray>
#include <QList>

// Records what the internal plug-in sends back to the host, as "message value"
// pairs, and checks the reply identity in front of each.
class HostRecorder {
public:
    struct Message {
        QByteArray identity;
        QByteArray name;
        QByteArray value;
    };

    HostRecorder() {
        Messages().clear();
        SetInternalPluginCallback(&HostRecorder::Receive);
    }
    ~HostRecorder() { SetInternalPluginCallback(nullptr); }

    static QList<Message>& Messages() {
        static QList<Message> messages;
        return messages;
    }
    // "name value" lines, in order, from message index `from` on.
    static QList<QByteArray> Lines(qsizetype from = 0) {
        QList<QByteArray> lines;
        for (qsizetype i = from; i < Messages().size(); ++i)
            lines << Messages()[i].name + ' ' + Messages()[i].value;
        return lines;
    }
    static bool Has(const QByteArray& line, qsizetype from = 0) { return Lines(from).contains(line); }

private:
    static int Receive(const char* text) {
        const QList<QByteArray> fields = QByteArray(text).split('\1');
        Messages().append(Message{fields.value(0), fields.value(1), fields.value(2)});
        return 0;
    }
};

// Sends identity \1 code \1 argument to the internal plug-in.
inline int SendToPlugin(int code, const QByteArray& argument = {}, const QByteArray& identity = "0") {
    const QByteArray text = identity + '\1' + QByteArray::number(code) + '\1' + argument;
    return InternalPlusMessage(text.constData());
}
