#include "DisplayText.h"

QString ToDisplay(const String& text)
{
    QString s = QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
    s.replace(QLatin1String("\r\n"), QLatin1String("\n"));
    s.replace(QLatin1Char('\r'), QLatin1Char('\n'));
    return s;
}

String FromDisplay(const QString& text)
{
    return text.toUtf8().toStdString();
}

String FromDisplayWithCR(const QString& text)
{
    QString s = text;
    s.replace(QChar::ParagraphSeparator, QLatin1Char('\r'));
    s.replace(QChar::LineSeparator, QLatin1Char('\r'));
    s.replace(QLatin1Char('\n'), QLatin1Char('\r'));
    return FromDisplay(s);
}
