// Compare with Device: the chosen weekdays are read into a scratch week, so the document is
// only touched when the operator takes the device's days.
#include "app/gui/CMainFrame.h"
#include "device/gui/CCompareDlg.h"
#include "device/gui/CDownloadDlg.h"
#include "device/gui/CUploadDlg.h"
#include "device/WeekComparison.h"
#include "device/WeekdayStore.h"
#include "document/CTavrinDoc.h"
#include "schedule/ScheduleFiles.h"
#include "schedule/WeeklySchedule.h"
#include "ui/gui/CHoverBitmapButton.h"
#include "view/gui/CTavrinView.h"

#include <QStatusBar>

#include <memory>

void CMainFrame::onCompareWithDevice()
{
    m_view->StoreList();
    // Device History names the file both the reading and a send were made with.
    const QString file = m_doc->location().isEmpty() ? QString() : m_doc->location().path();
    WeekImages deviceImages;
    {
        auto scratch = std::make_unique<WeeklySchedule>();
        CUploadDlg reading(this, *scratch, portName(), m_protocolTimings);
        reading.setWindowTitle(tr("Compare with Device"));
        reading.setScheduleFile(file);
        reading.session().keepImages(&deviceImages);
        reading.journalAs(JournalKind::Comparison);
        takeKeyboardBackAfter(reading);
        reading.exec();
    }
    // Nothing came back: the reading dialog has said why.
    if (deviceImages.empty())
        return;

    std::vector<int> days;
    for (const auto &image : deviceImages)
        days.push_back(image.first);
    CCompareDlg comparison(this, compareWeek(weekImages(m_doc->week(), days), deviceImages),
                           m_doc->week().soundNames());
    if (comparison.exec() != QDialog::Accepted)
        return;
    const std::vector<int> differing = comparison.differing();

    if (comparison.choice() == CCompareDlg::Choice::SendDiffering) {
        CDownloadDlg sending(this, m_doc->week(), portName(), m_protocolTimings);
        sending.setScheduleFile(file);
        connect(&sending, &TransferDialog::journalWarning, this,
                [this](const QString &line) { statusBar()->showMessage(line); });
        // Ticked as the operator's hand would tick them, so Weekly follows when all seven are.
        for (int day : differing)
            sending.box(day)->click();
        takeKeyboardBackAfter(sending);
        sending.exec();
    } else if (comparison.choice() == CCompareDlg::Choice::TakeDevice) {
        m_view->changeWeekThrough(tr("Take Device's Days"), false, [&](WeeklySchedule &week) {
            const auto before = std::make_unique<WeeklySchedule>();
            before->copyFrom(week);
            WeekImages taken;
            for (int day : differing) {
                const DayImage &image = deviceImages.at(day);
                storeWeekdayImage(week, day, image.bytes().data(), DayImage::kSize);
                taken.emplace(day, image);
            }
            placeDayProgramsRead(week, *before, taken, tr("Take Device's Days"));
            return true;
        });
    }
}
