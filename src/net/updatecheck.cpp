#include "net/updatecheck.h"

#include <QDebug>

UpdateCheck::UpdateCheck(QObject *parent) : QObject(parent)
{
    connect(&http, &HttpClient::readyRead, this, &UpdateCheck::readyRead);
}

void UpdateCheck::start()
{
    const updateprotocol::Server server = updateprotocol::server();
    http.setHost(server.host, server.port);
    http.get(updateprotocol::checkUpdatePath());
}

updateprotocol::Verdict::Kind UpdateCheck::takeAnswer()
{
    const updateprotocol::Verdict verdict = updateprotocol::judge(http.readAll());
    switch (verdict.kind) {
    case updateprotocol::Verdict::Empty:
        break;
    case updateprotocol::Verdict::UpToDate:
        qDebug() << "Already The Latest Version!";
        break;
    case updateprotocol::Verdict::NewVersion:
        qDebug() << updateprotocol::debugExcerpt(verdict.version)
                 << updateprotocol::debugExcerpt(verdict.url);
        break;
    case updateprotocol::Verdict::Maintenance:
        qDebug("Sorry.update server maintain.");
        break;
    }
    return verdict.kind;
}
