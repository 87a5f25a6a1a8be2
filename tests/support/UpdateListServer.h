#pragma once
// An independent HTTP/1.0 server for end-to-end checks: Python's standard
// http.server on a loopback port, serving quande/quandeupdates.txt from a
// temporary folder.
#include <QByteArray>
#include <QDir>
#include <QFile>
#include <QProcess>
#include <QTcpServer>
#include <QTemporaryDir>
#include <string>
#include "SharedConstants.h"

// The host the update list is fetched from: the name after "http://www.".
inline std::string UpdateHost()
{
    const std::string host = std::string(UpdateListURL).substr(std::string("http://www.").size());
    return host.substr(0, host.find('/'));
}

class UpdateListServer {
public:
    // False when python3 cannot be started or does not come up.
    bool Start()
    {
        if (!QDir(folder_.path()).mkpath("quande")) return false;
        QTcpServer probe; // a free port: taken, then released for the server
        if (!probe.listen(QHostAddress::LocalHost, 0)) return false;
        port_ = probe.serverPort();
        probe.close();
        // Unbuffered, so its "Serving HTTP" line tells that it listens.
        process_.start(
            "python3",
            {"-u", "-m", "http.server", "--bind", "127.0.0.1", QString::number(port_), "--directory", folder_.path()});
        return process_.waitForStarted(5000) && process_.waitForReadyRead(10000);
    }
    bool Publish(const QByteArray& list)
    {
        QFile f(folder_.path() + "/quande/quandeupdates.txt");
        return f.open(QIODevice::WriteOnly) && f.write(list) == list.size();
    }
    bool Withdraw() { return QFile::remove(folder_.path() + "/quande/quandeupdates.txt"); }
    void Stop()
    {
        process_.kill();
        process_.waitForFinished(5000);
    }
    int Port() const { return port_; }
    ~UpdateListServer() { Stop(); }

private:
    QTemporaryDir folder_;
    QProcess process_;
    int port_ = 0;
};
