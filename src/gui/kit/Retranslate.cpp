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

void retranslateWidget(QWidget* w, bool top) {
    put(
        w, "toolTip", [w] { return w->toolTip(); }, [w](const QString& t) { w->setToolTip(t); });
    if (top)
        put(
            w, "windowTitle", [w] { return w->windowTitle(); },
            [w](const QString& t) { w->setWindowTitle(t); });
    const QVariant heading = w->property(HeadingProperty);
    if (auto* label = qobject_cast<QLabel*>(w); label && heading.isValid())
        label->setText(headingText(heading.toString()));
    else if (auto* label = qobject_cast<QLabel*>(w))
        put(
            w, "text", [label] { return label->text(); },
            [label](const QString& t) { label->setText(t); });
    else if (auto* button = qobject_cast<QAbstractButton*>(w))
        put(
            w, "text", [button] { return button->text(); },
            [button](const QString& t) { button->setText(t); });
    else if (auto* group = qobject_cast<QGroupBox*>(w))
        put(
            w, "title", [group] { return group->title(); },
            [group](const QString& t) { group->setTitle(t); });
    else if (auto* edit = qobject_cast<QLineEdit*>(w))
        put(
            w, "placeholder", [edit] { return edit->placeholderText(); },
            [edit](const QString& t) { edit->setPlaceholderText(t); });
    else if (auto* menu = qobject_cast<QMenu*>(w))
        put(
            w, "title", [menu] { return menu->title(); },
            [menu](const QString& t) { menu->setTitle(t); });
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
    put(
        a, "text", [a] { return a->text(); }, [a](const QString& t) { a->setText(t); });
    put(
        a, "toolTip", [a] { return a->toolTip(); }, [a](const QString& t) { a->setToolTip(t); });
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
