#include "view/gui/CTavrinView.h"

#include "document/CellMeaning.h"
#include "document/commands/SoundCommands.h"
#include "document/commands/WeekCommands.h"
#include "document/CTavrinDoc.h"
#include "schedule/WeeklySchedule.h"

#include "view/gui/CAutoSetupDlg.h"
#include "view/gui/CellEditor.h"
#include "view/gui/CurrentCellDelegate.h"
#include "view/gui/ScheduleItemModel.h"
#include "view/gui/TableListControl.h"
#include "view/KeyScreen.h"
#include "view/ListMoves.h"
#include "view/ScheduleList.h"
#include "view/ViewCommandIds.h"

#include <QAction>
#include <QContextMenuEvent>
#include <QCoreApplication>
#include <QFontDatabase>
#include <QGuiApplication>
#include <QHeaderView>
#include <QKeyEvent>
#include <QMenu>
#include <QScreen>

CTavrinView::CTavrinView(CTavrinDoc &doc, Messages &messages, QWidget *parent)
    : QTableView(parent)
    , m_doc(doc)
    , m_messages(messages)
    , m_model(new ScheduleItemModel(doc, this))
{
    setModel(m_model);
    m_control = std::make_unique<TableListControl>(*this, *m_model);
    m_core = std::make_unique<ScheduleList>(doc, *m_control, messages);
    m_control->setCore(m_core.get());
    m_control->moveFrame = [this](const QModelIndex &index) { moveFrame(index); };
    m_core->onChanged = [this] { emit scheduleChanged(); };
    m_core->onShownDayChanged = [this](int d) {
        followAccessibleName();
        emit shownDayChanged(d);
    };
    // a renamed day program renames the list too
    connect(&doc, &CTavrinDoc::historyChanged, this, &CTavrinView::followAccessibleName);

    setUpColumns();
    setUpLook();
    setUpHistory();
    followAccessibleName();
    // A click on any header sorts the day by time, never by the clicked column.
    setSortingEnabled(false);
    horizontalHeader()->setSectionsClickable(true);
    connect(horizontalHeader(), &QHeaderView::sectionClicked, this, [this](int) { NormalizeDay(); });
}

CTavrinView::~CTavrinView()
{
    // The editor and the core refer to each other through the control: close it first.
    m_core->CancelCellEdit();
}

void CTavrinView::setUpColumns()
{
    const QScreen *screen = QGuiApplication::primaryScreen();
    const int screenWidth = screen ? screen->geometry().width() : 1024;
    for (int c = 0; c < kColumnCount; ++c)
        setColumnWidth(c, screenWidth * kColumnWidthPercent[size_t(c)] / 100);
}

void CTavrinView::setUpLook()
{
    setShowGrid(true);
    setSelectionBehavior(QAbstractItemView::SelectRows);
    setSelectionMode(QAbstractItemView::ExtendedSelection);
    setEditTriggers(QAbstractItemView::NoEditTriggers);
    setWordWrap(false);
    verticalHeader()->hide();
    horizontalHeader()->setDefaultAlignment(Qt::AlignCenter);
    horizontalHeader()->setHighlightSections(false);

    // "Arial" where the platform has it, its sans-serif face otherwise.
    QFont font(QStringLiteral("Arial"));
    font.setStyleHint(QFont::SansSerif);
    font.setPixelSize(16);
    font.setWeight(QFont::Normal);
    setFont(font);
    horizontalHeader()->setFont(font);
    verticalHeader()->setDefaultSectionSize(QFontMetrics(font).height() + 6);

    setItemDelegate(new CurrentCellDelegate(this));
    followPalette();
}

void CTavrinView::followPalette()
{
    // Text and background are set together, so a dark theme's light text never lands on light
    // blue; the desktop's palette decides which pair.
    const QPalette desktop = palette();
    const ListColours colours = listColours(desktop.color(QPalette::Text), desktop.color(QPalette::Base));
    m_model->setColours(colours);
    // On the viewport, so that the list itself keeps following the desktop's palette.
    QPalette p = viewport()->palette();
    p.setColor(QPalette::Base, colours.background);
    p.setColor(QPalette::Text, colours.text);
    viewport()->setPalette(p);
}

void CTavrinView::followAccessibleName()
{
    setAccessibleName(listNameFor(m_doc.week(), m_doc.shownDay()));
}

void CTavrinView::setUpHistory()
{
    m_undoAction = new QAction(this);
    m_undoAction->setData(ViewCommand::Undo);
    m_undoAction->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_Z));
    m_redoAction = new QAction(this);
    m_redoAction->setData(ViewCommand::Redo);
    m_redoAction->setShortcuts({QKeySequence(Qt::CTRL | Qt::Key_Y), QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_Z)});
    // The list's own actions, so that the keys work in a view on its own too.
    addAction(m_undoAction);
    addAction(m_redoAction);
    connect(m_undoAction, &QAction::triggered, this, &CTavrinView::undo);
    connect(m_redoAction, &QAction::triggered, this, &CTavrinView::redo);
    auto follow = [this] {
        const QString undoStep = m_doc.undoText();
        const QString redoStep = m_doc.redoText();
        m_undoAction->setText(undoStep.isEmpty() ? tr("&Undo") : tr("&Undo %1").arg(undoStep));
        m_redoAction->setText(redoStep.isEmpty() ? tr("&Redo") : tr("&Redo %1").arg(redoStep));
        m_undoAction->setEnabled(m_doc.canUndo());
        m_redoAction->setEnabled(m_doc.canRedo());
    };
    connect(&m_doc, &CTavrinDoc::historyChanged, this, follow);
    follow();
}

void CTavrinView::undo()
{
    m_core->undo();
}

void CTavrinView::redo()
{
    m_core->redo();
}

const WeeklySchedule &CTavrinView::schedule() const
{
    return m_doc.week();
}

int CTavrinView::shownDay() const
{
    return m_doc.shownDay();
}

void CTavrinView::changeWeekThrough(const QString &stepText, bool nameDays,
                                    const std::function<bool(WeeklySchedule &)> &dialog)
{
    StoreList();
    int shownAfter = -1;
    auto step = ReplaceDays::through(m_doc, stepText, nameDays, m_core->place(), [&](WeeklySchedule &week) {
        if (!dialog(week))
            return false;
        shownAfter = week.shownDay();
        return true;
    });
    if (!step)
        return;
    // A dialog that changed nothing leaves no step; the list is rebuilt all the same.
    if (!m_core->perform(std::move(step))) {
        m_core->CancelCellEdit();
        if (shownAfter != m_doc.shownDay())
            m_doc.showDay(shownAfter);
        else
            reloadShownDay();
    }
}

bool CTavrinView::perform(std::unique_ptr<DayStep> step)
{
    return m_core->perform(std::move(step));
}

bool CTavrinView::canEdit() const
{
    return m_core->canEdit();
}

void CTavrinView::StoreList()
{
    m_core->StoreList();
}

void CTavrinView::reloadShownDay()
{
    m_core->reloadShownDay();
}

int CTavrinView::shownRowCount() const
{
    return m_model->rowCount();
}

QStringList CTavrinView::rowTexts(int row) const
{
    QStringList texts;
    if (row < 0 || row >= m_model->rowCount())
        return texts;
    for (int c = 0; c < kColumnCount; ++c)
        texts << QString::fromStdString(m_core->cellText(row, c));
    return texts;
}

QList<QStringList> CTavrinView::shownRows() const
{
    QList<QStringList> rows;
    rows.reserve(m_model->rowCount());
    for (int r = 0; r < m_model->rowCount(); ++r)
        rows << rowTexts(r);
    return rows;
}

QWidget *CTavrinView::cellEditor() const
{
    return m_control->editor();
}

QMenu *CTavrinView::createContextMenu(QWidget *parent)
{
    auto *menu = new QMenu(parent);
    menu->addAction(m_undoAction);
    menu->addAction(m_redoAction);
    menu->addSeparator();
    // the commands that change the list are off while the shown day takes no entries
    const bool editable = canEdit();
    auto add = [&](const QString &text, int command, void (CTavrinView::*slot)(), bool enabled = true) {
        QAction *a = menu->addAction(text);
        a->setData(command);
        a->setEnabled(enabled);
        connect(a, &QAction::triggered, this, slot);
    };
    add(tr("Cu&t\tCtrl+X"), ViewCommand::Cut, &CTavrinView::editCut, editable);
    add(tr("&Copy\tCtrl+C"), ViewCommand::Copy, &CTavrinView::editCopy);
    add(tr("&Paste\tCtrl+V"), ViewCommand::Paste, &CTavrinView::editPaste, editable);
    menu->addSeparator();
    add(tr("Select &All\tCtrl+A"), ViewCommand::SelectAll, &CTavrinView::editSelectAll);
    menu->addSeparator();
    add(tr("Insert\t[Insert]"), ViewCommand::Insert, &CTavrinView::editInsert, editable);
    add(tr("Modify"), ViewCommand::Modify, &CTavrinView::editModify, editable);
    add(tr("Choose &Sound...\tF7"), ViewCommand::ChooseSound, &CTavrinView::chooseSound, editable);
    add(tr("Delete\t[Delete]"), ViewCommand::Delete, &CTavrinView::editDelete, editable);
    menu->addSeparator();
    add(tr("Auto Set"), ViewCommand::AutoSet, &CTavrinView::autoSet);
    return menu;
}

void CTavrinView::ShowDay(int dayNumber)
{
    m_core->ShowDay(dayNumber);
}

void CTavrinView::NormalizeDay()
{
    m_core->NormalizeDay();
}

void CTavrinView::editCut()
{
    m_core->cutRows();
}

void CTavrinView::editCopy()
{
    m_core->copyRows();
}

void CTavrinView::editPaste()
{
    m_core->pasteRows();
}

void CTavrinView::editSelectAll()
{
    m_core->selectAll();
}

void CTavrinView::editInsert()
{
    m_core->insertRow();
}

void CTavrinView::editModify()
{
    m_core->modify();
}

void CTavrinView::editDelete()
{
    m_core->deleteRows();
}

void CTavrinView::autoSet()
{
    // The dialog writes straight into the schedule and on OK the list is rebuilt from it,
    // showing the day that was generated.
    changeWeekThrough(tr("Auto Set"), true, [this](WeeklySchedule &week) {
        CAutoSetupDlg dialog(week, m_messages, this);
        return dialog.exec() == QDialog::Accepted;
    });
}

void CTavrinView::chooseSound()
{
    StoreList();
    const ListPlace place = m_core->place();
    const int row = place.currentRow >= 0 ? place.currentRow
        : place.selectedRows.empty()      ? -1
                                          : place.selectedRows.front();
    if (!canEdit() || row < 0 || row >= m_model->rowCount())
        return;
    const ScheduleEntry &entry = m_doc.shownEntries().entry(row + 1);
    const std::optional<SoundKind> kind = SoundNames::kindOf(std::string_view(entry.MelodyVoice));

    auto *menu = new QMenu(this);
    menu->setObjectName(QStringLiteral("soundChoices"));
    menu->setAttribute(Qt::WA_DeleteOnClose);
    auto say = [menu](const QString &text) { menu->addAction(text)->setEnabled(false); };
    if (!kind) {
        say(tr("Give the row Melody or Voice first."));
    } else if (const std::vector<NamedSound> sounds = namedSounds(m_doc.week().soundNames(), *kind); sounds.empty()) {
        say(*kind == SoundKind::Melody ? tr("No melody has a name yet: name them in Weekly > Sounds.")
                                       : tr("No voice has a name yet: name them in Weekly > Sounds."));
    } else {
        for (const NamedSound &sound : sounds) {
            QAction *a = menu->addAction(QStringLiteral("%1  %2").arg(sound.number).arg(sound.name));
            a->setData(sound.number);
            if (QString::fromStdString(entry.Selection).toInt() == sound.number)
                menu->setActiveAction(a);
        }
        connect(menu, &QMenu::triggered, this, [this, row, place](QAction *a) {
            perform(std::make_unique<ChooseSound>(m_doc, row, a->data().toInt(), place));
        });
    }
    const QRect cell = visualRect(m_model->index(row, kColumnSelection));
    menu->popup(viewport()->mapToGlobal(cell.bottomLeft()));
}

bool CTavrinView::event(QEvent *e)
{
    if (e->type() == QEvent::PaletteChange || e->type() == QEvent::ApplicationPaletteChange)
        followPalette();
    // While a cell is edited, keys are screened before any shortcut sees them.
    if (e->type() == QEvent::ShortcutOverride && m_core->isEditing()) {
        auto *key = static_cast<QKeyEvent *>(e);
        if (!isCommandKey(key->key(), key->modifiers() & (Qt::ControlModifier | Qt::AltModifier))) {
            e->accept();
            return true;
        }
    }
    return QTableView::event(e);
}

bool CTavrinView::focusNextPrevChild(bool next)
{
    // Tab and Shift+Tab with the editor open end the edit without writing; the focus stays
    // in the list rather than leaving the window's editing for another widget.
    if (m_core && m_core->isEditing()) {
        m_core->editorKey(next ? Qt::Key_Tab : Qt::Key_Backtab);
        return true;
    }
    return QTableView::focusNextPrevChild(next);
}

void CTavrinView::keyPressEvent(QKeyEvent *e)
{
    e->accept();
    if (m_core->isEditing()) {
        // The editor lost the focus but is still open: the key, typed in the list, belongs
        // to the editor, whose screen decides what it does. The editor handles every key
        // itself, so nothing comes back here; the guard keeps it that way.
        QWidget *editor = m_control->editor();
        if (m_forwardingKey)
            return;
        if (!editor) {
            m_core->editorKey(e->key());
            return;
        }
        editor->setFocus(Qt::OtherFocusReason);
        QKeyEvent copy(e->type(), e->key(), e->modifiers(), e->text(), e->isAutoRepeat(), ushort(e->count()));
        m_forwardingKey = true;
        QCoreApplication::sendEvent(editor, &copy);
        m_forwardingKey = false;
        return;
    }
    const bool plain = (e->modifiers() & ~Qt::KeypadModifier) == Qt::NoModifier;
    if (plain && (e->key() == Qt::Key_Return || e->key() == Qt::Key_Enter)) {
        m_core->activateCurrentCell(); // as a double-click on the current cell
        return;
    }
    if (plain && e->key() == Qt::Key_Space) {
        m_core->toggleCurrentCell();
        return;
    }
    // The shell binds these keys to its commands; when it has not (a view on its own), the
    // list still answers them itself rather than with the table's defaults.
    if (e->matches(QKeySequence::Copy))
        editCopy();
    else if (e->matches(QKeySequence::Cut))
        editCut();
    else if (e->matches(QKeySequence::Paste))
        editPaste();
    else if (e->modifiers() == Qt::NoModifier && e->key() == Qt::Key_Insert)
        editInsert();
    else if (e->modifiers() == Qt::NoModifier && e->key() == Qt::Key_Delete)
        editDelete();
    else
        QTableView::keyPressEvent(e);
}

void CTavrinView::updateEditorGeometries()
{
    QTableView::updateEditorGeometries();
    // Also called while the base class is still being set up, before the core exists.
    if (m_core && m_core->isEditing())
        m_control->moveCellEditor(m_core->editedRow(), m_core->editedColumn());
}

QItemSelectionModel::SelectionFlags CTavrinView::selectionCommand(const QModelIndex &index, const QEvent *event) const
{
    // The core moves the frame alone; it selects rows itself.
    if (m_movingFrame)
        return QItemSelectionModel::NoUpdate;
    QItemSelectionModel::SelectionFlags flags = QTableView::selectionCommand(index, event);
    if (event && event->type() == QEvent::KeyPress) {
        const auto *key = static_cast<const QKeyEvent *>(event);
        switch (selectionForMove(key->key(), key->modifiers() & Qt::ShiftModifier,
                                 key->modifiers() & Qt::ControlModifier)) {
        case MoveSelection::NotAMove:
            break;
        case MoveSelection::SelectRow:
            flags = QItemSelectionModel::ClearAndSelect | QItemSelectionModel::Rows;
            break;
        case MoveSelection::Extend:
            flags = QItemSelectionModel::SelectCurrent | QItemSelectionModel::Rows;
            break;
        case MoveSelection::FrameOnly:
            flags = QItemSelectionModel::NoUpdate;
            break;
        }
    }
    // A selection that starts afresh or toggles a row marks that row; one extended with Shift
    // (the Current flag) keeps the mark where the range began, as does a bare move of the
    // frame (Ctrl+arrow).
    if (index.isValid() && m_control && !(flags & QItemSelectionModel::Current)
        && (flags & (QItemSelectionModel::Select | QItemSelectionModel::Toggle)))
        m_control->setSelectionMark(index);
    return flags;
}

void CTavrinView::moveFrame(const QModelIndex &index)
{
    // Through the view rather than its selection model, so that a Shift+move or Shift+click
    // that follows extends from here.
    m_movingFrame = true;
    setCurrentIndex(index);
    m_movingFrame = false;
    scrollTo(index);
}

void CTavrinView::mousePressEvent(QMouseEvent *e)
{
    if (e->button() == Qt::LeftButton)
        m_core->CancelCellEdit();
    QTableView::mousePressEvent(e);
}

void CTavrinView::mouseDoubleClickEvent(QMouseEvent *e)
{
    QTableView::mouseDoubleClickEvent(e);
    const QModelIndex hit = indexAt(e->position().toPoint());
    m_core->doubleClicked(hit.isValid() ? hit.row() : -1, hit.isValid() ? hit.column() : -1);
}

void CTavrinView::contextMenuEvent(QContextMenuEvent *e)
{
    m_core->contextMenuAt(columnAt(e->pos().x()));
    QMenu *menu = createContextMenu(this);
    menu->setAttribute(Qt::WA_DeleteOnClose);
    menu->popup(e->globalPos());
}
