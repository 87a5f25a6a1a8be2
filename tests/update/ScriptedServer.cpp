#include "ScriptedServer.h"

#include "Testing.h"

ScriptedServer::ScriptedServer() {
    server_.listen(QHostAddress::LocalHost, 0);
    QObject::connect(&server_, &QTcpServer::newConnection, [this] { Accept(); });
}

ScriptedServer::~ScriptedServer() {
    // A socket reports its own end while the server destroys it; nobody
    // is left to hear it then.
    for (QTcpSocket* c : server_.findChildren<QTcpSocket*>()) QObject::disconnect(c, nullptr, nullptr, nullptr);
}

void ScriptedServer::Accept() {
    while (QTcpSocket* c = server_.nextPendingConnection()) {
        ++connections_;
        if (closeOnAccept_) {
            c->close();
            c->deleteLater();
            continue;
        }
        conn_ = c;
        received_.clear();
        peerClosed_ = false;
        QObject::connect(c, &QTcpSocket::readyRead, [this, c] {
            if (c == conn_) received_ += c->readAll();
        });
        QObject::connect(c, &QTcpSocket::disconnected, [this, c] {
            if (c == conn_) peerClosed_ = true;
        });
    }
}

bool ScriptedServer::WaitForRequest(int ms) {
    return testing_seams::PumpUntil([this] { return received_.contains("\r\n\r\n"); }, ms);
}

void ScriptedServer::Send(const QByteArray& bytes, int pauseMs) {
    if (!conn_) return;
    conn_->write(bytes);
    conn_->flush();
    testing_seams::Pump(pauseMs);
}

void ScriptedServer::Finish() {
    if (!conn_) return;
    conn_->disconnectFromHost();
}

bool ScriptedServer::ClientClosed() const {
    return peerClosed_ || !conn_ || conn_->state() == QAbstractSocket::UnconnectedState;
}
