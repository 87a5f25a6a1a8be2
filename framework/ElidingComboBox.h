#pragma once
// A popup that, closed, ends a row too wide for it with "…" instead of
// cutting it mid-letter. The rows themselves keep their whole text, and the
// open list shows them whole.
#include <QComboBox>

class ElidingComboBox : public QComboBox {
public:
    explicit ElidingComboBox(QWidget* parent) : QComboBox(parent) { }
    // The selected row's text as the closed popup draws it.
    QString ShownText() const;

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    QRect TextRect(const QStyleOptionComboBox& option) const;
};
