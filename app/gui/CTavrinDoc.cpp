#include "app/gui/CTavrinDoc.h"

void CTavrinDoc::setTitle(const QString &title)
{
    m_title = title;
    emit titleChanged(frameTitle());
}

void CTavrinDoc::setModifiedFlag(bool modified)
{
    if (m_modified == modified)
        return;
    m_modified = modified;
    emit modifiedChanged(modified);
}

QString CTavrinDoc::frameTitle() const
{
    return m_title + QStringLiteral(" - ") + QString::fromLatin1(kWindowTitle);
}

QString CTavrinDoc::windowTitle() const
{
    return m_title + QStringLiteral("[*] - ") + QString::fromLatin1(kWindowTitle);
}
