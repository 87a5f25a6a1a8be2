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

std::function<void(const String&, bool)>& ShowURLObserver()
{
    static std::function<void(const String&, bool)> observer;
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
    const String trimmed = TrimAddress(address);
    const bool opened = IsWebAddress(trimmed);
    if (const auto observer = ShowURLObserver()) {
        observer(trimmed, opened);
        return;
    }
    if (!opened) return;
    // The address goes to the opener as one argument, never through a shell.
    QProcess::startDetached(QStringLiteral("xdg-open"),
                            {QString::fromUtf8(trimmed.data(), static_cast<qsizetype>(trimmed.size()))});
}
