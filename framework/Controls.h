#pragma once
// The controls a window holds. Each is made from a ControlRow row, which
// carries every property a window's control table gives; events are bound
// afterwards, so setting properties runs no handler.
#include <functional>
#include <memory>
#include "Color.h"
#include "Picture.h"
#include "Text.h"

class QWidget;
class Window;

enum class ControlClass { StaticText, PushButton, TextField, TextArea, GroupBox, PopupMenu, ImageWell };

struct ControlRow {
    String Name{};
    ControlClass Class = ControlClass::StaticText;
    int Left = 0, Top = 0, Width = 0, Height = 0; // window coordinates, also inside a group box
    String Text{};                                // label text, caption, field text or a popup's InitialValue
    String TextFont = "System";                   // "Geneva", "New York" or "System"
    int TextSize = 12;                            // points, drawn as that many pixels (see Fonts.h)
    bool Bold = false, Italic = false, Underline = false;
    int TextAlign = 0; // 0 left, 1 centred, 2 right
    Color TextColor = 0x000000;
    bool Multiline = false;
    int TabIndex = 0;
    String Parent{};                                            // "" for the window itself, else a group box's name
    bool Default = false, Cancel = false;                       // push buttons
    bool ReadOnly = false, Border = true;                       // fields and text areas
    bool ScrollBarVertical = true, ScrollBarHorizontal = false; // text areas
    Color BackColor = 0xFFFFFF;                                 // fields and text areas
    int ListIndex = -1;                                         // popups: the row selected at creation
};

class Control {
public:
    virtual ~Control();
    const String& Name() const { return name_; }
    int Left() const;
    int Top() const;
    int Width() const;
    int Height() const;
    int TabIndex() const { return tabIndex_; }
    bool Visible() const;
    // A new width; the left edge stays where it is.
    void SetWidth(int width);
    // Redraws now when immediately is true, else at the next paint.
    void Refresh(bool immediately = false);
    QWidget* Widget() const { return widget_; } // for the framework and its tests

protected:
    Control(Window* owner, const ControlRow& row, QWidget* widget);
    QWidget* widget_;

private:
    Window* owner_;
    String name_;
    int tabIndex_;
};

class StaticText : public Control {
public:
    StaticText(Window* owner, const ControlRow& row, QWidget* parent);
    String Text() const;
    void SetText(const String& t); // CR breaks lines
    bool Multiline() const;
    // The pixels the text takes on one line in the label's font.
    int TextWidth() const;
    // A press on the label goes to this handler when one is bound (with the
    // label's own coordinates), else to the window's MouseDown.
    std::function<bool(int x, int y)> MouseDown;

private:
    String text_;
};

class PushButton : public Control {
public:
    PushButton(Window* owner, const ControlRow& row, QWidget* parent);
    bool Default() const;
    bool Cancel() const;
    void Push(); // as a click: raises Action
    std::function<void()> Action;

private:
    bool default_, cancel_;
};

// Holds text of any length: the tables give every field LimitText 0, no limit.
class TextField : public Control {
public:
    TextField(Window* owner, const ControlRow& row, QWidget* parent);
    String Text() const;
    void SetText(const String& t);
};

class TextArea : public Control {
public:
    TextArea(Window* owner, const ControlRow& row, QWidget* parent);
    String Text() const; // line breaks read back as CR
    void SetText(const String& t);
};

class GroupBox : public Control {
public:
    GroupBox(Window* owner, const ControlRow& row, QWidget* parent);
};

class PopupMenu : public Control {
public:
    PopupMenu(Window* owner, const ControlRow& row, QWidget* parent);
    void DeleteAllRows();
    void AddRow(const String& text);
    int ListCount() const;
    String List(int row) const; // "" outside 0..ListCount()-1
    int ListIndex() const;      // -1 when no row is selected
    void SetListIndex(int row); // outside the rows selects none
    // Raised whenever the selection changes, by the user or by code (also
    // when DeleteAllRows clears it). AddRow never changes the selection.
    std::function<void()> Change;
};

class ImageWell : public Control {
public:
    ImageWell(Window* owner, const ControlRow& row, QWidget* parent);
    std::shared_ptr<Picture> Image() const { return image_; }
    void SetImage(std::shared_ptr<Picture> p);

private:
    std::shared_ptr<Picture> image_;
};
