#include "WebAddress.h"

#include <QUrl>

String TrimAddress(const String& address)
{
    constexpr const char* kAround = " \r\n";
    const size_t first = address.find_first_not_of(kAround);
    if (first == String::npos) return String();
    return address.substr(first, address.find_last_not_of(kAround) - first + 1);
}

bool IsWebAddress(const String& address)
{
    const QUrl url(QString::fromUtf8(address.data(), static_cast<qsizetype>(address.size())), QUrl::StrictMode);
    if (!url.isValid()) return false;
    const QString scheme = url.scheme().toLower();
    if (scheme != QLatin1String("http") && scheme != QLatin1String("https")) return false;
    return !url.host().isEmpty();
}
