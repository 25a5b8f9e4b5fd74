#pragma once

#include <QLineEdit>

#include <functional>

// The one-cell edit box over a Time or Selection cell. Every key goes to the screen first,
// ahead of menu shortcuts and of the focus chain (Tab, Shift+Tab), and is handled here once:
// the box never passes a key on to the list. A left click in the box ends the edit.
class CellEditor : public QLineEdit {
    Q_OBJECT
public:
    explicit CellEditor(QWidget *parent = nullptr);

    // Decides what a key does: true lets the box process it.
    std::function<bool(int key)> screen;
    std::function<void()> clicked;

    // Text all selected, caret in view, focus in the box.
    void selectAllAndFocus();

protected:
    bool event(QEvent *e) override;
    void keyPressEvent(QKeyEvent *e) override;
    void mousePressEvent(QMouseEvent *e) override;
};
