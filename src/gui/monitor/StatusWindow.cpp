// The status window "Fstav": "Stav" asks the unit for its live state and shows it in the
// value table, the status log and the bit table, and colours the state labels of the page
// windows; "Akce" sends the unit's action commands. "Automaticky" repeats "Stav" every two
// seconds, and "Graf" plots the temperatures and the PWM value of the last ten minutes.
#include "base/Language.h"
#include "kit/ExchangeControls.h"
#include "kit/ManagedWindow.h"
#include "monitor/DeviceStatus.h"
#include "monitor/MonitorWindows.h"
#include "unit/UnitCommands.h"

#include "base/Errors.h"
#include "workspace/Workspace.h"

#include <QApplication>
#include <QChart>
#include <QChartView>
#include <QDateTime>
#include <QDateTimeAxis>
#include <QHeaderView>
#include <QLabel>
#include <QLegendMarker>
#include <QLineSeries>
#include <QMenu>
#include <QMenuBar>
#include <QPen>
#include <QPlainTextEdit>
#include <QSplitter>
#include <QTabWidget>
#include <QTableWidget>
#include <QTimer>
#include <QVBoxLayout>
#include <QValueAxis>
#include <array>
#include <cmath>
#include <utility>

namespace {

constexpr int OutputsRow = 3; // the bit table's row the user edits
constexpr qint64 ChartSpanMs = 10 * 60 * 1000;

class StatusWindow : public ManagedWindow {
public:
    StatusWindow(const WindowRow& row, WindowContext& context)
        : ManagedWindow(row.windowClass(), row.form(), row.windowTitle(), context.settings),
          m_context(context) {
        auto* bar = new QMenuBar(this);
        auto* status = bar->addAction(tx("gui", "&Stav"));
        status->setObjectName(QStringLiteral("actStav"));
        markExchangeControl(status);
        connect(status, &QAction::triggered, this, [this] { requestStatus(); });
        QMenu* actions = bar->addMenu(tx("gui", "&Akce"));
        bool adminItems = false;
        for (const unit::Command& a : unit::commands()) {
            if (a.group != unit::Group::Action)
                continue;
            // The administrator's actions stand apart.
            if (a.needs == Rights::Admin && !std::exchange(adminItems, true))
                actions->addSeparator();
            QAction* item = actions->addAction(tx("unit", a.text));
            item->setObjectName(QLatin1String(a.objectName));
            item->setEnabled(a.needs == Rights::Nobody); // the rights enable the others
            markExchangeControl(item);
            const unit::Command* command = &a;
            connect(item, &QAction::triggered, this, [this, command] { send(*command); });
        }
        auto* clear = bar->addAction(QStringLiteral("&Memo clear"));
        clear->setObjectName(QStringLiteral("actMemoClear"));
        m_automatic = bar->addAction(tx("gui", "Auto&maticky"));
        m_automatic->setObjectName(QStringLiteral("actAutomaticky"));
        m_automatic->setCheckable(true);
        m_automatic->setToolTip(tx("gui", "Stav každé 2 sekundy"));

        m_values = new QTableWidget(8, 2, this);
        m_values->setObjectName(QStringLiteral("valueTable"));
        m_values->horizontalHeader()->hide();
        m_values->verticalHeader()->hide();
        m_values->setEditTriggers(QAbstractItemView::NoEditTriggers);
        m_values->setColumnWidth(0, 90);
        m_values->setColumnWidth(1, 110);
        for (int r = 0; r < 8; ++r)
            for (int c = 0; c < 2; ++c)
                m_values->setItem(r, c, new QTableWidgetItem);

        m_log = new QPlainTextEdit(this);
        m_log->setObjectName(QStringLiteral("statusLog"));
        m_log->setReadOnly(true);
        m_log->setMaximumBlockCount(1000); // minutes of "Automaticky" stay at hand
        connect(clear, &QAction::triggered, m_log, &QPlainTextEdit::clear);

        m_bits = new QTableWidget(7, 17, this);
        m_bits->setObjectName(QStringLiteral("bitTable"));
        m_bits->horizontalHeader()->hide();
        m_bits->verticalHeader()->hide();
        m_bits->setEditTriggers(QAbstractItemView::NoEditTriggers);
        m_bits->setColumnWidth(0, 100);
        for (int c = 1; c <= 16; ++c)
            m_bits->setColumnWidth(c, 22);
        for (int r = 0; r < 7; ++r)
            for (int c = 0; c <= 16; ++c) {
                auto* cell = new QTableWidgetItem;
                cell->setTextAlignment(c ? Qt::AlignCenter : Qt::AlignLeft | Qt::AlignVCenter);
                m_bits->setItem(r, c, cell);
            }
        m_bits->item(0, 0)->setText(tx("gui", "Nazev"));
        for (int c = 1; c <= 16; ++c)
            m_bits->item(0, c)->setText(QString::number(17 - c));
        connect(m_bits, &QTableWidget::cellDoubleClicked, this, [this](int r, int c) {
            if (r != OutputsRow || c < 1)
                return;
            QTableWidgetItem* cell = m_bits->item(r, c);
            cell->setText(cell->text() == QLatin1String("1") ? QStringLiteral("0")
                                                             : QStringLiteral("1"));
        });

        QSplitter* split = nullptr;
        auto* tabs = new QTabWidget(this);
        tabs->setObjectName(QStringLiteral("statusTabs"));
        tabs->addTab(m_values, tx("gui", "Hodnoty"));
        tabs->addTab(buildChart(), tx("gui", "Graf"));
        split = new QSplitter(this);
        split->addWidget(tabs);
        split->addWidget(m_log);
        split->setStretchFactor(1, 1);

        auto* layout = new QVBoxLayout(this);
        layout->setMenuBar(bar);
        layout->addWidget(split, 1);
        layout->addWidget(m_bits);

        m_timer = new QTimer(this);
        m_timer->setInterval(2000);
        connect(m_timer, &QTimer::timeout, this, [this] { requestStatus(); });
        connect(m_automatic, &QAction::toggled, this, [this](bool on) {
            // A menu bar shows no tick: the item says whether it runs.
            m_automatic->setText(on ? tx("gui", "Auto&maticky: zapnuto")
                                    : tx("gui", "Auto&maticky"));
            if (on) {
                m_timer->start();
                requestStatus();
            } else {
                m_timer->stop();
            }
        });
        const int line = fontMetrics().height() + 6;
        m_values->verticalHeader()->setDefaultSectionSize(line);
        m_bits->verticalHeader()->setDefaultSectionSize(line);
        m_bits->setFixedHeight(7 * line + 4);
        split->setSizes({560, 300});
        resize(900, 600);
    }

private:
    QWidget* buildChart() {
        auto* chart = new QChart;
        chart->setObjectName(QStringLiteral("statusChart"));
        chart->legend()->setAlignment(Qt::AlignBottom);
        m_time = new QDateTimeAxis;
        m_time->setFormat(QStringLiteral("HH:mm:ss"));
        m_axisValue = new QValueAxis;
        m_axisValue->setTitleText(QStringLiteral("°C / PWM"));
        m_axisValue->setLabelFormat(QStringLiteral("%.0f"));
        QFont small = chart->legend()->font();
        small.setPointSizeF(small.pointSizeF() * 0.85);
        chart->legend()->setFont(small);
        m_time->setLabelsFont(small);
        m_time->setTickCount(4);
        m_axisValue->setLabelsFont(small);
        chart->addAxis(m_time, Qt::AlignBottom);
        chart->addAxis(m_axisValue, Qt::AlignLeft);
        m_chart = chart;
        // Every series is made before the chart is shown: one attached later leaves the
        // time axis without labels. Rows 0-5 of the value table, then the PWM value.
        // Seven colours told apart at a glance (the theme's own palette repeats its hues).
        const QColor colours[] = {QColor(0x1f, 0x77, 0xb4), QColor(0xd6, 0x27, 0x28),
                                  QColor(0x2c, 0xa0, 0x2c), QColor(0xff, 0x7f, 0x0e),
                                  QColor(0x94, 0x67, 0xbd), QColor(0x17, 0xbe, 0xcf),
                                  QColor(0x00, 0x00, 0x00)};
        for (int i = 0; i <= 6; ++i) {
            auto* line = new QLineSeries;
            line->setName(i == 6 ? QStringLiteral("PWM")
                                 : tx("status", QStringLiteral("Teplota%1").arg(i + 1)));
            QPen pen(colours[i]);
            pen.setWidthF(2.0);
            line->setPen(pen);
            chart->addSeries(line);
            line->attachAxis(m_time);
            line->attachAxis(m_axisValue);
            m_series[size_t(i)] = line;
        }
        auto* view = new QChartView(chart, this);
        view->setObjectName(QStringLiteral("statusChartView"));
        view->setRenderHint(QPainter::Antialiasing);
        view->setMinimumSize(420, 260);
        return view;
    }

    // One point per series at now, under the value table's names; points older than ten
    // minutes go. A series without points leaves the legend.
    void plot(const std::vector<ChartPoint>& points) {
        const qint64 now = QDateTime::currentMSecsSinceEpoch();
        for (const ChartPoint& point : points) {
            QLineSeries* line = m_series[size_t(point.series)];
            const QString name = tx("status", point.name);
            if (line->name() != name)
                line->setName(name);
            if (std::isfinite(point.value))
                line->append(double(now), point.value);
        }
        double low = 0, high = 1;
        bool first = true;
        for (QLineSeries* line : m_series) {
            while (line->count() > 0 && line->at(0).x() < double(now - ChartSpanMs))
                line->remove(0);
            for (QLegendMarker* marker : m_chart->legend()->markers(line))
                marker->setVisible(line->count() > 0);
            for (const QPointF& p : line->points()) {
                low = first ? p.y() : std::min(low, p.y());
                high = first ? p.y() : std::max(high, p.y());
                first = false;
            }
        }
        const double margin = std::max(1.0, (high - low) * 0.05);
        m_axisValue->setRange(low - margin, high + margin);
        // At least ten seconds wide: an axis once given an empty range keeps no labels.
        const qint64 from = std::min(std::max(now - ChartSpanMs, m_firstPointMs), now - 10000);
        m_time->setRange(QDateTime::fromMSecsSinceEpoch(from), QDateTime::fromMSecsSinceEpoch(now));
    }

    void requestStatus() {
        // One request at a time; a tick that comes while one runs is left out.
        if (m_requesting)
            return;
        m_requesting = true;
        bool reached = false;
        bool ran = false;
        m_context.runLink([this, &reached, &ran] {
            ran = true;
            DeviceLink& link = m_context.workspace.link();
            prepareStatusRequest(link.packet());
            link.exchange(ExchangeMode::CloseAfterReply);
            if (link.linkFailed())
                return; // the exchange said why; nothing stale is shown
            if (const QString refusal = statusRefusal(link.packet()); !refusal.isEmpty())
                throw OperationError(refusal);
            show(statusView(decodeStatus(link.packet().payload(), link.packet().length())));
            reached = true;
        });
        m_requesting = false;
        // A tick that met another operation is left out; one that reached no unit ends
        // the repetition (the failure was said).
        if (ran && !reached && m_automatic->isChecked())
            m_automatic->setChecked(false);
    }

    void show(const StatusView& view) {
        for (const QString& line : view.lines)
            m_log->appendPlainText(line);
        for (int r = 0; r < 6; ++r) {
            const BitRow& row = view.bits[size_t(r)];
            if (!row.carried)
                continue;
            m_bits->item(r + 1, 0)->setText(tx("status", row.name));
            for (int k = 0; k < row.width; ++k)
                m_bits->item(r + 1, 16 - k)
                    ->setText((row.value >> k) & 1 ? QStringLiteral("1") : QStringLiteral("0"));
            mirror(r, row);
        }
        // Rows 0-4 take their thermometer's flag at every reply, new temperature or not.
        for (int r = 0; r < 5; ++r)
            m_values->item(r, 1)->setBackground(view.flagged[size_t(r)] ? Qt::red : Qt::white);
        for (const ValueRow& row : view.values) {
            m_values->item(row.row, 0)->setText(tx("status", row.name));
            m_values->item(row.row, 1)->setText(valueText(row.value));
        }
        if (m_firstPointMs == 0)
            m_firstPointMs = QDateTime::currentMSecsSinceEpoch();
        plot(view.chart);
    }

    // The state labels of the page windows whose registry row names this bit row.
    void mirror(int statusRow, const BitRow& row) {
        for (const PageInfo& page : pageRegistry()) {
            if (page.statusRow != statusRow)
                continue;
            for (QWidget* top : QApplication::topLevelWidgets()) {
                if (top->objectName() != QLatin1String(page.windowClass))
                    continue;
                for (int k = 0; k < page.statusBits && k < row.width; ++k) {
                    auto* label = top->findChild<QLabel*>(
                        QStringLiteral("lp%1").arg(k, 2, 10, QLatin1Char('0')));
                    if (!label)
                        continue;
                    QPalette palette = label->palette();
                    palette.setColor(QPalette::WindowText,
                                     (row.value >> k) & 1 ? Qt::red : Qt::black);
                    label->setPalette(palette);
                }
            }
        }
    }

    // "Nastav výstup" takes the pattern from the Outputs row as it stands.
    std::uint16_t currentPattern() const {
        QStringList cells;
        for (int c = 1; c <= 16; ++c)
            cells << m_bits->item(OutputsRow, c)->text();
        return outputPattern(cells);
    }

    void send(const unit::Command& action) {
        // The one argument an action takes is the output pattern.
        unit::Values values;
        if (!action.arguments.empty())
            values.push_back(currentPattern());
        m_context.runLink(
            [this, &action, values] { unit::send(m_context.workspace.link(), action, values); });
    }

    WindowContext m_context;
    QAction* m_automatic = nullptr;
    QTableWidget* m_values = nullptr;
    QTableWidget* m_bits = nullptr;
    QPlainTextEdit* m_log = nullptr;
    QTimer* m_timer = nullptr;
    QChart* m_chart = nullptr;
    QDateTimeAxis* m_time = nullptr;
    QValueAxis* m_axisValue = nullptr;
    std::array<QLineSeries*, 7> m_series{};
    qint64 m_firstPointMs = 0;
    bool m_requesting = false;
};

} // namespace

std::unique_ptr<ManagedWindow> makeStatusWindow(const WindowRow& row, WindowContext& context) {
    return std::make_unique<StatusWindow>(row, context);
}
