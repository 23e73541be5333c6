#include "kit/Placement.h"

#include <QEvent>
#include <QGuiApplication>
#include <QRect>
#include <QScreen>
#include <QSettings>
#include <QWidget>
#include <QWindow>
#include <algorithm>
#include <cmath>
#include <limits>

namespace {

int screenDpi(const QWidget* window) {
    const QScreen* screen = window->screen();
    return screen ? int(std::lround(screen->logicalDotsPerInch())) : 96;
}

QString fourNumbers(int a, int b, int c, int d) {
    return QStringLiteral("%1,%2,%3,%4").arg(a).arg(b).arg(c).arg(d);
}

bool parseFour(const QString& text, int out[4]) {
    const QStringList parts = text.split(QLatin1Char(','));
    if (parts.size() != 4)
        return false;
    for (int i = 0; i < 4; ++i) {
        bool ok = false;
        out[i] = parts[i].trimmed().toInt(&ok);
        if (!ok)
            return false;
    }
    return true;
}

} // namespace

QRect placeOnScreen(const QWidget* window, const int stored[4], bool keepSize) {
    // The numbers come from a file anyone may have edited: compute in 64 bits and keep
    // the window whole on the screen it was on, never larger than that screen.
    const qint64 left = stored[0], top = stored[1];
    qint64 width = qint64(stored[2]) - left;
    qint64 height = qint64(stored[3]) - top;
    if (keepSize || width <= 0 || height <= 0) {
        width = window->width();
        height = window->height();
    }
    auto toInt = [](qint64 v) {
        return int(std::clamp<qint64>(v, std::numeric_limits<int>::min() / 2,
                                      std::numeric_limits<int>::max() / 2));
    };
    const QPoint centre(toInt(left + width / 2), toInt(top + height / 2));
    const QScreen* screen = QGuiApplication::screenAt(centre);
    if (!screen)
        screen = window->screen() ? window->screen() : QGuiApplication::primaryScreen();
    if (!screen)
        return QRect(toInt(left), toInt(top), toInt(width), toInt(height));
    // The frame the window manager puts around the window stays on the screen too.
    const QMargins frame =
        window->windowHandle() ? window->windowHandle()->frameMargins() : QMargins();
    const QRect area = screen->availableGeometry().marginsRemoved(frame);
    const qint64 w =
        std::clamp<qint64>(width, std::min(window->minimumWidth(), area.width()), area.width());
    const qint64 h =
        std::clamp<qint64>(height, std::min(window->minimumHeight(), area.height()), area.height());
    const qint64 x = std::clamp<qint64>(left, area.left(), qint64(area.left()) + area.width() - w);
    const qint64 y = std::clamp<qint64>(top, area.top(), qint64(area.top()) + area.height() - h);
    return QRect(int(x), int(y), int(w), int(h));
}

QString settingsText(const QSettings& settings, const QString& key, const QString& fallback) {
    const QVariant v = settings.value(key, fallback);
    if (v.typeId() == QMetaType::QStringList)
        return v.toStringList().join(QLatin1Char(','));
    return v.toString();
}

PlacementStore::PlacementStore(QWidget* window, QString section, QSettings* settings,
                               bool fixedSize)
    : QObject(window), m_window(window), m_section(std::move(section)), m_settings(settings),
      m_fixedSize(fixedSize) {
    window->installEventFilter(this);
}

bool PlacementStore::eventFilter(QObject* watched, QEvent* event) {
    if (watched == m_window) {
        if (event->type() == QEvent::Show && !m_restoring) {
            m_shownOnce = true;
            restore();
        } else if (event->type() == QEvent::Hide && !event->spontaneous() &&
                   m_window->windowState() == Qt::WindowNoState) {
            m_hiddenAt = m_window->geometry();
        } else if (event->type() == QEvent::Close) {
            save(false);
        }
    }
    return QObject::eventFilter(watched, event);
}

void PlacementStore::windowDestroying() {
    if (m_shownOnce)
        save(true);
}

void PlacementStore::save(bool destroying) {
    if (!m_settings)
        return;
    const QRect r =
        m_window->normalGeometry().isValid() ? m_window->normalGeometry() : m_window->geometry();
    int showCmd = 1;
    if (m_window->isMinimized())
        showCmd = 2;
    else if (m_window->isMaximized())
        showCmd = 3;
    m_settings->beginGroup(m_section);
    m_settings->setValue(QStringLiteral("FormVersion"), 0);
    m_settings->setValue(QStringLiteral("Flags"), 0);
    m_settings->setValue(QStringLiteral("ShowCmd"), showCmd);
    m_settings->setValue(QStringLiteral("PixelsPerInch"), screenDpi(m_window));
    m_settings->setValue(QStringLiteral("MinMaxPos"), fourNumbers(-1, -1, -1, -1));
    m_settings->setValue(
        QStringLiteral("NormPos"),
        fourNumbers(r.left(), r.top(), r.left() + r.width(), r.top() + r.height()));
    m_settings->setValue(QStringLiteral("Visible"), destroying ? 1 : 0);
    m_settings->endGroup();
}

void PlacementStore::restore() {
    if (!m_settings)
        return;
    m_settings->beginGroup(m_section);
    const int version = m_settings->value(QStringLiteral("FormVersion"), 0).toInt();
    const int dpi = m_settings->value(QStringLiteral("PixelsPerInch"), -1).toInt();
    const int showCmd = m_settings->value(QStringLiteral("ShowCmd"), 1).toInt();
    const QString normPos = settingsText(*m_settings, QStringLiteral("NormPos"));
    m_settings->endGroup();
    if (m_hiddenAt.isValid()) {
        // Shown again in the same run: where the user left it, newer than any stored key.
        m_restoring = true;
        const int rect[4] = {m_hiddenAt.left(), m_hiddenAt.top(),
                             m_hiddenAt.left() + m_hiddenAt.width(),
                             m_hiddenAt.top() + m_hiddenAt.height()};
        place(placeOnScreen(m_window, rect, m_fixedSize));
        m_restoring = false;
        return;
    }
    if (version < 0 || normPos.isEmpty())
        return;

    m_restoring = true;
    int rect[4];
    if (parseFour(normPos, rect) && dpi == screenDpi(m_window))
        place(placeOnScreen(m_window, rect, m_fixedSize));
    switch (showCmd) {
    case 2:
    case 6:
    case 7:
        m_window->setWindowState(Qt::WindowMinimized);
        break;
    case 3:
        m_window->setWindowState(Qt::WindowMaximized);
        break;
    default:
        break;
    }
    m_restoring = false;
}

void PlacementStore::place(const QRect& rect) {
    // A window shown again keeps its native window, and Qt skips a geometry equal to the
    // one it knows: a window the user moved and then closed would go to the window manager
    // without a position of its own, and be placed anew. Telling the native window makes
    // the position the program's.
    if (QWindow* native = m_window->windowHandle())
        native->setGeometry(rect);
    m_window->setGeometry(rect);
}
