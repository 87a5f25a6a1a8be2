// The floor the start-up benchmark compares the application with: plain Qt
// widgets making a window of the terms window's size and kinds of content
// (the same text in a text area, a bold label, two buttons), with nothing of
// our framework in between.
#include <QApplication>
#include <QLabel>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QScreen>
#include <QWidget>
#include "Texts.h"

namespace {
QFont Font(const QString& family, int pixels, bool bold)
{
    QFont font(family);
    font.setPixelSize(pixels);
    font.setBold(bold);
    return font;
}
} // namespace

int main(int argc, char** argv)
{
    QApplication qapp(argc, argv);
    const QString geneva = QStringLiteral("DejaVu Sans");
    const QString system = QApplication::font().family();

    QWidget window(nullptr, Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint);
    window.setWindowTitle(QStringLiteral("Terms and Conditions"));
    window.setFixedSize(475, 318);
    QPalette white = window.palette();
    white.setColor(QPalette::Window, Qt::white);
    window.setPalette(white);
    window.setAutoFillBackground(true);

    auto* agree = new QPushButton(QStringLiteral("Agree"), &window);
    agree->setGeometry(386, 278, 69, 20);
    agree->setFont(Font(system, 12, false));
    auto* disagree = new QPushButton(QStringLiteral("Disagree"), &window);
    disagree->setGeometry(282, 278, 78, 20);
    disagree->setFont(Font(system, 12, false));

    auto* notice = new QLabel(QString::fromLatin1(TermsNotice), &window);
    notice->setGeometry(15, 231, 441, 35);
    notice->setFont(Font(geneva, 12, true));
    notice->setWordWrap(true);
    notice->setAlignment(Qt::AlignLeft | Qt::AlignTop);

    auto* terms = new QPlainTextEdit(&window);
    terms->setGeometry(14, 14, 447, 205);
    terms->setFont(Font(geneva, 10, false));
    terms->setTabChangesFocus(true);
    terms->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    terms->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    terms->setLineWrapMode(QPlainTextEdit::WidgetWidth);
    terms->setPlainText(QString::fromLatin1(TermsText).replace(QLatin1Char('\r'), QLatin1Char('\n')));

    if (const QScreen* screen = QGuiApplication::primaryScreen())
        window.move(screen->availableGeometry().center() - QPoint(475 / 2, 318 / 2));
    window.show();
    return QApplication::exec();
}
