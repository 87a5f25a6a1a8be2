#include "EditCommands.h"

#include <QApplication>
#include <QClipboard>
#include <QLineEdit>
#include <QMimeData>
#include <QPlainTextEdit>
#include "Window.h"

namespace {
enum class Command { None, Undo, Cut, Copy, Paste, Clear };

Command CommandFor(const String& name)
{
    if (name == "EditUndo") return Command::Undo;
    if (name == "EditCut") return Command::Cut;
    if (name == "EditCopy") return Command::Copy;
    if (name == "EditPaste") return Command::Paste;
    if (name == "EditClear") return Command::Clear;
    return Command::None;
}

QWidget* FocusedWidget()
{
    if (QWidget* w = QApplication::focusWidget()) return w;
    if (Window* front = FrontWindow()) return front->Widget()->focusWidget();
    return nullptr;
}

bool ClipboardHasText()
{
    const QMimeData* data = QApplication::clipboard()->mimeData();
    return data && data->hasText();
}

bool CanDo(QLineEdit* e, Command c)
{
    const bool plain = e->echoMode() == QLineEdit::Normal; // never copy a password out
    switch (c) {
    case Command::Undo:
        return !e->isReadOnly() && e->isUndoAvailable();
    case Command::Cut:
        return !e->isReadOnly() && plain && e->hasSelectedText();
    case Command::Copy:
        return plain && e->hasSelectedText();
    case Command::Paste:
        return !e->isReadOnly() && ClipboardHasText();
    case Command::Clear:
        return !e->isReadOnly() && e->hasSelectedText();
    case Command::None:
        break;
    }
    return false;
}

bool CanDo(QPlainTextEdit* e, Command c)
{
    const bool selection = e->textCursor().hasSelection();
    switch (c) {
    case Command::Undo:
        return !e->isReadOnly() && e->document()->isUndoAvailable();
    case Command::Cut:
        return !e->isReadOnly() && selection;
    case Command::Copy:
        return selection;
    case Command::Paste:
        return !e->isReadOnly() && e->canPaste();
    case Command::Clear:
        return !e->isReadOnly() && selection;
    case Command::None:
        break;
    }
    return false;
}

void Do(QLineEdit* e, Command c)
{
    switch (c) {
    case Command::Undo:
        e->undo();
        break;
    case Command::Cut:
        e->cut();
        break;
    case Command::Copy:
        e->copy();
        break;
    case Command::Paste:
        e->paste();
        break;
    case Command::Clear:
        e->del();
        break; // with a selection, removes just the selection
    case Command::None:
        break;
    }
}

void Do(QPlainTextEdit* e, Command c)
{
    switch (c) {
    case Command::Undo:
        e->undo();
        break;
    case Command::Cut:
        e->cut();
        break;
    case Command::Copy:
        e->copy();
        break;
    case Command::Paste:
        e->paste();
        break;
    case Command::Clear:
        e->textCursor().removeSelectedText();
        break;
    case Command::None:
        break;
    }
}
} // namespace

bool IsEditCommand(const String& itemName)
{
    return CommandFor(itemName) != Command::None;
}

bool CanEdit(const String& itemName)
{
    const Command c = CommandFor(itemName);
    QWidget* w = FocusedWidget();
    if (c == Command::None || !w) return false;
    if (auto* field = qobject_cast<QLineEdit*>(w)) return CanDo(field, c);
    if (auto* area = qobject_cast<QPlainTextEdit*>(w)) return CanDo(area, c);
    return false;
}

bool DoEdit(const String& itemName)
{
    if (!CanEdit(itemName)) return false;
    const Command c = CommandFor(itemName);
    QWidget* w = FocusedWidget();
    if (auto* field = qobject_cast<QLineEdit*>(w))
        Do(field, c);
    else if (auto* area = qobject_cast<QPlainTextEdit*>(w))
        Do(area, c);
    return true;
}
