#include "MenuShortcut.h"

#include <QStringList>

QKeySequence MenuShortcut(const String& shortcut)
{
    if (shortcut.empty()) return {};
    QStringList parts =
        QString::fromUtf8(shortcut.data(), static_cast<qsizetype>(shortcut.size())).split(QLatin1Char('+'));
    for (QString& part : parts) {
        const QString key = part.trimmed();
        if (key.compare(QLatin1String("Cmd"), Qt::CaseInsensitive) == 0)
            part = QStringLiteral("Ctrl");
        else if (key.compare(QLatin1String("Option"), Qt::CaseInsensitive) == 0)
            part = QStringLiteral("Alt");
        else
            part = key;
    }
    return QKeySequence::fromString(parts.join(QLatin1Char('+')), QKeySequence::PortableText);
}
