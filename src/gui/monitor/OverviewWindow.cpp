// The station overview "Přehled": a station list file in a grid that sorts and filters
// by column, with a notes folder and a double click that makes a station the target.
#include "monitor/MonitorWindows.h"

#include "app/Dialogs.h"
#include "app/ManagedWindow.h"
#include "base/Errors.h"
#include "monitor/StationModel.h"

#include <QAction>
#include <QCloseEvent>
#include <QColor>
#include <QFileInfo>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QPlainTextEdit>
#include <QSettings>
#include <QStyle>
#include <QTableView>
#include <QToolBar>
#include <QToolButton>
#include <QVBoxLayout>
#include <QWidgetAction>
#include <algorithm>
#include <array>

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
};

const QString Section = QStringLiteral("TFprehled");
// The columns' widths in pixels before a list is loaded, and their least after.
constexpr int MinimumWidths[StationTableModel::Columns] = {30, 91, 105, 87, 35, 34, 30, 28};

class OverviewWindow : public ManagedWindow {
public:
    OverviewWindow(const WindowRow& row, WindowContext& context)
        : ManagedWindow(row.windowClass(), row.form(), row.windowTitle(), context.settings),
          m_context(context) {
        auto* toolbar = new QToolBar(this);
        QAction* open = toolbar->addAction(QStringLiteral("Otevři"));
        open->setObjectName(QStringLiteral("actOtevri"));
        connect(open, &QAction::triggered, this, [this] { chooseFile(); });
        toolbar->addAction(QStringLiteral("Načti"))->setObjectName(QStringLiteral("actNacti"));
        m_notesItem = toolbar->addAction(QStringLiteral("Poznámky"));
        m_notesItem->setObjectName(QStringLiteral("actPoznamky"));
        m_notesItem->setCheckable(true);

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
        layout->addWidget(m_notesPanel);
        layout->addWidget(m_grid, 1);
        resize(520, 360);
    }

    ~OverviewWindow() override {
        if (m_shown)
            saveSettings();
    }

    StationFilterModel& view() { return m_view; }
    const StationTableModel& stations() const { return m_stations; }

protected:
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
            m_context.settings->endGroup();
        }
        load();
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
    void load() {
        m_context.run([this] {
            qint64 unread = 0;
            auto list = stations::read(m_path, m_notesFolder->text(), &unread);
            if (!list)
                return;
            setWindowTitle(QStringLiteral("Přehled - ") + m_path);
            m_stations.setStations(std::move(*list));
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
        menu.addAction(QStringLiteral("Třídit vzestupně"), this,
                       [this, column] { m_view.sort(column, Qt::AscendingOrder); });
        menu.addAction(QStringLiteral("Třídit sestupně"), this,
                       [this, column] { m_view.sort(column, Qt::DescendingOrder); });
        menu.addSeparator();
        auto* filterField = new QLineEdit(&menu);
        filterField->setObjectName(QStringLiteral("Filtr"));
        filterField->setPlaceholderText(QStringLiteral("Filtr"));
        filterField->setText(m_view.filterText(column));
        filterField->setMinimumWidth(160);
        auto* field = new QWidgetAction(&menu);
        field->setDefaultWidget(filterField);
        menu.addAction(field);
        connect(filterField, &QLineEdit::returnPressed, &menu, [this, column, filterField, &menu] {
            m_view.setFilter(column, filterField->text());
            menu.close();
        });
        menu.addAction(QStringLiteral("Filtruj"), this,
                       [this, column] { m_view.activateFilter(column); });
        menu.addAction(QStringLiteral("Zruš filtr"), this,
                       [this, column] { m_view.clearFilter(column); });
        menu.addAction(QStringLiteral("Zruš všechny filtry"), this,
                       [this] { m_view.clearAllFilters(); });
        menu.exec(m_grid->horizontalHeader()->mapToGlobal(at));
    }

    void chooseStation(const QModelIndex& index) {
        if (!index.isValid() || !m_stations.isLoaded())
            return;
        const QString ip = m_view.index(index.row(), 3).data().toString();
        const quint16 port = quint16(m_view.index(index.row(), 4).data().toUInt());
        m_context.setTarget(ip, port);
    }

    WindowContext m_context;
    StationTableModel m_stations;
    StationViewModel m_view;
    QTableView* m_grid;
    QAction* m_notesItem;
    QWidget* m_notesPanel;
    QLineEdit* m_notesFolder;
    QString m_path;
    bool m_shown = false;
};

} // namespace

std::unique_ptr<ManagedWindow> makeOverviewWindow(const WindowRow& row, WindowContext& context) {
    return std::make_unique<OverviewWindow>(row, context);
}
