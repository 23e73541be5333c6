#include "app/Placement.h"

#include <QEvent>
#include <QScreen>
#include <QSettings>
#include <QWidget>
#include <cmath>

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
    if (version < 0 || normPos.isEmpty())
        return;

    m_restoring = true;
    int rect[4];
    if (parseFour(normPos, rect) && dpi == screenDpi(m_window)) {
        const int width = rect[2] - rect[0];
        const int height = rect[3] - rect[1];
        if (m_fixedSize || width <= 0 || height <= 0)
            m_window->move(rect[0], rect[1]);
        else
            m_window->setGeometry(rect[0], rect[1], width, height);
    }
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
