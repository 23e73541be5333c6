#include "base/Language.h"

#include <QCoreApplication>
#include <QHash>
#include <QLibraryInfo>
#include <QLocale>
#include <QMutex>
#include <QTranslator>
#include <atomic>

namespace language {

namespace {

std::atomic<Lang> g_current{Lang::Czech};
QTranslator* g_tool = nullptr;
QTranslator* g_qt = nullptr;

// What tx() gave out, for windows that change their words with the language.
struct Given {
    QMutex mutex;
    QHash<QString, Source> sources;
};
Given& given() {
    static Given g;
    return g;
}

void drop(QTranslator*& translator) {
    if (!translator)
        return;
    QCoreApplication::removeTranslator(translator);
    delete translator;
    translator = nullptr;
}

} // namespace

std::optional<Lang> parse(const QString& code) {
    if (code == QLatin1String("cs"))
        return Lang::Czech;
    if (code == QLatin1String("en"))
        return Lang::English;
    return std::nullopt;
}

QString code(Lang lang) {
    return lang == Lang::Czech ? QStringLiteral("cs") : QStringLiteral("en");
}

Lang ofLocaleName(const QString& name) {
    // "cs_CZ.UTF-8@euro": the language is what comes before the territory, the code set
    // and the modifier.
    QString language = name;
    for (QChar end : {QLatin1Char('_'), QLatin1Char('.'), QLatin1Char('@')}) {
        const qsizetype at = language.indexOf(end);
        if (at >= 0)
            language.truncate(at);
    }
    if (language.isEmpty() || language == QLatin1String("C") ||
        language == QLatin1String("POSIX") || language == QLatin1String("cs"))
        return Lang::Czech;
    return Lang::English;
}

Lang fromEnvironment() {
    for (const char* variable : {"LC_ALL", "LC_MESSAGES", "LANG"}) {
        const QString value = qEnvironmentVariable(variable);
        if (!value.isEmpty())
            return ofLocaleName(value);
    }
    return Lang::Czech;
}

bool apply(Lang lang) {
    drop(g_tool);
    drop(g_qt);
    bool loaded = true;
    if (lang == Lang::English) {
        // The sources are Czech: English is the tool's catalogue, and Qt speaks English
        // by itself.
        g_tool = new QTranslator;
        if (g_tool->load(QStringLiteral(":/i18n/quel5_en.qm"))) {
            QCoreApplication::installTranslator(g_tool);
        } else {
            loaded = false;
            drop(g_tool);
        }
    } else {
        g_qt = new QTranslator;
        if (g_qt->load(QLocale(QLocale::Czech), QStringLiteral("qtbase"), QStringLiteral("_"),
                       QLibraryInfo::path(QLibraryInfo::TranslationsPath))) {
            QCoreApplication::installTranslator(g_qt);
        } else {
            loaded = false;
            drop(g_qt);
        }
    }
    g_current = lang;
    return loaded;
}

Lang current() {
    return g_current;
}

std::optional<Source> sourceOf(const QString& shown) {
    Given& g = given();
    QMutexLocker lock(&g.mutex);
    const auto it = g.sources.constFind(shown);
    if (it == g.sources.constEnd())
        return std::nullopt;
    return *it;
}

QString translated(const Source& source) {
    return tx(source.context.constData(), source.text.constData());
}

} // namespace language

QString tx(const char* context, const char* source) {
    QString text = QCoreApplication::translate(context, source);
    language::Given& g = language::given();
    QMutexLocker lock(&g.mutex);
    // A text is known by what it reads: the Czech sources as they are, and in English the
    // texts the catalogue translates (an English source reads the same in both languages
    // and would only stand in the way of a translation that reads like it). The catalogue
    // never words two sources alike; the first giver keeps a text all the same.
    if (language::current() == language::Lang::English && text == QLatin1String(source))
        return text;
    if (!g.sources.contains(text))
        g.sources.insert(text, {QByteArray(context), QByteArray(source)});
    return text;
}

QString tx(const char* context, const QString& source) {
    const QByteArray bytes = source.toUtf8();
    return tx(context, bytes.constData());
}
