#pragma once

#include <QDialog>

class CTavrinView;
class Messages;
class QTableWidget;
class QTableWidgetItem;

// "Sounds": the names of Melody 1..15 and Voice 1..15, one row each (kind, number, name). A
// window beside the main one: each name edited is one step of the list's history ("Name
// Melody 3"; blanks around a name drop), and the window follows whatever the history does
// while it is open. A name that cannot be a sound's name is refused with the reason, and the
// row shows the name it had.
class SoundsDlg : public QDialog {
    Q_OBJECT
public:
    static constexpr int kNameColumn = 2;

    SoundsDlg(CTavrinView &view, Messages &messages, QWidget *parent = nullptr);

    // For tests.
    QTableWidget *table() const { return m_table; }

public slots:
    // Every name shown again from the week.
    void refresh();

private:
    void nameEdited(QTableWidgetItem *item);

    CTavrinView &m_view;
    Messages &m_messages;
    QTableWidget *m_table = nullptr;
    bool m_refreshing = false;
};
