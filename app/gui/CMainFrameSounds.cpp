// Weekly > Sounds: a window beside the main one, one at a time; the command again brings it
// forward.
#include "app/gui/CMainFrame.h"
#include "view/gui/SoundsDlg.h"

void CMainFrame::onSounds()
{
    auto *window = findChild<SoundsDlg *>(QString(), Qt::FindDirectChildrenOnly);
    if (!window) {
        window = new SoundsDlg(*m_view, m_messages, this);
        connect(window, &QDialog::finished, window, &QObject::deleteLater);
    }
    window->show();
    window->raise();
    window->activateWindow();
}
