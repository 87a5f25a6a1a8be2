#include "Desktop.h"

#include <QMessageBox>
#include <QProcess>
#include "DesktopObservers.h"
#include "DisplayText.h"
#include "WebAddress.h"

std::function<void(const String&)>& MsgBoxObserver()
{
    static std::function<void(const String&)> observer;
    return observer;
}

std::function<void(const String&)>& ShowURLObserver()
{
    static std::function<void(const String&)> observer;
    return observer;
}

void MsgBox(const String& text)
{
    // A copy: the observer may replace itself while it runs.
    if (const auto observer = MsgBoxObserver()) {
        observer(text);
        return;
    }
    // No parent: a window closed while the box is up must not take the box with it.
    QMessageBox box(QMessageBox::Information, QString(), ToDisplay(text), QMessageBox::Ok);
    box.setTextFormat(Qt::PlainText);
    box.exec();
}

void ShowURL(const String& address)
{
    if (!IsWebAddress(address)) return;
    if (const auto observer = ShowURLObserver()) {
        observer(address);
        return;
    }
    // The address goes to the opener as one argument, never through a shell.
    QProcess::startDetached(QStringLiteral("xdg-open"), {QString::fromUtf8(address.data(), static_cast<qsizetype>(address.size()))});
}
