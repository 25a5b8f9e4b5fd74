#pragma once

#include <QObject>
#include <QString>

// The document: the title the file commands give the schedule, and whether the schedule has
// changed since the last New, Open or Save. The schedule itself lives in the view.
class CTavrinDoc : public QObject {
    Q_OBJECT
public:
    static constexpr const char *kWindowTitle = "  Tavrin (Program Timer)";
    static constexpr const char *kUntitled = "Untitled";

    explicit CTavrinDoc(QObject *parent = nullptr)
        : QObject(parent)
    {
    }

    QString title() const { return m_title; }
    void setTitle(const QString &title);

    bool isModified() const { return m_modified; }
    void setModifiedFlag(bool modified = true);

    // "Untitled -   Tavrin (Program Timer)"
    QString frameTitle() const;
    // The frame title with Qt's modified marker after the document title: "Untitled[*] - ...".
    QString windowTitle() const;

signals:
    void titleChanged(const QString &frameTitle);
    void modifiedChanged(bool modified);

private:
    QString m_title = QString::fromLatin1(kUntitled);
    bool m_modified = false;
};
