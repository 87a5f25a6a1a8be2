#include "TCPSocketImpl.h"

#include <QNetworkProxy>
#include <QTcpSocket>

namespace {
// How long a connection may take to be made, host lookup included.
constexpr int kConnectTimeoutMs = 20000;
} // namespace

TCPSocketImpl::TCPSocketImpl(TCPSocket& owner) : owner_(owner)
{
    connectTimer_.setSingleShot(true);
    connectTimer_.setTimerType(Qt::PreciseTimer); // the limit is never cut short
    connectTimer_.setInterval(kConnectTimeoutMs);
    QObject::connect(&connectTimer_, &QTimer::timeout, this, [this] { OnTimeout(); });
}

TCPSocketImpl::~TCPSocketImpl()
{
    Drop();
}

void TCPSocketImpl::Connect(const String& host, int port)
{
    Drop();
    received_.clear();
    lastError_ = TCPSocket::NoError;

    if (host.empty() || port < 1 || port > 65535) {
        failed_ = true;
        Post(Event::Error, TCPSocket::CouldNotConnect);
        return;
    }

    socket_ = new QTcpSocket(this);
    // This is a plain connection to the host named; no proxy stands between.
    socket_->setProxy(QNetworkProxy::NoProxy);
    QObject::connect(socket_, &QTcpSocket::connected, this, [this] { OnConnected(); });
    QObject::connect(socket_, &QTcpSocket::readyRead, this, [this] { OnReadyRead(); });
    QObject::connect(socket_, &QTcpSocket::errorOccurred, this, [this] { OnSocketError(); });
    connectTimer_.start();
    socket_->connectToHost(QString::fromStdString(host), static_cast<quint16>(port));
}

void TCPSocketImpl::Write(const String& data)
{
    if (!socket_ || failed_ || data.empty()) return;
    socket_->write(data.data(), static_cast<qint64>(data.size()));
}

String TCPSocketImpl::ReadAll()
{
    Collect();
    String data = received_.toStdString();
    received_.clear();
    return data;
}

int64_t TCPSocketImpl::BytesAvailable() const
{
    return received_.size() + (socket_ ? socket_->bytesAvailable() : 0);
}

void TCPSocketImpl::Close()
{
    Drop();
    received_.clear();
}

void TCPSocketImpl::Drop()
{
    ++generation_;
    connectTimer_.stop();
    connected_ = false;
    dataEventPending_ = false;
    failed_ = false;
    if (!socket_) return;
    // The old socket must say nothing more, even while it is being torn down.
    QObject::disconnect(socket_, nullptr, this, nullptr);
    socket_->abort();
    // Close may be called from a handler that runs inside one of the
    // socket's own signals, so the socket is only deleted later.
    socket_->deleteLater();
    socket_ = nullptr;
}

void TCPSocketImpl::Collect()
{
    if (socket_ && socket_->bytesAvailable() > 0) received_.append(socket_->readAll());
}

void TCPSocketImpl::OnConnected()
{
    connectTimer_.stop();
    connected_ = true;
    Post(Event::Connected);
}

void TCPSocketImpl::OnReadyRead()
{
    Collect();
    if (!received_.isEmpty()) Post(Event::DataAvailable);
}

void TCPSocketImpl::OnSocketError()
{
    if (failed_ || !socket_) return;
    failed_ = true;
    connectTimer_.stop();
    const auto error = socket_->error();
    // Bytes that came with the close are still in the socket: they are
    // announced before the error, so the reader sees every byte first.
    Collect();
    if (!received_.isEmpty()) Post(Event::DataAvailable);
    int32_t code = TCPSocket::ReadWriteFailed;
    if (!connected_)
        code = TCPSocket::CouldNotConnect;
    else if (error == QAbstractSocket::RemoteHostClosedError)
        code = TCPSocket::ConnectionClosed;
    Post(Event::Error, code);
}

void TCPSocketImpl::OnTimeout()
{
    if (!socket_ || connected_ || failed_) return;
    QObject::disconnect(socket_, nullptr, this, nullptr);
    socket_->abort();
    failed_ = true;
    Post(Event::Error, TCPSocket::CouldNotConnect);
}

void TCPSocketImpl::Post(Event event, int32_t code)
{
    if (event == Event::DataAvailable) {
        if (dataEventPending_) return;
        dataEventPending_ = true;
    }
    const uint64_t generation = generation_;
    QMetaObject::invokeMethod(
        this, [this, event, code, generation] { Deliver(event, code, generation); }, Qt::QueuedConnection);
}

void TCPSocketImpl::Deliver(Event event, int32_t code, uint64_t generation)
{
    if (generation != generation_) return;
    switch (event) {
    case Event::Connected:
        owner_.Event_Connected();
        break;
    case Event::DataAvailable:
        dataEventPending_ = false;
        owner_.Event_DataAvailable();
        break;
    case Event::Error:
        lastError_ = code;
        owner_.Event_Error();
        break;
    }
}
