#include "TCPSocket.h"

#include <map>
#include <utility>

#include "TCPSocketImpl.h"
#include "Testing.h"

namespace {

using Endpoint = std::pair<String, int>;

std::map<Endpoint, Endpoint>& Routes()
{
    static std::map<Endpoint, Endpoint> routes;
    return routes;
}

} // namespace

namespace testing_seams {
void RouteHost(const String& host, int port, const String& toHost, int toPort)
{
    Routes()[{host, port}] = {toHost, toPort};
}

void ClearRoutes()
{
    Routes().clear();
}
} // namespace testing_seams

TCPSocket::TCPSocket() : impl_(std::make_unique<TCPSocketImpl>(*this)) { }

TCPSocket::~TCPSocket() = default;

void TCPSocket::SetAddress(const String& host)
{
    impl_->address = host;
}

String TCPSocket::Address() const
{
    return impl_->address;
}

void TCPSocket::SetPort(int port)
{
    impl_->port = port;
}

int TCPSocket::Port() const
{
    return impl_->port;
}

void TCPSocket::Connect()
{
    Endpoint target{impl_->address, impl_->port};
    const auto& routes = Routes();
    if (const auto route = routes.find(target); route != routes.end()) target = route->second;
    impl_->Connect(target.first, target.second);
}

void TCPSocket::Write(const String& data)
{
    impl_->Write(data);
}

String TCPSocket::ReadAll()
{
    return impl_->ReadAll();
}

int64_t TCPSocket::BytesAvailable() const
{
    return impl_->BytesAvailable();
}

int32_t TCPSocket::LastErrorCode() const
{
    return impl_->LastErrorCode();
}

void TCPSocket::Close()
{
    impl_->Close();
}
