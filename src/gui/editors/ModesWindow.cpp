// The modes window "Režim". Left, "Nastavení režimů": the two rows of 24 hour switches
// (hours captioned over the top row), the seven day groups Po … Ne level with the rows, and
// a week strip that paints which hours each day runs. Pressing on a switch and dragging
// along its row sets every hour passed to the state the first one took. Right, "Datum a
// čas": the pickers follow the workstation's clock while "Synchro" is ticked; "Načti"
// reads the unit's clock, "Pošli" sets it.
#include "base/Language.h"
#include "editors/ModesPage.h"
#include "editors/PageWindow.h"
#include "kit/ExchangeControls.h"
#include "unit/Clock.h"
#include "workspace/Workspace.h"

#include <QButtonGroup>
#include <QCheckBox>
#include <QDateEdit>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QMouseEvent>
#include <QPainter>
#include <QPushButton>
#include <QRadioButton>
#include <QTimeEdit>
#include <QTimer>
#include <QVBoxLayout>
#include <climits>
#include <functional>

namespace {

// A digit typed into a date or time picker goes into the section the cursor stands in,
// also when that section is full and not selected (the picker would refuse it as one
// digit too many).
class SectionTyping : public QObject {
public:
    using QObject::QObject;
    bool eventFilter(QObject* watched, QEvent* event) override {
        auto* edit = qobject_cast<QDateTimeEdit*>(watched);
        if (edit && event->type() == QEvent::KeyPress) {
            const auto* key = static_cast<QKeyEvent*>(event);
            const QString text = key->text();
            const QDateTimeEdit::Section section = edit->currentSection();
            const int full = section == QDateTimeEdit::YearSection ? 4 : 2;
            if (text.size() == 1 && text.at(0).isDigit() && key->modifiers() == Qt::NoModifier &&
                section != QDateTimeEdit::NoSection && edit->sectionText(section).size() >= full &&
                !edit->findChild<QLineEdit*>()->hasSelectedText())
                edit->setSelectedSection(section);
        }
        return false;
    }
};

// Seven lines, Monday first: the hours each day is on, in the colour of its profile, each
// hour under its switches; the day's name after hour 23.
class WeekStrip : public QWidget {
public:
    WeekStrip(QWidget* parent, std::function<int(int day)> profileOf,
              std::function<bool(int profile, int hour)> isOn,
              std::function<int(int hour)> centreOf)
        : QWidget(parent), m_profileOf(std::move(profileOf)), m_isOn(std::move(isOn)),
          m_centreOf(std::move(centreOf)), m_line(fontMetrics().height() + 2) {
        setObjectName(QStringLiteral("WeekStrip"));
        setProperty("lineHeight", m_line); // for a reader of the picture
        setFixedHeight(7 * m_line + 2);
        setToolTip(tx("gui", "Týden: hodiny, kdy je režim zapnutý (modře profil 0, "
                             "oranžově profil 1, šrafovaně den bez profilu)"));
    }

    static QColor colourOf(int profile) {
        return profile == 0 ? QColor(0x30, 0x70, 0xD0) : QColor(0xF0, 0x90, 0x20);
    }

protected:
    void paintEvent(QPaintEvent*) override {
        QPainter p(this);
        // Hour h spans halfway to its neighbours' switches.
        double edge[25];
        for (int h = 1; h < 24; ++h)
            edge[h] = (m_centreOf(h - 1) + m_centreOf(h)) / 2.0;
        edge[0] = 2 * m_centreOf(0) - edge[1];
        edge[24] = 2 * m_centreOf(23) - edge[23];
        for (int line = 0; line < 7; ++line) {
            const int day = ModesPage::ScreenDays[line];
            const int profile = m_profileOf(day);
            const QRectF row(edge[0], line * m_line + 1, edge[24] - edge[0], m_line - 2);
            p.fillRect(row, QColor(0xF4, 0xF4, 0xF4));
            if (profile < 0) {
                p.fillRect(row, QBrush(Qt::gray, Qt::BDiagPattern)); // runs neither profile
            } else {
                for (int h = 0; h < 24; ++h)
                    if (m_isOn(profile, h))
                        p.fillRect(QRectF(edge[h], row.top(), edge[h + 1] - edge[h], row.height()),
                                   colourOf(profile));
            }
            p.setPen(QColor(0xC0, 0xC0, 0xC0));
            for (int h = 0; h <= 24; h += 6)
                p.drawLine(QPointF(edge[h], row.top()), QPointF(edge[h], row.bottom()));
            p.setPen(palette().color(QPalette::WindowText));
            p.drawText(QRectF(edge[24] + 6, line * m_line, width() - edge[24] - 6, m_line),
                       Qt::AlignVCenter | Qt::AlignLeft, tx("items", ModesPage::DayNames[day - 1]));
        }
    }

private:
    std::function<int(int)> m_profileOf;
    std::function<bool(int, int)> m_isOn;
    std::function<int(int)> m_centreOf;
    int m_line;
};

class ModesWindow : public PageWindow {
public:
    ModesWindow(const WindowRow& row, WindowContext& context)
        : PageWindow(PageSlot::Modes, row, context) {
        auto* schedule = new QGridLayout;
        schedule->setHorizontalSpacing(2);
        schedule->setVerticalSpacing(2);
        auto* title = label(tx("gui", "Nastavení režimů"));
        QFont bold = title->font();
        bold.setBold(true);
        title->setFont(bold);
        for (int h = 0; h < ModesPage::Hours; ++h) {
            schedule->addWidget(label(QString::number(h)), 0, h, Qt::AlignCenter);
            for (int p = 0; p < ModesPage::Profiles; ++p) {
                auto* box = qobject_cast<QCheckBox*>(
                    control(ModesPage::hourName(p, h).toLatin1().constData()));
                m_hours[p][h] = box;
                box->installEventFilter(this);
                schedule->addWidget(box, 1 + p, h, Qt::AlignCenter);
            }
        }
        // The day groups, Monday first, each button level with its row.
        schedule->setColumnMinimumWidth(ModesPage::Hours, 12);
        for (int i = 0; i < 7; ++i) {
            const int day = ModesPage::ScreenDays[i];
            const QByteArray name = ModesPage::dayName(day).toLatin1();
            QWidget* group = control(name.constData());
            group->hide();
            const int column = ModesPage::Hours + 1 + i;
            schedule->addWidget(label(tx("items", ModesPage::DayNames[day - 1])), 0, column,
                                Qt::AlignCenter);
            for (int p = 0; p < ModesPage::Profiles; ++p)
                schedule->addWidget(
                    findChild<QRadioButton*>(QString::fromLatin1(name) + QString::number(p)), 1 + p,
                    column, Qt::AlignCenter);
            m_days[day] = findChild<QButtonGroup*>(QString::fromLatin1(name));
        }

        m_strip = new WeekStrip(
            this, [this](int day) { return m_days[day]->checkedId(); },
            [this](int p, int h) { return m_hours[p][h]->isChecked(); },
            [this](int h) {
                QCheckBox* box = m_hours[0][h];
                return m_strip->mapFrom(this, box->mapTo(this, box->rect().center())).x();
            });
        for (auto& row : m_hours)
            for (QCheckBox* box : row)
                connect(box, &QCheckBox::toggled, m_strip, [this] { m_strip->update(); });
        for (int day = 1; day <= 7; ++day)
            connect(m_days[day], &QButtonGroup::idToggled, m_strip, [this] { m_strip->update(); });

        auto* left = new QVBoxLayout;
        left->addWidget(title);
        left->addLayout(schedule);
        left->addWidget(m_strip);
        auto* save = new QHBoxLayout;
        save->addWidget(saveButton());
        save->addStretch();
        left->addLayout(save);
        left->addStretch();

        auto* top = new QHBoxLayout(this);
        top->addLayout(left);
        top->addSpacing(16);
        top->addLayout(buildClock());
        bind();
    }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override {
        int profile = -1;
        int hour = -1;
        for (int p = 0; p < ModesPage::Profiles; ++p)
            for (int h = 0; h < ModesPage::Hours; ++h)
                if (m_hours[p][h] == watched)
                    profile = p, hour = h;
        if (profile < 0)
            return PageWindow::eventFilter(watched, event);
        switch (event->type()) {
        case QEvent::MouseButtonPress:
        case QEvent::MouseButtonDblClick:
            if (static_cast<QMouseEvent*>(event)->button() != Qt::LeftButton)
                return false;
            m_dragProfile = profile;
            m_dragHour = hour;
            m_dragState = !m_hours[profile][hour]->isChecked();
            m_hours[profile][hour]->setChecked(m_dragState);
            m_hours[profile][hour]->setFocus(Qt::MouseFocusReason);
            return true;
        case QEvent::MouseMove:
            if (m_dragProfile >= 0)
                dragTo(static_cast<QMouseEvent*>(event)->globalPosition().toPoint());
            return m_dragProfile >= 0;
        case QEvent::MouseButtonRelease:
            if (m_dragProfile < 0)
                return false;
            m_dragProfile = -1;
            return true;
        default:
            return false;
        }
    }

private:
    // Every hour between the last one passed and the one under the pointer takes the state
    // of the first, so that a quick drag misses none.
    void dragTo(const QPoint& global) {
        // The hour whose switch is nearest across the row: a drag need not stay on the line.
        const auto& row = m_hours[m_dragProfile];
        int under = 0;
        int nearest = INT_MAX;
        for (int h = 0; h < ModesPage::Hours; ++h) {
            const int distance = std::abs(row[h]->mapFromGlobal(global).x() - row[h]->width() / 2);
            if (distance < nearest)
                nearest = distance, under = h;
        }
        const int step = under >= m_dragHour ? 1 : -1;
        for (int h = m_dragHour; h != under + step; h += step)
            row[h]->setChecked(m_dragState);
        m_dragHour = under;
    }

    QLayout* buildClock() {
        auto* clock = new QGridLayout;
        auto* heading = label(tx("gui", "Datum a čas"));
        heading->setObjectName(QStringLiteral("Label1"));
        QFont bold = heading->font();
        bold.setBold(true);
        heading->setFont(bold);
        m_synchro = new QCheckBox(QStringLiteral("Synchro"), this);
        m_synchro->setObjectName(QStringLiteral("LMDCheckBox1"));
        m_synchro->setChecked(true);
        m_date = new QDateEdit(this);
        m_date->setObjectName(QStringLiteral("DateTimePicker1"));
        m_date->setCalendarPopup(true);
        m_date->setDisplayFormat(QStringLiteral("d. M. yyyy"));
        m_time = new QTimeEdit(this);
        m_time->setObjectName(QStringLiteral("DateTimePicker2"));
        m_time->setDisplayFormat(QStringLiteral("HH:mm:ss"));
        auto* typing = new SectionTyping(this);
        m_date->installEventFilter(typing);
        m_time->installEventFilter(typing);
        auto* read = new QPushButton(tx("gui", "Načti"), this);
        read->setObjectName(QStringLiteral("LMDButton1"));
        markExchangeControl(read);
        auto* send = new QPushButton(tx("gui", "Pošli"), this);
        send->setObjectName(QStringLiteral("LButtPC"));
        send->setEnabled(false);
        markExchangeControl(send);
        m_timer = new QTimer(this);
        m_timer->setObjectName(QStringLiteral("Timer1"));
        m_timer->setInterval(1000);

        clock->addWidget(heading, 0, 0, 1, 2);
        clock->addWidget(m_synchro, 1, 0, 1, 2);
        clock->addWidget(m_date, 2, 0);
        clock->addWidget(m_time, 2, 1);
        clock->addWidget(read, 3, 0);
        clock->addWidget(send, 3, 1);
        clock->setRowStretch(4, 1);

        connect(m_timer, &QTimer::timeout, this,
                [this] { showTime(QDateTime::currentDateTime()); });
        connect(m_synchro, &QCheckBox::toggled, this, [this](bool on) {
            if (on) {
                showTime(QDateTime::currentDateTime());
                m_timer->start();
            } else {
                m_timer->stop();
            }
        });
        connect(read, &QPushButton::clicked, this, [this] { readClock(); });
        connect(send, &QPushButton::clicked, this, [this] { sendClock(); });
        showTime(QDateTime::currentDateTime());
        m_timer->start();
        return clock;
    }

    void showTime(const QDateTime& time) {
        m_date->setDate(time.date());
        m_time->setTime(time.time());
    }

    void readClock() {
        m_synchro->setChecked(false);
        m_context.runLink([this] {
            const QDateTime time = unitclock::read(m_context.workspace.link());
            if (time.isValid())
                showTime(time);
        });
    }

    void sendClock() {
        const QTime t = m_time->time();
        const QDateTime time(m_date->date(), QTime(t.hour(), t.minute(), t.second()), Qt::UTC);
        // Read back: a unit that acknowledges the write but keeps its old time is not set.
        m_context.runLink(
            [this, time] { unitclock::writeChecked(m_context.workspace.link(), time); });
    }

    QCheckBox* m_hours[ModesPage::Profiles][ModesPage::Hours] = {};
    QButtonGroup* m_days[8] = {};
    WeekStrip* m_strip = nullptr;
    int m_dragProfile = -1;
    int m_dragHour = -1;
    bool m_dragState = false;
    QCheckBox* m_synchro = nullptr;
    QDateEdit* m_date = nullptr;
    QTimeEdit* m_time = nullptr;
    QTimer* m_timer = nullptr;
};

} // namespace

std::unique_ptr<ManagedWindow> makeModesWindow(const WindowRow& row, WindowContext& context) {
    return std::make_unique<ModesWindow>(row, context);
}
