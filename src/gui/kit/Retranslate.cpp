#include "kit/Retranslate.h"

#include "base/Language.h"

#include <QAbstractButton>
#include <QAbstractItemView>
#include <QAction>
#include <QApplication>
#include <QComboBox>
#include <QEvent>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QTabWidget>
#include <QTableWidget>
#include <utility>

namespace {

const char* const WindowProperty = "quel5FollowsLanguage";
const char* const HeadingProperty = "quel5Heading";

QString headingText(const QString& caption) {
    QString text = tx("fields", caption);
    const qsizetype unit = text.indexOf(QStringLiteral(" ["));
    if (unit > 0)
        text = text.left(unit) + QLatin1Char('\n') + text.mid(unit + 1);
    return text;
}

// The text a property shows, in the language of the moment. Each object remembers the
// source of its text under the property's name and the text it then showed: a text the
// code has replaced since is looked up afresh.
language::Lang g_from = language::Lang::Czech; // the language of the words being replaced

std::optional<QString> again(QObject* object, const QByteArray& key, const QString& shown) {
    if (shown.isEmpty())
        return std::nullopt;
    const QByteArray sourceKey = "quel5Source_" + key;
    const QByteArray shownKey = "quel5Shown_" + key;
    std::optional<language::Source> source;
    const QStringList kept = object->property(sourceKey).toStringList();
    if (kept.size() == 2 && object->property(shownKey).toString() == shown)
        source = language::Source{kept[0].toUtf8(), kept[1].toUtf8()};
    else
        source = language::sourceOf(shown, g_from);
    if (!source)
        return std::nullopt;
    const QString text = language::translated(*source);
    object->setProperty(sourceKey, QStringList{QString::fromUtf8(source->context),
                                               QString::fromUtf8(source->text)});
    object->setProperty(shownKey, text);
    if (text == shown)
        return std::nullopt;
    return text;
}

template <typename Get, typename Set> void put(QObject* object, const char* key, Get get, Set set) {
    if (std::optional<QString> text = again(object, key, get()))
        set(*text);
}

// A text property of Qt's ("text", "title", "toolTip", …).
void putProperty(QObject* object, const char* name) {
    if (std::optional<QString> text = again(object, name, object->property(name).toString()))
        object->setProperty(name, *text);
}

void retranslateWidget(QWidget* w, bool top) {
    putProperty(w, "toolTip");
    if (top)
        putProperty(w, "windowTitle");
    const QVariant heading = w->property(HeadingProperty);
    if (qobject_cast<QLabel*>(w) && heading.isValid())
        static_cast<QLabel*>(w)->setText(headingText(heading.toString()));
    else if (qobject_cast<QLabel*>(w) || qobject_cast<QAbstractButton*>(w))
        putProperty(w, "text");
    else if (qobject_cast<QGroupBox*>(w) || qobject_cast<QMenu*>(w))
        putProperty(w, "title");
    else if (qobject_cast<QLineEdit*>(w))
        putProperty(w, "placeholderText");
    if (auto* combo = qobject_cast<QComboBox*>(w); combo && !combo->isEditable()) {
        for (int i = 0; i < combo->count(); ++i)
            put(
                w, "item" + QByteArray::number(i), [combo, i] { return combo->itemText(i); },
                [combo, i](const QString& t) { combo->setItemText(i, t); });
    }
    if (auto* tabs = qobject_cast<QTabWidget*>(w)) {
        for (int i = 0; i < tabs->count(); ++i)
            put(
                w, "tab" + QByteArray::number(i), [tabs, i] { return tabs->tabText(i); },
                [tabs, i](const QString& t) { tabs->setTabText(i, t); });
    }
    if (auto* table = qobject_cast<QTableWidget*>(w)) {
        // Names in a table's cells; the values never read like words of the tool.
        for (int r = 0; r < table->rowCount(); ++r)
            for (int c = 0; c < table->columnCount(); ++c)
                if (QTableWidgetItem* item = table->item(r, c))
                    if (std::optional<QString> text =
                            again(w, "cell" + QByteArray::number(r) + "," + QByteArray::number(c),
                                  item->text()))
                        item->setText(*text);
    }
    if (auto* view = qobject_cast<QAbstractItemView*>(w); view && view->model()) {
        // Headings come from the model, which words them as they are asked.
        QAbstractItemModel* model = view->model();
        if (model->columnCount() > 0)
            emit model->headerDataChanged(Qt::Horizontal, 0, model->columnCount() - 1);
        if (model->rowCount() > 0)
            emit model->headerDataChanged(Qt::Vertical, 0, model->rowCount() - 1);
        view->viewport()->update();
    }
}

void retranslateAction(QAction* a) {
    putProperty(a, "text");
    putProperty(a, "toolTip");
}

// Acts once per change of language, on the event that comes when every catalogue of the
// new one is in place.
class LanguageWatch : public QObject {
public:
    using QObject::QObject;
    bool eventFilter(QObject* watched, QEvent* event) override {
        if (event->type() == QEvent::LanguageChange && watched == qApp &&
            language::current() != m_words) {
            g_from = std::exchange(m_words, language::current());
            for (QWidget* top : QApplication::topLevelWidgets())
                if (top->property(WindowProperty).toBool())
                    retranslateTree(top);
        }
        return false;
    }

private:
    language::Lang m_words = language::current();
};

} // namespace

void retranslateTree(QWidget* top) {
    retranslateWidget(top, true);
    for (QWidget* w : top->findChildren<QWidget*>())
        retranslateWidget(w, w->isWindow());
    for (QAction* a : top->findChildren<QAction*>())
        retranslateAction(a);
}

void retranslateOnLanguageChange(QApplication& app) {
    app.installEventFilter(new LanguageWatch(&app));
}

void followLanguage(QWidget* window) {
    window->setProperty(WindowProperty, true);
}

void setHeading(QLabel* label, const QString& caption) {
    label->setProperty(HeadingProperty, caption);
    label->setText(headingText(caption));
}

void keepSource(QObject* control, const QByteArray& key, const char* context, const char* source,
                const QString& shown) {
    control->setProperty("quel5Source_" + key,
                         QStringList{QString::fromUtf8(context), QString::fromUtf8(source)});
    control->setProperty("quel5Shown_" + key, shown);
}
