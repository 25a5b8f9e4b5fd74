#include "view/gui/CAutoSetupDlg.h"

#include "schedule/WeeklySchedule.h"
#include "view/AutoSetupDays.h"
#include "view/AutoSetupInterval.h"
#include "view/AutoSetupTime.h"

#include <QCheckBox>
#include <QComboBox>
#include <QCoreApplication>
#include <QFocusEvent>
#include <QFormLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLineEdit>
#include <QPushButton>
#include <QValidator>
#include <QVBoxLayout>

namespace {

// Limits what the operator types, as a length limit and a digits-only style do, while texts the
// dialog sets itself ("1  Minute") are left alone.
class TypedTextLimit : public QValidator {
public:
    TypedTextLimit(int maxLength, bool digitsOnly, QObject *parent)
        : QValidator(parent)
        , m_maxLength(maxLength)
        , m_digitsOnly(digitsOnly)
    {
    }

    State validate(QString &input, int &) const override
    {
        if (input.size() > m_maxLength)
            return Invalid;
        if (m_digitsOnly) {
            for (QChar c : input) {
                if (!c.isDigit())
                    return Invalid;
            }
        }
        return Acceptable;
    }

private:
    int m_maxLength;
    bool m_digitsOnly;
};

QString text(std::string_view s)
{
    return QString::fromUtf8(s.data(), qsizetype(s.size()));
}

template <size_t N>
QComboBox *list(const std::array<std::string_view, N> &items, int selected, const char *name, QWidget *parent)
{
    auto *box = new QComboBox(parent);
    box->setObjectName(QLatin1String(name));
    // the form reads the chosen index, never the shown text, so the items may be translated
    for (size_t i = 0; i < N; ++i)
        box->insertItem(int(i),
                        items[i].empty() ? QString()
                                         : QCoreApplication::translate("AutoSetup", std::string(items[i]).c_str()));
    // the blank choice is read as what it chooses
    for (size_t i = 0; i < N; ++i) {
        if (items[i].empty())
            box->setItemData(int(i), QCoreApplication::translate("AutoSetup", "none"), Qt::AccessibleTextRole);
    }
    box->setCurrentIndex(selected);
    return box;
}

QLineEdit *edit(std::string_view initial, int typedLength, bool digitsOnly, const char *name, QWidget *parent)
{
    auto *box = new QLineEdit(parent);
    box->setObjectName(QLatin1String(name));
    box->setAlignment(Qt::AlignCenter);
    box->setValidator(new TypedTextLimit(typedLength, digitsOnly, box));
    box->setText(text(initial));
    return box;
}

// Focus taken by another window (a message box, a popup) comes back to the same box: that is
// not the operator entering or leaving it.
bool operatorMovedFocus(const QEvent *event)
{
    const Qt::FocusReason reason = static_cast<const QFocusEvent *>(event)->reason();
    return reason != Qt::ActiveWindowFocusReason && reason != Qt::PopupFocusReason;
}

} // namespace

CAutoSetupDlg::CAutoSetupDlg(WeeklySchedule &week, Messages &messages, QWidget *parent)
    : QDialog(parent)
    , m_week(week)
    , m_messages(messages)
{
    using namespace AutoSetupLists;
    setWindowTitle(QCoreApplication::translate("CAutoSetupDlg", "Auto Setup"));

    auto *timeGroup = new QGroupBox(QCoreApplication::translate("CAutoSetupDlg", "Time"), this);
    m_day = list(kDays, 0, "day", timeGroup);
    // the day programs follow Saturday under the names the operator gave them
    const std::vector<int> days = autoSetupDays(week);
    for (size_t i = kDays.size(); i < days.size(); ++i)
        m_day->addItem(QLatin1Char(' ') + week.dayTitle(days[i]));
    m_start = edit(kDefaultTime, kTimeTypedLength, false, "startTime", timeGroup);
    m_end = edit(kDefaultTime, kTimeTypedLength, false, "endTime", timeGroup);
    m_interval = edit(kDefaultInterval, kIntervalTypedLength, true, "interval", timeGroup);
    auto *timeForm = new QFormLayout(timeGroup);
    timeForm->addRow(QCoreApplication::translate("CAutoSetupDlg", "A Day of the Week:"), m_day);
    timeForm->addRow(QCoreApplication::translate("CAutoSetupDlg", "Start Time"), m_start);
    timeForm->addRow(QCoreApplication::translate("CAutoSetupDlg", "End Time"), m_end);
    timeForm->addRow(QCoreApplication::translate("CAutoSetupDlg", "Interval"), m_interval);

    auto *optionGroup = new QGroupBox(QCoreApplication::translate("CAutoSetupDlg", "Option"), this);
    m_melodyVoice = list(kMelodyVoice, kNoSound, "melodyVoice", optionGroup);
    m_selection = list(kSelections, kDefaultSelectionIndex, "selection", optionGroup);
    m_ac = list(kAc, kNoAc, "ac", optionGroup);
    auto *optionForm = new QFormLayout(optionGroup);
    optionForm->addRow(QCoreApplication::translate("CAutoSetupDlg", "Melody / Voice"), m_melodyVoice);
    optionForm->addRow(QCoreApplication::translate("CAutoSetupDlg", "Selection"), m_selection);
    optionForm->addRow(QCoreApplication::translate("CAutoSetupDlg", "AC"), m_ac);

    auto *channelGroup = new QGroupBox(QCoreApplication::translate("CAutoSetupDlg", "Output Channel"), this);
    auto *channelRow = new QHBoxLayout(channelGroup);
    for (int c = 0; c < 4; ++c) {
        auto *box = new QCheckBox(QCoreApplication::translate("CAutoSetupDlg", "CH%1").arg(c + 1), channelGroup);
        box->setObjectName(QStringLiteral("ch%1").arg(c + 1));
        channelRow->addWidget(box);
        m_channels[size_t(c)] = box;
    }

    m_ok = new QPushButton(QCoreApplication::translate("CAutoSetupDlg", "OK"), this);
    m_ok->setObjectName(QStringLiteral("ok"));
    m_ok->setDefault(true);
    m_cancel = new QPushButton(QCoreApplication::translate("CAutoSetupDlg", "Cancel"), this);
    m_cancel->setObjectName(QStringLiteral("cancel"));
    auto *buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(m_ok);
    buttons->addWidget(m_cancel);

    auto *layout = new QVBoxLayout(this);
    layout->addWidget(timeGroup);
    layout->addWidget(optionGroup);
    layout->addWidget(channelGroup);
    layout->addLayout(buttons);

    for (QLineEdit *box : {m_start, m_end, m_interval})
        box->installEventFilter(this);
    connect(m_ok, &QPushButton::clicked, this, &CAutoSetupDlg::onOk);
    connect(m_cancel, &QPushButton::clicked, this, &QDialog::reject);
}

bool CAutoSetupDlg::eventFilter(QObject *watched, QEvent *event)
{
    if (event->type() == QEvent::FocusIn && watched == m_interval && operatorMovedFocus(event))
        m_interval->clear();
    else if (event->type() == QEvent::FocusOut && operatorMovedFocus(event))
        normalizeOnLeave(watched);
    return QDialog::eventFilter(watched, event);
}

void CAutoSetupDlg::normalizeOnLeave(QObject *box)
{
    if (m_normalizing)
        return;
    m_normalizing = true;
    if (box == m_start) {
        m_start->setText(QString::fromStdString(NormalizeStartTime(m_start->text().toStdString()).text));
    } else if (box == m_end) {
        m_end->setText(QString::fromStdString(NormalizeEndTime(m_end->text().toStdString()).text));
    } else if (box == m_interval) {
        AutoSetupForm f = form();
        const NormalizedInterval n = NormalizeInterval(f.startText, f.endText, f.intervalText, m_messages);
        f.startText = n.start.text;
        f.endText = n.end.text;
        f.intervalText = n.text;
        showBoxes(f);
    }
    m_normalizing = false;
}

void CAutoSetupDlg::onOk()
{
    if (m_normalizing)
        return;
    m_normalizing = true;
    AutoSetupForm f = form();
    const bool stored = acceptAutoSetup(f, m_week, m_messages);
    showBoxes(f);
    m_normalizing = false;
    if (stored)
        accept();
}

AutoSetupForm CAutoSetupDlg::form() const
{
    AutoSetupForm f;
    f.dayIndex = m_day->currentIndex();
    f.startText = m_start->text().toStdString();
    f.endText = m_end->text().toStdString();
    f.intervalText = m_interval->text().toStdString();
    f.melodyVoiceIndex = m_melodyVoice->currentIndex();
    f.selectionIndex = m_selection->currentIndex();
    f.acIndex = m_ac->currentIndex();
    for (size_t c = 0; c < 4; ++c)
        f.channels[c] = m_channels[c]->isChecked();
    return f;
}

void CAutoSetupDlg::showBoxes(const AutoSetupForm &f)
{
    m_start->setText(QString::fromStdString(f.startText));
    m_end->setText(QString::fromStdString(f.endText));
    m_interval->setText(QString::fromStdString(f.intervalText));
}
