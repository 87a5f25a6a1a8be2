#include "Controls.h"

#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QScrollBar>
#include <QSignalBlocker>
#include <algorithm>
#include <limits>
#include "DisplayText.h"
#include "ElidingComboBox.h"
#include "Fonts.h"
#include "PressRouter.h"
#include "ScrollingLabel.h"
#include "Window.h"

namespace {
QColor ToQColor(Color c)
{
    return QColor(c.Red(), c.Green(), c.Blue());
}

Qt::Alignment HorizontalAlignment(int textAlign)
{
    switch (textAlign) {
    case 1:
        return Qt::AlignHCenter;
    case 2:
        return Qt::AlignRight;
    default:
        return Qt::AlignLeft;
    }
}

void SetColors(QWidget* w, const ControlRow& row, bool withBase)
{
    QPalette palette = w->palette();
    palette.setColor(QPalette::WindowText, ToQColor(row.TextColor));
    palette.setColor(QPalette::Text, ToQColor(row.TextColor));
    if (withBase) palette.setColor(QPalette::Base, ToQColor(row.BackColor));
    w->setPalette(palette);
}

// Rows of a popup's initial value: one per line.
QStringList InitialRows(const String& text)
{
    if (text.empty()) return {};
    return ToDisplay(text).split(QLatin1Char('\n'));
}
} // namespace

// ---- Control ----

Control::Control(Window* owner, const ControlRow& row, QWidget* widget)
    : widget_(widget), owner_(owner), name_(row.Name), tabIndex_(row.TabIndex)
{
    // Positions are window coordinates also inside a group box: subtract
    // where the parent stands in the window.
    QPoint origin;
    QWidget* parent = widget->parentWidget();
    QWidget* content = owner ? owner->ContentWidget() : nullptr;
    if (parent && content && parent != content && content->isAncestorOf(parent))
        origin = parent->mapTo(content, QPoint(0, 0));
    widget->setGeometry(row.Left - origin.x(), row.Top - origin.y(), std::max(row.Width, 0), std::max(row.Height, 0));
    widget->setFont(FontFor(row.TextFont, row.TextSize, row.Bold, row.Italic, row.Underline));
    widget->setObjectName(QString::fromUtf8(row.Name.data(), static_cast<qsizetype>(row.Name.size())));
    widget->show();
}

// The widget belongs to the window's widget tree, which deletes it.
Control::~Control() = default;

int Control::Left() const
{
    return owner_ ? widget_->mapTo(owner_->ContentWidget(), QPoint(0, 0)).x() : widget_->x();
}

int Control::Top() const
{
    return owner_ ? widget_->mapTo(owner_->ContentWidget(), QPoint(0, 0)).y() : widget_->y();
}

int Control::Width() const
{
    return widget_->width();
}

int Control::Height() const
{
    return widget_->height();
}

bool Control::Visible() const
{
    return widget_->isVisibleTo(widget_->window());
}

void Control::SetWidth(int width)
{
    widget_->resize(std::max(width, 0), widget_->height());
}

void Control::Refresh(bool immediately)
{
    if (immediately)
        widget_->repaint();
    else
        widget_->update();
}

// ---- StaticText ----

StaticText::StaticText(Window* owner, const ControlRow& row, QWidget* parent)
    : Control(owner, row, new ScrollingLabel(parent))
{
    auto* label = static_cast<ScrollingLabel*>(widget_);
    label->setTextFormat(Qt::PlainText); // texts may come from the network: never markup
    label->setAutoFillBackground(false); // the window's colour and backdrop show through
    label->setAlignment(HorizontalAlignment(row.TextAlign) | Qt::AlignTop);
    label->setWordWrap(row.Multiline);
    SetColors(label, row, false);
    SetText(row.Text);
    new PressRouter(label, owner, this);
}

String StaticText::Text() const
{
    return text_;
}

void StaticText::SetText(const String& t)
{
    text_ = t;
    auto* label = static_cast<ScrollingLabel*>(widget_);
    label->setText(ToDisplay(t));
    label->TextChanged();
}

bool StaticText::Multiline() const
{
    return static_cast<QLabel*>(widget_)->wordWrap();
}

int StaticText::TextWidth() const
{
    const auto* label = static_cast<QLabel*>(widget_);
    return label->fontMetrics().horizontalAdvance(label->text());
}

// ---- PushButton ----

PushButton::PushButton(Window* owner, const ControlRow& row, QWidget* parent)
    : Control(owner, row, new QPushButton(parent)), default_(row.Default), cancel_(row.Cancel)
{
    auto* button = static_cast<QPushButton*>(widget_);
    button->setText(ToDisplay(row.Text));
    // The default button takes Return itself when it has the focus; elsewhere
    // the window hands Return to it. Qt's auto-default would drop the default
    // status (and its look) whenever the focus left the button: outside a
    // dialog nothing gives it back.
    button->setAutoDefault(false);
    button->setDefault(row.Default);
    QObject::connect(button, &QPushButton::clicked, button, [this] {
        if (Action) Action();
    });
}

bool PushButton::Default() const
{
    return default_;
}

bool PushButton::Cancel() const
{
    return cancel_;
}

void PushButton::Push()
{
    static_cast<QPushButton*>(widget_)->click();
}

// ---- TextField ----

TextField::TextField(Window* owner, const ControlRow& row, QWidget* parent) : Control(owner, row, new QLineEdit(parent))
{
    auto* field = static_cast<QLineEdit*>(widget_);
    field->setMaxLength(std::numeric_limits<int>::max()); // Qt's default would cut at 32,767
    field->setFrame(row.Border);
    field->setReadOnly(row.ReadOnly);
    field->setAlignment(HorizontalAlignment(row.TextAlign) | Qt::AlignVCenter);
    SetColors(field, row, true);
    SetText(row.Text);
}

String TextField::Text() const
{
    return FromDisplay(static_cast<QLineEdit*>(widget_)->text());
}

void TextField::SetText(const String& t)
{
    static_cast<QLineEdit*>(widget_)->setText(QString::fromUtf8(t.data(), static_cast<qsizetype>(t.size())));
}

// ---- TextArea ----

TextArea::TextArea(Window* owner, const ControlRow& row, QWidget* parent)
    : Control(owner, row, new QPlainTextEdit(parent))
{
    auto* area = static_cast<QPlainTextEdit*>(widget_);
    area->setFrameShape(row.Border ? QFrame::StyledPanel : QFrame::NoFrame);
    area->setReadOnly(row.ReadOnly);
    area->setTabChangesFocus(true);
    area->setVerticalScrollBarPolicy(row.ScrollBarVertical ? Qt::ScrollBarAlwaysOn : Qt::ScrollBarAlwaysOff);
    if (row.ScrollBarHorizontal) {
        area->setHorizontalScrollBarPolicy(Qt::ScrollBarAsNeeded);
        area->setLineWrapMode(QPlainTextEdit::NoWrap);
    } else {
        area->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
        area->setLineWrapMode(QPlainTextEdit::WidgetWidth);
    }
    SetColors(area, row, true);
    SetText(row.Text);
}

String TextArea::Text() const
{
    return FromDisplayWithCR(static_cast<QPlainTextEdit*>(widget_)->toPlainText());
}

void TextArea::SetText(const String& t)
{
    static_cast<QPlainTextEdit*>(widget_)->setPlainText(ToDisplay(t));
}

// ---- GroupBox ----

GroupBox::GroupBox(Window* owner, const ControlRow& row, QWidget* parent) : Control(owner, row, new QGroupBox(parent))
{
    auto* box = static_cast<QGroupBox*>(widget_);
    box->setTitle(ToDisplay(row.Text)); // an empty caption draws a plain frame
    SetColors(box, row, false);
    box->lower(); // a box frames the controls beside it and never covers them
    new PressRouter(box, owner, nullptr);
}

// ---- PopupMenu ----

PopupMenu::PopupMenu(Window* owner, const ControlRow& row, QWidget* parent)
    : Control(owner, row, new ElidingComboBox(parent))
{
    auto* combo = static_cast<ElidingComboBox*>(widget_);
    combo->addItems(InitialRows(row.Text));
    SetListIndex(row.ListIndex);
    QObject::connect(combo, &QComboBox::currentIndexChanged, combo, [this] {
        if (Change) Change();
    });
}

void PopupMenu::DeleteAllRows()
{
    static_cast<ElidingComboBox*>(widget_)->clear();
}

void PopupMenu::AddRow(const String& text)
{
    auto* combo = static_cast<ElidingComboBox*>(widget_);
    const int before = combo->currentIndex();
    // Qt selects the first row added to an empty popup; rows are only added here.
    const QSignalBlocker quiet(combo);
    combo->addItem(QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size())));
    if (combo->currentIndex() != before) combo->setCurrentIndex(before);
}

int PopupMenu::ListCount() const
{
    return static_cast<ElidingComboBox*>(widget_)->count();
}

String PopupMenu::List(int row) const
{
    if (row < 0 || row >= ListCount()) return {};
    return FromDisplay(static_cast<ElidingComboBox*>(widget_)->itemText(row));
}

int PopupMenu::ListIndex() const
{
    return static_cast<ElidingComboBox*>(widget_)->currentIndex();
}

void PopupMenu::SetListIndex(int row)
{
    static_cast<ElidingComboBox*>(widget_)->setCurrentIndex(row >= 0 && row < ListCount() ? row : -1);
}

// ---- ImageWell ----

ImageWell::ImageWell(Window* owner, const ControlRow& row, QWidget* parent) : Control(owner, row, new QLabel(parent))
{
    auto* well = static_cast<QLabel*>(widget_);
    well->setAlignment(Qt::AlignCenter);
    well->setAutoFillBackground(false);
    new PressRouter(well, owner, nullptr);
}

void ImageWell::SetImage(std::shared_ptr<Picture> p)
{
    image_ = std::move(p);
    auto* well = static_cast<QLabel*>(widget_);
    if (!image_ || image_->Image().isNull() || well->width() <= 0 || well->height() <= 0) {
        well->clear();
        return;
    }
    const QImage fitted = image_->Image().scaled(well->size(), Qt::KeepAspectRatio, Qt::SmoothTransformation);
    well->setPixmap(QPixmap::fromImage(fitted));
}
