#pragma once

#include "net/httpclient.h"
#include "net/updateprotocol.h"

#include <QObject>

// The update check the main window sends at start: one request for the
// latest version. Each piece of the answer is judged by the update rules and
// logged; the window only hears whether another version was announced.
class UpdateCheck : public QObject
{
    Q_OBJECT

public:
    explicit UpdateCheck(QObject *parent = nullptr);

    // Sends the request to the update server.
    void start();
    // Judges what has arrived of the answer and writes its debug line.
    updateprotocol::Verdict::Kind takeAnswer();

Q_SIGNALS:
    // A piece of the answer is ready for takeAnswer().
    void readyRead(const HttpResponseHeader &header);

private:
    HttpClient http;
};
