#include "app/gui/CMainFrame.h"

#include "app/CommandIds.h"
#include "app/CommandTable.h"
#include "app/gui/DayProgramChooser.h"
#include "app/LockKeys.h"
#include "app/Settings.h"
#include "document/CTavrinDoc.h"
#include "plan/DeviceHoldings.h"
#include "plan/SyncTimer.h"
#include "schedule/ScheduleFiles.h"
#include "schedule/Weekday.h"
#include "view/gui/CTavrinView.h"

#include <QAction>
#include <QActionGroup>
#include <QCloseEvent>
#include <QComboBox>
#include <QGuiApplication>
#include <QIcon>
#include <QLabel>
#include <QMenuBar>
#include <QPrinter>
#include <QScreen>
#include <QStatusBar>
#include <QTimer>
#include <QToolBar>
#include <QToolButton>

// The pictures live in the app library; a static library needs its resources pulled in.
static void initResources()
{
    Q_INIT_RESOURCE(app);
}

namespace {
// A button is as wide as its label needs, never narrower than its picture with a margin, so
// the whole toolbar (New … SUN) fits a 1280-pixel screen.
constexpr int kButtonMinWidth = 48;
const QSize kImageSize(40, 32);
constexpr const char *kIdleMessage = QT_TRANSLATE_NOOP("CMainFrame", "Ready");

// An empty pane is read by what it stands for, never as a nameless label.
QString lockPaneName(int pane, bool on)
{
    switch (pane) {
    case 0:
        return on ? CMainFrame::tr("Caps Lock on") : CMainFrame::tr("Caps Lock off");
    case 1:
        return on ? CMainFrame::tr("Num Lock on") : CMainFrame::tr("Num Lock off");
    default:
        return on ? CMainFrame::tr("Scroll Lock on") : CMainFrame::tr("Scroll Lock off");
    }
}
} // namespace

CMainFrame::CMainFrame(Settings &settings, Messages &messages, FileChooser &files, QWidget *parent)
    : QMainWindow(parent)
    , m_settings(settings)
    , m_messages(messages)
    , m_chooser(files)
    , m_doc(new CTavrinDoc(QString(), this))
    , m_view(new CTavrinView(*m_doc, messages, this))
{
    initResources();
    setObjectName(QStringLiteral("mainFrame"));
    setWindowIcon(QIcon(QStringLiteral(":/tavrin/tavrin64.png")));
    setWindowTitle(m_doc->windowTitle());
    connect(m_doc, &CTavrinDoc::titleChanged, this, [this] { setWindowTitle(m_doc->windowTitle()); });
    connect(m_doc, &CTavrinDoc::modifiedChanged, this, &QWidget::setWindowModified);

    m_view->setObjectName(QStringLiteral("view"));
    setCentralWidget(m_view);
    connect(m_view, &CTavrinView::shownDayChanged, this, &CMainFrame::followShownDay);

    createActions();
    createMenus();
    createProgramCalendarMenu();
    createRecentFilesMenu();
    createToolBar();
    createStatusBar();
    createDeviceStatus();
    registerHandlers();
    followShownDay(m_view->shownDay());

    // The window fills the screen (the part panels leave free); start-up also maximises it.
    if (QScreen *screen = QGuiApplication::primaryScreen())
        setGeometry(screen->availableGeometry());
}

CMainFrame::~CMainFrame() = default;

void CMainFrame::createActions()
{
    m_weekdays = new QActionGroup(this);
    m_weekdays->setExclusive(true);
    for (const CommandInfo &info : commandTable()) {
        auto *action = new QAction(shownCommandText(info.menuText), this);
        action->setData(info.id);
        action->setObjectName(QStringLiteral("command%1").arg(info.id));
        if (*info.key)
            action->setShortcut(QKeySequence(QString::fromLatin1(info.key)));
        if (*info.toolbarLabel)
            action->setIconText(shownCommandText(info.toolbarLabel));
        if (*info.icon)
            action->setIcon(QIcon(QStringLiteral(":/tavrin/%1.png").arg(QString::fromLatin1(info.icon))));
        action->setStatusTip(statusPrompt(info));
        action->setToolTip(toolTipText(info));
        if (Cmd::dayOfCommand(info.id)) {
            action->setCheckable(true);
            // the Weekly menu shows a real check mark, not a sunken picture
            action->setIconVisibleInMenu(false);
            m_weekdays->addAction(action);
        }
        if (info.id == Cmd::ViewToolbar || info.id == Cmd::ViewStatusBar) {
            action->setCheckable(true);
            action->setChecked(true);
        }
        const int id = info.id;
        connect(action, &QAction::triggered, this, [this, id] { dispatch(id); });
        // Keys work whatever is hidden: the window itself holds every action.
        addAction(action);
        m_actions.insert(id, action);
    }
    // Undo and Redo follow the history with their texts: the list holds them.
    for (QAction *action : {m_view->undoAction(), m_view->redoAction()}) {
        action->setObjectName(QStringLiteral("command%1").arg(action->data().toInt()));
        addAction(action);
        m_actions.insert(action->data().toInt(), action);
    }
}

void CMainFrame::createMenus()
{
    for (const MenuPopup &popup : mainMenu()) {
        QMenu *menu = menuBar()->addMenu(shownCommandText(popup.title));
        if (popup.items.front() == Cmd::EditCut) {
            menu->addAction(m_actions.value(Cmd::EditUndo));
            menu->addAction(m_actions.value(Cmd::EditRedo));
            menu->addSeparator();
        }
        for (int id : popup.items) {
            if (id == 0)
                menu->addSeparator();
            else
                menu->addAction(m_actions.value(id));
        }
    }
}

void CMainFrame::createToolBar()
{
    m_toolBar = new QToolBar(tr("Toolbar"), this);
    m_toolBar->setObjectName(QStringLiteral("toolBar"));
    m_toolBar->setToolButtonStyle(Qt::ToolButtonTextUnderIcon);
    m_toolBar->setIconSize(kImageSize);
    m_toolBar->setMovable(true);
    m_toolBar->setFloatable(true);
    m_toolBar->setAllowedAreas(Qt::AllToolBarAreas);
    addToolBar(Qt::TopToolBarArea, m_toolBar);
    for (int id : toolbarButtons()) {
        if (id == 0) {
            m_toolBar->addSeparator();
            continue;
        }
        QAction *action = m_actions.value(id);
        m_toolBar->addAction(action);
        if (QWidget *button = m_toolBar->widgetForAction(action)) {
            button->setMinimumWidth(kButtonMinWidth);
            // read by its command's name ("Monday", not "MON"), described by its tooltip
            for (const CommandInfo &info : commandTable()) {
                if (info.id == id) {
                    button->setAccessibleName(commandName(info));
                    button->setAccessibleDescription(toolTipText(info));
                }
            }
        }
    }
    // the day programs after the weekdays
    if (m_programs) {
        m_toolBar->addWidget(m_programs->box())->setText(tr("Day program"));
        m_programs->box()->setAccessibleName(tr("Day program"));
    }
    // Qt's button for the buttons that do not fit
    if (QWidget *more = m_toolBar->findChild<QWidget *>(QStringLiteral("qt_toolbar_ext_button")))
        more->setAccessibleName(tr("More toolbar buttons"));
    // The View menu's check follows the toolbar, however it was hidden.
    connect(m_toolBar, &QToolBar::visibilityChanged, this, [this](bool visible) {
        if (!m_closing && isVisible())
            m_actions.value(Cmd::ViewToolbar)->setChecked(visible);
    });
}

void CMainFrame::createStatusBar()
{
    QStatusBar *bar = statusBar();
    bar->setObjectName(QStringLiteral("statusBar"));
    const char *indicators[3] = {"CAP", "NUM", "SCRL"};
    for (int k = 0; k < 3; ++k) {
        auto *pane = new QLabel(bar);
        pane->setObjectName(QString::fromLatin1(indicators[k]));
        pane->setFrameShape(QFrame::Panel);
        pane->setFrameShadow(QFrame::Sunken);
        pane->setAlignment(Qt::AlignCenter);
        pane->setMinimumWidth(pane->fontMetrics().horizontalAdvance(QStringLiteral("SCRL")) + 12);
        bar->addPermanentWidget(pane);
        m_lockPanes[k] = pane;
    }
    // An empty prompt (the pointer leaving a menu item) brings back the idle message.
    connect(bar, &QStatusBar::messageChanged, this, [bar](const QString &message) {
        if (message.isEmpty())
            bar->showMessage(tr(kIdleMessage));
    });
    bar->showMessage(tr(kIdleMessage));

    m_lockKeys = std::make_unique<LockKeys>();
    updateLockIndicators();
    if (m_lockKeys->known(LockKeys::Caps) || m_lockKeys->known(LockKeys::Num) || m_lockKeys->known(LockKeys::Scroll)) {
        auto *timer = new QTimer(this);
        connect(timer, &QTimer::timeout, this, &CMainFrame::updateLockIndicators);
        timer->start(400);
    }
}

void CMainFrame::updateLockIndicators()
{
    const char *texts[3] = {"CAP", "NUM", "SCRL"};
    for (int k = 0; k < 3; ++k) {
        const std::optional<bool> on = m_lockKeys->state(LockKeys::Key(k));
        m_lockPanes[k]->setText(on.value_or(false) ? QString::fromLatin1(texts[k]) : QString());
        m_lockPanes[k]->setAccessibleName(lockPaneName(k, on.value_or(false)));
    }
}

void CMainFrame::followShownDay(int day)
{
    const WeeklySchedule &week = m_doc->week();
    if (m_programs)
        m_programs->follow(week.programCalendar(), day);
    if (isWeekday(day))
        m_actions.value(Cmd::Weekdays[day - 1])->setChecked(true);
    // "No bells" is shown but takes no entries
    const bool editable = week.isEditableDay(day);
    for (int id :
         {Cmd::EditCut, Cmd::EditPaste, Cmd::EditInsert, Cmd::EditModify, Cmd::EditDelete, Cmd::EditChooseSound})
        m_actions.value(id)->setEnabled(editable);
    const bool program = editable && !isWeekday(day);
    for (int id : {Cmd::RenameProgram, Cmd::DeleteProgram}) {
        if (QAction *action = m_actions.value(id))
            action->setEnabled(program);
    }
}

void CMainFrame::dispatch(int id)
{
    const auto it = m_handlers.constFind(id);
    if (it != m_handlers.constEnd() && *it)
        (*it)();
    // What the device holds may have changed, or the port the status speaks of.
    switch (id) {
    case Cmd::Download:
    case Cmd::Upload:
    case Cmd::CompareWithDevice:
    case Cmd::DeviceHistory:
    case Cmd::Devices:
    case Cmd::BringDeviceUpToDate:
    case Cmd::BellsOffToday:
    case Cmd::BellsOffUntil:
    case Cmd::BellsBackOn:
    case Cmd::SerialPort:
        readDeviceHoldings();
        break;
    default:
        break;
    }
}

void CMainFrame::registerHandlers()
{
    m_handlers.insert(Cmd::FileNew, [this] { onFileNew(); });
    m_handlers.insert(Cmd::BringDeviceUpToDate, [this] { onBringDeviceUpToDate(); });
    m_handlers.insert(Cmd::FileOpen, [this] { onFileOpen(); });
    m_handlers.insert(Cmd::FileSave, [this] {
        if (onFileSave())
            offerUnfinishedSaves(m_doc->location().directory);
    });
    m_handlers.insert(Cmd::FilePrint, [this] { onFilePrint(); });
    m_handlers.insert(Cmd::FilePrintSetup, [this] { onFilePrintSetup(); });
    m_handlers.insert(Cmd::FilePrintPreview, [this] { onFilePrintPreview(); });
    m_handlers.insert(Cmd::FilePrintWeek, [this] { onFilePrintWeek(); });
    m_handlers.insert(Cmd::FileExportPdf, [this] { onFileExportPdf(); });
    m_handlers.insert(Cmd::AppExit, [this] { onAppExit(); });
    for (int id : {Cmd::EditCut, Cmd::EditCopy, Cmd::EditPaste, Cmd::EditSelectAll, Cmd::EditInsert, Cmd::EditModify,
                   Cmd::EditDelete})
        m_handlers.insert(id, [this, id] { onEditCommand(id); });
    m_handlers.insert(Cmd::EditUndo, [this] { m_view->undo(); });
    m_handlers.insert(Cmd::EditRedo, [this] { m_view->redo(); });
    m_handlers.insert(Cmd::AutoSet, [this] { onAutoSet(); });
    m_handlers.insert(Cmd::ViewToolbar, [this] { onToggleToolBar(); });
    m_handlers.insert(Cmd::ViewStatusBar, [this] { onToggleStatusBar(); });
    m_handlers.insert(Cmd::TimeSetting, [this] { onTimeSetting(); });
    m_handlers.insert(Cmd::Download, [this] { onDownload(); });
    m_handlers.insert(Cmd::Upload, [this] { onUpload(); });
    m_handlers.insert(Cmd::SerialPort, [this] { onSerialPort(); });
    m_handlers.insert(Cmd::CompareWithDevice, [this] { onCompareWithDevice(); });
    m_handlers.insert(Cmd::DeviceHistory, [this] { onDeviceHistory(); });
    m_handlers.insert(Cmd::Devices, [this] { onDevices(); });
    m_handlers.insert(Cmd::Calendar, [this] { onCalendar(); });
    m_handlers.insert(Cmd::Sounds, [this] { onSounds(); });
    m_handlers.insert(Cmd::EditChooseSound, [this] { m_view->chooseSound(); });
    for (int day = 1; day <= 7; ++day)
        m_handlers.insert(Cmd::Weekdays[day - 1], [this, day] { onShowDay(day); });
    m_handlers.insert(Cmd::NewProgram, [this] { onNewProgram(); });
    m_handlers.insert(Cmd::RenameProgram, [this] { onRenameProgram(); });
    m_handlers.insert(Cmd::DeleteProgram, [this] { onDeleteProgram(); });
    m_handlers.insert(Cmd::AppAbout, [this] { onAppAbout(); });
    registerBellsHandlers();
}

void CMainFrame::closeEvent(QCloseEvent *event)
{
    if (!saveModified()) {
        event->ignore();
        return;
    }
    m_closing = true;
    m_settings.sync();
    event->accept();
}
