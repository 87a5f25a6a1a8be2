#include "Fonts.h"

#include <QApplication>

QString FontFamilyFor(const String& name)
{
    if (name == "Geneva") return QStringLiteral("DejaVu Sans");
    if (name == "New York") return QStringLiteral("DejaVu Serif");
    return QApplication::font().family(); // "System" and anything unknown
}

QFont FontFor(const String& name, int size, bool bold, bool italic, bool underline)
{
    QFont font(FontFamilyFor(name));
    font.setPixelSize(size > 0 ? size : 12);
    font.setBold(bold);
    font.setItalic(italic);
    font.setUnderline(underline);
    return font;
}
