// The station overview "Přehled": a station list file in a grid that sorts and filters
// by column, with a notes folder and a double click that makes a station the target.
#include "base/Language.h"
#include "monitor/MonitorWindows.h"

#include "base/Errors.h"
#include "base/Text.h"
#include "kit/Dialogs.h"
#include "kit/ManagedWindow.h"
#include "monitor/StationFiles.h"
#include "monitor/StationModel.h"
#include "operations/StationBackup.h"
#include "operations/StationChecks.h"
#include "operations/StationHistory.h"
#include "workspace/Workspace.h"

#include <QAction>
#include <QCloseEvent>
#include <QColor>
#include <QDateTime>
#include <QDir>
#include <QFileInfo>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QLocale>
#include <QMenu>
#include <QPlainTextEdit>
#include <QSettings>
#include <QSignalBlocker>
#include <QStyle>
#include <QTableView>
#include <QTimer>
#include <QToolBar>
#include <QToolButton>
#include <QVBoxLayout>
#include <QWidgetAction>
#include <algorithm>
#include <array>
#include <optional>
#include <utility>

namespace {

// The grid's filter model with the headers of active filters in yellow.
class StationViewModel : public StationFilterModel {
public:
    using StationFilterModel::StationFilterModel;
    QVariant headerData(int section, Qt::Orientation orientation, int role) const override {
        if (orientation == Qt::Horizontal && role == Qt::BackgroundRole && isFilterActive(section))
            return QColor(Qt::yellow);
        return StationFilterModel::headerData(section, orientation, role);
    }
    QVariant data(const QModelIndex& index, int role) const override {
        if (role == Qt::BackgroundRole &&
            StationFilterModel::data(index, StationTableModel::MarkedRole).toBool())
            return QColor(Qt::red);
        if (role == Qt::ForegroundRole &&
            StationFilterModel::data(index, StationTableModel::StaleRole).toBool())
            return QColor(Qt::gray);
        return StationFilterModel::data(index, role);
    }
};

const QString Section = QStringLiteral("TFprehled");
// Stations read or written at once; a look at the state or the clock costs a unit two
// requests where a backup costs eighty, so more of them go at once.
constexpr int ParallelStations = 8;
constexpr int ParallelLooks = 32;
// "Automaticky": a state run every so many seconds.
constexpr int DefaultAutoSeconds = 10;

enum class RunKind { Backup, Push, State, Clock };
// The columns' widths in pixels before a list is loaded, and their least after.
constexpr int MinimumWidths[StationTableModel::Columns] = {30, 91, 105, 87, 35, 34, 30, 28};

class OverviewWindow : public ManagedWindow {
public:
    OverviewWindow(const WindowRow& row, WindowContext& context)
        : ManagedWindow(row.windowClass(), row.form(), row.windowTitle(), context.settings),
          m_context(context) {
        auto* toolbar = new QToolBar(this);
        QAction* open = toolbar->addAction(tx("gui", "Otevři"));
        open->setObjectName(QStringLiteral("actOtevri"));
        connect(open, &QAction::triggered, this, [this] { chooseFile(); });
        toolbar->addAction(tx("gui", "Načti"))->setObjectName(QStringLiteral("actNacti"));
        m_notesItem = toolbar->addAction(tx("gui", "Poznámky"));
        m_notesItem->setObjectName(QStringLiteral("actPoznamky"));
        m_notesItem->setCheckable(true);
        toolbar->addSeparator();
        m_backupItem = toolbar->addAction(tx("gui", "Zálohuj vybrané…"));
        m_backupItem->setObjectName(QStringLiteral("actZalohujVybrane"));
        m_backupItem->setToolTip(tx("gui", "Přečte konfiguraci vybraných stanic, každou do "
                                           "vlastního souboru ve zvolené složce"));
        connect(m_backupItem, &QAction::triggered, this, [this] { backUpSelected(); });
        m_pushItem = toolbar->addAction(tx("gui", "Nahraj do vybraných…"));
        m_pushItem->setObjectName(QStringLiteral("actNahrajVybrane"));
        m_pushItem->setToolTip(tx("gui", "Nahraje zvolené stránky konfigurace z oken do "
                                         "vybraných stanic a ověří je čtením zpět"));
        connect(m_pushItem, &QAction::triggered, this, [this] { pushToSelected(); });
        m_historyItem = toolbar->addAction(tx("gui", "Uchovat historii"));
        m_historyItem->setObjectName(QStringLiteral("actUchovatHistorii"));
        m_historyItem->setCheckable(true);
        m_historyItem->setToolTip(tx("gui", "Zálohy se ukládají do repozitáře git ve zvolené "
                                            "složce: každá změna jako jeden záznam historie"));
        // The second row: looks at the selected units, and the stop of any run.
        auto* looks = new QToolBar(this);
        looks->setObjectName(QStringLiteral("tbStav"));
        m_stateItem = looks->addAction(tx("gui", "Stav vybraných"));
        m_stateItem->setObjectName(QStringLiteral("actStavVybranych"));
        m_stateItem->setShortcut(Qt::Key_F5);
        m_stateItem->setShortcutContext(Qt::WindowShortcut);
        m_stateItem->setToolTip(tx("gui", "Přečte stav a hodiny vybraných stanic (F5)"));
        connect(m_stateItem, &QAction::triggered, this, [this] { lookAtSelected(false); });
        m_autoItem = looks->addAction(tx("gui", "Automaticky"));
        m_autoItem->setObjectName(QStringLiteral("actAutomaticky"));
        m_autoItem->setCheckable(true);
        connect(m_autoItem, &QAction::toggled, this, [this](bool on) { setAutomatic(on); });
        m_autoLabel = new QLabel(this);
        m_autoLabel->setObjectName(QStringLiteral("Lautomaticky"));
        m_autoLabel->setVisible(false);
        m_autoLabelItem = looks->addWidget(m_autoLabel);
        m_autoLabelItem->setVisible(false);
        m_autoTimer.setParent(this);
        m_autoTimer.setObjectName(QStringLiteral("autoTimer"));
        connect(&m_autoTimer, &QTimer::timeout, this, [this] { lookAtSelected(true); });
        m_clockItem = looks->addAction(tx("gui", "Nastav hodiny vybraným…"));
        m_clockItem->setObjectName(QStringLiteral("actNastavHodiny"));
        m_clockItem->setToolTip(tx("gui", "Nastaví hodiny vybraných stanic na čas této "
                                          "stanice a přečte je zpět"));
        connect(m_clockItem, &QAction::triggered, this, [this] { setClocksOfSelected(); });
        looks->addSeparator();
        m_stopItem = looks->addAction(tx("gui", "Přerušit"));
        m_stopItem->setObjectName(QStringLiteral("actPrerusit"));
        m_stopItem->setToolTip(tx("gui", "Stanice, které ještě nezačaly, zůstanou beze "
                                         "změny"));
        m_stopItem->setEnabled(false);
        connect(m_stopItem, &QAction::triggered, this, [this] {
            if (m_run)
                m_run->cancel();
        });

        m_notesPanel = new QWidget(this);
        m_notesPanel->setObjectName(QStringLiteral("Ppozn"));
        m_notesFolder = new QLineEdit(m_notesPanel);
        m_notesFolder->setObjectName(QStringLiteral("Lpozn"));
        auto* browse = new QToolButton(m_notesPanel);
        browse->setObjectName(QStringLiteral("Lpozn_browse"));
        browse->setText(QStringLiteral("…"));
        connect(browse, &QToolButton::clicked, this, [this] {
            const QString folder = m_context.dialogs.chooseFolder(this, m_notesFolder->text());
            if (!folder.isEmpty())
                m_notesFolder->setText(folder);
        });
        auto* folderRow = new QHBoxLayout;
        folderRow->addWidget(m_notesFolder, 1);
        folderRow->addWidget(browse);
        auto* notes = new QPlainTextEdit(m_notesPanel);
        notes->setObjectName(QStringLiteral("Mpozn"));
        notes->setMaximumHeight(notes->fontMetrics().height() * 5);
        auto* panel = new QVBoxLayout(m_notesPanel);
        panel->setContentsMargins(0, 0, 0, 0);
        panel->addLayout(folderRow);
        panel->addWidget(notes);
        m_notesPanel->setVisible(false);
        connect(m_notesItem, &QAction::toggled, m_notesPanel, &QWidget::setVisible);

        m_view.setStations(&m_stations);
        m_grid = new QTableView(this);
        m_grid->setObjectName(QStringLiteral("st_gr"));
        m_grid->setModel(&m_view);
        m_grid->verticalHeader()->hide();
        // Rows of one height: tens of thousands of stations scroll without measuring each.
        m_grid->verticalHeader()->setSectionResizeMode(QHeaderView::Fixed);
        m_grid->verticalHeader()->setDefaultSectionSize(m_grid->fontMetrics().height() + 6);
        m_grid->setSelectionBehavior(QAbstractItemView::SelectRows);
        m_grid->setSelectionMode(QAbstractItemView::ExtendedSelection);
        m_grid->setColumnHidden(StationTableModel::ResultColumn, true);
        showStateColumns(false);
        m_grid->setColumnHidden(StationTableModel::ChangesColumn, true);
        m_grid->setEditTriggers(QAbstractItemView::NoEditTriggers);
        for (int c = 0; c < StationTableModel::Columns; ++c)
            m_grid->setColumnWidth(c, MinimumWidths[c]);
        m_grid->horizontalHeader()->setContextMenuPolicy(Qt::CustomContextMenu);
        connect(m_grid->horizontalHeader(), &QWidget::customContextMenuRequested, this,
                [this](const QPoint& at) { columnMenu(at); });
        connect(m_grid, &QAbstractItemView::doubleClicked, this,
                [this](const QModelIndex& index) { chooseStation(index); });

        auto* layout = new QVBoxLayout(this);
        layout->setMenuBar(toolbar);
        layout->addWidget(looks);
        layout->addWidget(m_notesPanel);
        layout->addWidget(m_grid, 1);
        resize(860, 420);
    }

    ~OverviewWindow() override {
        if (m_shown)
            saveSettings();
        // The stations that run finish (each within its time-outs); the rest are left.
        if (m_run)
            m_run->wait();
    }

    StationFilterModel& view() { return m_view; }
    const StationTableModel& stations() const { return m_stations; }

protected:
    void changeEvent(QEvent* event) override {
        if (event->type() == QEvent::LanguageChange && !m_path.isEmpty())
            showListInTitle();
        ManagedWindow::changeEvent(event);
    }
    void showEvent(QShowEvent* event) override {
        ManagedWindow::showEvent(event);
        if (event->spontaneous())
            return;
        m_shown = true;
        if (m_context.settings) {
            m_context.settings->beginGroup(Section);
            m_path = settingsValue(QStringLiteral("ST_file"));
            m_notesFolder->setText(settingsValue(QStringLiteral("ST_pozn")));
            m_notesItem->setChecked(
                m_context.settings->value(QStringLiteral("ST_pozn_vis"), 0).toInt() == 1);
            m_historyFolder = settingsValue(QStringLiteral("ST_historie"));
            m_historyItem->setChecked(
                m_context.settings->value(QStringLiteral("ST_historie_on"), 0).toInt() == 1);
            bool ok = false;
            const int seconds =
                m_context.settings->value(QStringLiteral("ST_auto_s"), DefaultAutoSeconds)
                    .toInt(&ok);
            // A value from elsewhere that is no sensible interval is the default.
            m_autoSeconds = ok && seconds >= 1 && seconds <= 86400 ? seconds : DefaultAutoSeconds;
            m_context.settings->endGroup();
        }
        load();
    }

    // A hidden overview looks at no unit.
    void hideEvent(QHideEvent* event) override {
        if (!event->spontaneous())
            m_autoItem->setChecked(false);
        ManagedWindow::hideEvent(event);
    }

    void closeEvent(QCloseEvent* event) override {
        saveSettings();
        ManagedWindow::closeEvent(event);
    }

private:
    QString settingsValue(const QString& key) const {
        return m_context.settings->value(key).toString();
    }

    void saveSettings() {
        if (!m_context.settings)
            return;
        m_context.settings->beginGroup(Section);
        m_context.settings->setValue(QStringLiteral("ST_file"), m_path);
        m_context.settings->setValue(QStringLiteral("ST_pozn"), m_notesFolder->text());
        m_context.settings->setValue(QStringLiteral("ST_pozn_vis"),
                                     m_notesItem->isChecked() ? 1 : 0);
        m_context.settings->setValue(QStringLiteral("ST_historie"), m_historyFolder);
        m_context.settings->setValue(QStringLiteral("ST_historie_on"),
                                     m_historyItem->isChecked() ? 1 : 0);
        m_context.settings->setValue(QStringLiteral("ST_auto_s"), m_autoSeconds);
        m_context.settings->endGroup();
    }

    void chooseFile() {
        const QString path = m_context.dialogs.openAnyFile(this, QFileInfo(m_path).absolutePath());
        if (path.isEmpty())
            return;
        m_path = path;
        load();
    }

    // A missing file leaves everything as it was; one that cannot be read is reported and
    // the grid keeps its rows.
    void showListInTitle() { setWindowTitle(tx("gui", "Přehled - ") + m_path); }

    void load() {
        m_context.run([this] {
            qint64 unread = 0;
            auto list = stations::read(m_path, m_notesFolder->text(), &unread);
            if (!list)
                return;
            showListInTitle();
            // Rows of the list that goes are no rows of the new one.
            m_autoItem->setChecked(false);
            m_stations.setStations(std::move(*list));
            m_grid->setColumnHidden(StationTableModel::ResultColumn, true);
            showStateColumns(false);
            showChanges();
            fitColumns();
            if (unread > 0)
                m_context.dialogs.message(this, stations::unreadNotice(unread), Severity::Warning);
        });
    }

    // The widths the window starts with are the least; a column whose values or heading
    // need more gets it. Qt measures the rows on show and a thousand more; the widest value
    // of each column is measured too, wherever it stands.
    void fitColumns() {
        const QFontMetrics metrics(m_grid->font());
        const int padding = 2 * m_grid->style()->pixelMetric(QStyle::PM_FocusFrameHMargin) + 8;
        const std::vector<Station>& list = m_stations.stations();
        // The widest value of each column: the longest text, the largest number.
        std::array<QString, StationTableModel::Columns> widest;
        widest[0] = QString::number(list.size());
        int port = 0, type = 0, kind = 0;
        for (int row = 0; row < int(list.size()); ++row) {
            for (int c = 1; c <= 3; ++c) {
                const QString* text = m_stations.textOf(row, c);
                if (text->size() > widest[size_t(c)].size())
                    widest[size_t(c)] = *text;
            }
            port = std::max<int>(port, list[size_t(row)].port);
            type = std::max<int>(type, list[size_t(row)].type);
            kind = std::max<int>(kind, list[size_t(row)].kind);
        }
        widest[4] = QString::number(port);
        widest[5] = QString::number(type);
        widest[6] = QString::number(kind);
        for (int c = 0; c < StationTableModel::Columns; ++c) {
            m_grid->resizeColumnToContents(c);
            const int width = std::max({m_grid->columnWidth(c), MinimumWidths[c],
                                        metrics.horizontalAdvance(widest[size_t(c)]) + padding});
            m_grid->setColumnWidth(c, width);
        }
    }

    void columnMenu(const QPoint& at) {
        const int column = m_grid->horizontalHeader()->logicalIndexAt(at);
        if (!StationFilterModel::hasFilterSlot(column))
            return;
        QMenu menu(this);
        menu.setObjectName(QStringLiteral("sloupec"));
        menu.addAction(tx("gui", "Třídit vzestupně"), this,
                       [this, column] { m_view.sort(column, Qt::AscendingOrder); });
        menu.addAction(tx("gui", "Třídit sestupně"), this,
                       [this, column] { m_view.sort(column, Qt::DescendingOrder); });
        menu.addSeparator();
        auto* filterField = new QLineEdit(&menu);
        filterField->setObjectName(tx("gui", "Filtr"));
        filterField->setPlaceholderText(tx("gui", "Filtr"));
        filterField->setText(m_view.filterText(column));
        filterField->setMinimumWidth(160);
        auto* field = new QWidgetAction(&menu);
        field->setDefaultWidget(filterField);
        menu.addAction(field);
        connect(filterField, &QLineEdit::returnPressed, &menu, [this, column, filterField, &menu] {
            m_view.setFilter(column, filterField->text());
            menu.close();
        });
        menu.addAction(tx("gui", "Filtruj"), this,
                       [this, column] { m_view.activateFilter(column); });
        menu.addAction(tx("gui", "Zruš filtr"), this,
                       [this, column] { m_view.clearFilter(column); });
        menu.addAction(tx("gui", "Zruš všechny filtry"), this,
                       [this] { m_view.clearAllFilters(); });
        menu.exec(m_grid->horizontalHeader()->mapToGlobal(at));
    }

    // The selected stations' rows in the list, in the grid's order.
    std::vector<int> selectedStations() const {
        std::vector<int> rows;
        if (!m_stations.isLoaded())
            return rows;
        QModelIndexList selected = m_grid->selectionModel()->selectedRows();
        std::sort(selected.begin(), selected.end(),
                  [](const QModelIndex& a, const QModelIndex& b) { return a.row() < b.row(); });
        for (const QModelIndex& index : selected)
            rows.push_back(m_view.mapToSource(index).row());
        return rows;
    }

    bool haveSelection(const std::vector<int>& rows) {
        if (!rows.empty())
            return true;
        m_context.dialogs.message(this,
                                  tx("gui", "Nejprve vyber stanice v přehledu (Ctrl "
                                            "nebo Shift s kliknutím vybere víc)."),
                                  Severity::Info);
        return false;
    }

    // One administrator's account for every selected station.
    auto askAdminAccount() {
        return m_context.dialogs.askAccount(
            this, tx("gui", "Účet administrátora, kterým se přihlásit ke všem vybraným "
                            "stanicím:"));
    }

    int readTimeout() const { return m_context.workspace.link().readTimeoutMs(); }

    void backUpSelected() {
        const std::vector<int> rows = selectedStations();
        if (m_run || !haveSelection(rows))
            return;
        const bool keepHistory = m_historyItem->isChecked();
        const QString folder = m_context.dialogs.chooseFolder(
            this, keepHistory && !m_historyFolder.isEmpty() ? m_historyFolder
                                                            : QFileInfo(m_path).absolutePath());
        if (folder.isEmpty())
            return;
        if (keepHistory) {
            // The repository first: a folder that cannot hold one is found out before any
            // unit is read.
            bool usable = false;
            m_context.run([&] {
                history::Repository repository(folder, true);
                usable = true;
            });
            if (!usable)
                return;
            m_historyFolder = folder;
        }
        // The same files as backup-stations: every station of the list its own, even when
        // names repeat, and the same name run after run.
        const QStringList names = stations::uniqueFileNames(m_stations.stations());
        std::vector<stations::StationRun::Job> jobs;
        for (int row : rows)
            jobs.push_back([station = m_stations.stations()[size_t(row)],
                            file = QDir(folder).filePath(names[row] + QStringLiteral(".ql5")),
                            timeout = readTimeout(), keepHistory] {
                return stations::backUp(station, file, timeout, keepHistory);
            });
        m_backedUp.clear();
        m_backupFolder = keepHistory ? folder : QString();
        startRun(rows, std::move(jobs), RunKind::Backup);
    }

    // After a backup into a history: one commit of what changed.
    void commitHistory() {
        if (m_backupFolder.isEmpty())
            return;
        const QString folder = std::exchange(m_backupFolder, QString());
        const QStringList names = stations::uniqueFileNames(m_stations.stations());
        QStringList backedUp;
        for (int row : m_backedUp)
            backedUp << names[row];
        m_context.run([&] {
            history::Repository repository(folder);
            const auto changes = repository.commit(backedUp, QDateTime::currentDateTime());
            m_context.workspace.link().feedback().log(
                changes.empty()
                    ? tx("gui", "Historie záloh: beze změny")
                    : tx("gui", "Historie záloh: změněno %1 stanic").arg(changes.size()));
        });
        showChanges();
    }

    // "Změny": each station's last change in the history of its backups.
    void showChanges() {
        bool any = false;
        if (!m_historyFolder.isEmpty() && m_stations.isLoaded()) {
            try {
                const history::Repository repository(m_historyFolder);
                const auto last = repository.lastChanges();
                const QStringList names = stations::uniqueFileNames(m_stations.stations());
                for (int row = 0; row < int(names.size()); ++row) {
                    const auto found = last.find(names[row]);
                    if (found == last.end()) {
                        m_stations.setChange(row, {}, {});
                        continue;
                    }
                    m_stations.setChange(
                        row, found->second.first.toString(QStringLiteral("yyyy-MM-dd HH:mm")),
                        found->second.second.join(QLatin1Char('\n')));
                    any = true;
                }
            } catch (const OperationError&) {
                // No history there (yet): the column stays hidden.
            }
        }
        m_grid->setColumnHidden(StationTableModel::ChangesColumn, !any);
        if (any)
            m_grid->resizeColumnToContents(StationTableModel::ChangesColumn);
    }

    void showStateColumns(bool on) {
        for (int c = StationTableModel::StateColumn; c < StationTableModel::ChangesColumn; ++c)
            m_grid->setColumnHidden(c, !on);
    }

    // "Stav vybraných": the state and the clock of each selected station. "Automaticky"
    // looks again and again at the stations selected when it was switched on; a round that
    // finds a run going waits for the next.
    void lookAtSelected(bool automatic) {
        if (m_run)
            return;
        const std::vector<int> rows = automatic ? m_autoRows : selectedStations();
        if (!automatic && !haveSelection(rows))
            return;
        std::vector<stations::StationRun::Job> jobs;
        for (int row : rows)
            jobs.push_back([station = m_stations.stations()[size_t(row)], timeout = readTimeout()] {
                return stations::readState(station, timeout);
            });
        showStateColumns(true);
        startRun(rows, std::move(jobs), RunKind::State);
    }

    void setAutomatic(bool on) {
        m_autoRows = on ? selectedStations() : std::vector<int>();
        if (on && m_autoRows.empty()) {
            haveSelection({});
            const QSignalBlocker quiet(m_autoItem);
            m_autoItem->setChecked(false);
            return;
        }
        const QString text = tx("gui", "Automaticky: každých %1 s, stanic %2")
                                 .arg(m_autoSeconds)
                                 .arg(m_autoRows.size());
        m_autoLabel->setText(QStringLiteral("<b>%1</b>").arg(text));
        m_autoLabel->setVisible(on);
        m_autoLabelItem->setVisible(on);
        m_autoItem->setToolTip(
            on ? text : tx("gui", "Stav vybraných stanic každých %1 s").arg(m_autoSeconds));
        if (!on) {
            m_autoTimer.stop();
            return;
        }
        m_autoTimer.start(m_autoSeconds * 1000);
        lookAtSelected(true);
    }

    void setClocksOfSelected() {
        const std::vector<int> rows = selectedStations();
        if (m_run || !haveSelection(rows))
            return;
        if (!m_context.dialogs.ask(this, tx("gui", "Nastavit hodiny %1 vybraných stanic na čas "
                                                   "tohoto počítače (%2)?")
                                             .arg(rows.size())
                                             .arg(QLocale().toString(QDateTime::currentDateTime(),
                                                                     QLocale::ShortFormat))))
            return;
        const auto account = askAdminAccount();
        if (!account)
            return;
        // One time for the run, moving on with it.
        const auto time =
            std::make_shared<const stations::ClockTime>(stations::ClockTime::workstation());
        std::vector<stations::StationRun::Job> jobs;
        for (int row : rows)
            jobs.push_back([station = m_stations.stations()[size_t(row)], time,
                            user = account->first, password = account->second,
                            timeout = readTimeout()] {
                return stations::setClock(station, *time, user, password, timeout);
            });
        startRun(rows, std::move(jobs), RunKind::Clock);
    }

    void pushToSelected() {
        const std::vector<int> rows = selectedStations();
        if (m_run || !haveSelection(rows))
            return;
        // What the windows hold now, as a save would store it.
        std::optional<ConfigImage> image;
        m_context.run([this, &image] { image = m_context.workspace.gatheredCopy(); });
        if (!image)
            return;
        // Never the network page: one address on many units would take them off the network.
        std::vector<PageSlot> offered;
        QStringList titles;
        for (const PageInfo& info : pageRegistry())
            if (info.slot != PageSlot::Network) {
                offered.push_back(info.slot);
                titles << QString::fromUtf8(info.title);
            }
        const QList<int> ticked = m_context.dialogs.chooseItems(
            this, tx("gui", "Nahraj do vybraných"),
            tx("gui", "Které stránky konfigurace z oken nahrát do %1 vybraných stanic? "
                      "(Ethernet se takto nenahrává.)")
                .arg(rows.size()),
            titles);
        if (ticked.isEmpty())
            return;
        Selectors pages;
        QStringList chosenTitles;
        for (int i : ticked) {
            pages = pages.with(offered[size_t(i)]);
            chosenTitles << titles[i];
        }
        QStringList names;
        for (int row : rows) {
            const Station& s = m_stations.stations()[size_t(row)];
            if (names.size() == 20) {
                names << tx("gui", "… a dalších %1").arg(rows.size() - 20);
                break;
            }
            names << QStringLiteral("%1 (%2:%3)")
                         .arg(visibleText(s.name), visibleText(s.ip))
                         .arg(s.port);
        }
        if (!m_context.dialogs.ask(this, tx("gui", "Nahrát stránky %1 do těchto stanic (%2)?"
                                                   "\n\n%3")
                                             .arg(chosenTitles.join(QStringLiteral(", ")))
                                             .arg(rows.size())
                                             .arg(names.join(QLatin1Char('\n')))))
            return;
        const auto account = askAdminAccount();
        if (!account)
            return;
        std::vector<Station> chosen;
        for (int row : rows)
            chosen.push_back(m_stations.stations()[size_t(row)]);
        startRun(rows,
                 stations::pushJobs(chosen, *image, pages, account->first, account->second,
                                    readTimeout()),
                 RunKind::Push);
    }

    // Runs the jobs side by side; the result column follows each station. A state run
    // leaves the earlier results standing until each station's new one comes.
    void startRun(const std::vector<int>& rows, std::vector<stations::StationRun::Job> jobs,
                  RunKind kind) {
        if (kind != RunKind::State) {
            m_stations.clearResults();
            for (int row : rows)
                m_stations.setResult(row, tx("gui", "čeká"));
        }
        m_grid->setColumnHidden(StationTableModel::ResultColumn, false);
        m_grid->resizeColumnToContents(StationTableModel::ResultColumn);
        for (QAction* item : {m_backupItem, m_pushItem, m_stateItem, m_clockItem})
            item->setEnabled(false);
        m_stopItem->setEnabled(true);
        m_remaining = int(rows.size());
        m_run = std::make_unique<stations::StationRun>(
            kind == RunKind::State || kind == RunKind::Clock ? ParallelLooks : ParallelStations);
        m_run->start(
            std::move(jobs), this,
            [this, rows, kind](int i) {
                if (kind != RunKind::State)
                    m_stations.setResult(rows[size_t(i)], tx("gui", "probíhá"));
            },
            [this, rows, kind](int i, const stations::StationResult& result) {
                const int row = rows[size_t(i)];
                if (result.state)
                    m_stations.setState(row, stateCells(*result.state), result.state->takenAt);
                else if (kind == RunKind::State && !result.skipped)
                    m_stations.markStale(row);
                if (kind == RunKind::Backup && result.ok)
                    m_backedUp.push_back(row);
                QString text = resultText(result, kind);
                if (const QDateTime taken = m_stations.stateTaken(row);
                    kind == RunKind::State && !result.ok && taken.isValid())
                    text += tx("gui", " (hodnoty z %1)").arg(takenText(taken));
                m_stations.setResult(row, text);
                if (--m_remaining == 0)
                    QTimer::singleShot(0, this, [this] { endRun(); });
            });
    }

    // When values were taken: the time of day, with the date when not today.
    static QString takenText(const QDateTime& taken) {
        return taken.toString(taken.date() == QDate::currentDate()
                                  ? QStringLiteral("HH:mm:ss")
                                  : tx("formats", "d. M. yyyy HH:mm:ss"));
    }

    static QString resultText(const stations::StationResult& result, RunKind kind) {
        if (result.skipped)
            return tx("gui", "zrušeno");
        if (!result.ok)
            return tx("gui", "CHYBA: ") + result.why();
        if (kind == RunKind::Clock)
            return QStringLiteral("OK: ") + result.line.section(QLatin1Char('\t'), 3);
        return QStringLiteral("OK");
    }

    void endRun() {
        m_run.reset();
        for (QAction* item : {m_backupItem, m_pushItem, m_stateItem, m_clockItem})
            item->setEnabled(true);
        m_stopItem->setEnabled(false);
        m_grid->resizeColumnToContents(StationTableModel::ResultColumn);
        for (int c = StationTableModel::StateColumn; c < StationTableModel::ChangesColumn; ++c)
            m_grid->resizeColumnToContents(c);
        commitHistory();
    }

public:
    bool running() const { return m_run != nullptr; }

private:
    // A station becomes the target; a double click on what a run found opens it in the
    // status window as well.
    void chooseStation(const QModelIndex& index) {
        if (!index.isValid() || !m_stations.isLoaded())
            return;
        const QString ip = m_view.index(index.row(), 3).data().toString();
        const quint16 port = quint16(m_view.index(index.row(), 4).data().toUInt());
        m_context.setTarget(ip, port);
        if (index.column() < StationTableModel::ResultColumn ||
            index.column() >= StationTableModel::ChangesColumn || !m_context.showWindow)
            return;
        // The status window asks the station for its state at once.
        if (ManagedWindow* status = m_context.showWindow(QStringLiteral("Fstav")))
            if (auto* request = status->findChild<QAction*>(QStringLiteral("actStav")))
                request->trigger();
    }

    WindowContext m_context;
    StationTableModel m_stations;
    StationViewModel m_view;
    QTableView* m_grid;
    QAction* m_notesItem;
    QWidget* m_notesPanel;
    QLineEdit* m_notesFolder;
    QAction* m_backupItem;
    QAction* m_pushItem;
    QAction* m_stopItem;
    QAction* m_historyItem;
    QAction* m_stateItem;
    QAction* m_autoItem;
    QAction* m_clockItem;
    QLabel* m_autoLabel;
    QAction* m_autoLabelItem;
    QTimer m_autoTimer;
    int m_autoSeconds = DefaultAutoSeconds;
    std::vector<int> m_autoRows;
    QString m_historyFolder;
    QString m_backupFolder; // the history a backup that runs goes into
    std::vector<int> m_backedUp;
    std::unique_ptr<stations::StationRun> m_run;
    int m_remaining = 0;
    QString m_path;
    bool m_shown = false;
};

} // namespace

std::unique_ptr<ManagedWindow> makeOverviewWindow(const WindowRow& row, WindowContext& context) {
    return std::make_unique<OverviewWindow>(row, context);
}
