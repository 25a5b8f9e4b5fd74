#include "app/gui/DayProgramChooser.h"

#include <QAction>
#include <QActionGroup>
#include <QComboBox>
#include <QMenu>

namespace {
// Wide enough for "Day program" and a usual name; a longer one is cut in the box, so the
// toolbar still fits a 1280-pixel screen.
constexpr int kShownCharacters = 12;
} // namespace

DayProgramChooser::DayProgramChooser(QMenu *menu, QAction *before, QActionGroup *days, QWidget *parent)
    : QObject(parent)
    , m_box(new QComboBox(parent))
    , m_menu(menu)
    , m_before(before)
    , m_days(days)
{
    m_box->setObjectName(QStringLiteral("dayProgram"));
    m_box->setPlaceholderText(tr("Day program"));
    m_box->setToolTip(tr("Show a day program"));
    m_box->setStatusTip(tr("Show a day program in the list"));
    m_box->setSizeAdjustPolicy(QComboBox::AdjustToMinimumContentsLengthWithIcon);
    m_box->setMinimumContentsLength(kShownCharacters);
    m_box->setCurrentIndex(-1);
    connect(m_box, &QComboBox::activated, this, [this](int index) {
        if (index >= 0)
            emit chosen(m_box->itemData(index).toInt());
    });
}

void DayProgramChooser::follow(const ProgramCalendar &special, int shownDay)
{
    if (special.programs != m_programs)
        rebuild(special.programs);
    const int index = m_box->findData(shownDay);
    // the same index again would do nothing, but -1 is set explicitly so a weekday clears it
    if (m_box->currentIndex() != index)
        m_box->setCurrentIndex(index);
    for (QAction *item : m_items) {
        if (item->data().toInt() == shownDay)
            item->setChecked(true);
    }
}

void DayProgramChooser::rebuild(const std::vector<DayProgram> &programs)
{
    m_programs = programs;
    for (QAction *item : m_items) {
        m_days->removeAction(item);
        m_menu->removeAction(item);
        delete item;
    }
    m_items.clear();
    m_box->clear();
    for (const DayProgram &p : programs) {
        m_box->addItem(p.name, p.day);
        auto *item = new QAction(QString(p.name).replace(QLatin1Char('&'), QStringLiteral("&&")), m_menu);
        item->setData(p.day);
        item->setCheckable(true);
        item->setStatusTip(tr("Show the day program \"%1\"").arg(p.name));
        m_days->addAction(item);
        m_menu->insertAction(m_before, item);
        const int day = p.day;
        connect(item, &QAction::triggered, this, [this, day] { emit chosen(day); });
        m_items.push_back(item);
    }
}
