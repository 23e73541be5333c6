#include "base/Language.h"

#include <QCoreApplication>
#include <QEvent>
#include <QHash>
#include <QLibraryInfo>
#include <QLocale>
#include <QMutex>
#include <QTranslator>
#include <algorithm>
#include <atomic>

namespace language {

namespace {

std::atomic<Lang> g_current{Lang::Czech};
QTranslator* g_tool = nullptr;
QTranslator* g_qt = nullptr;

// What tx() gave out in each language, for windows that change their words with the
// language: a text two sources gave out alike is known to be ambiguous.
struct Given {
    QMutex mutex;
    QHash<QString, QList<Source>> sources[2];
};
Given& given() {
    static Given g;
    return g;
}

// Whether the catalogue knows a text: only those are worth remembering (a value passed
// through tx(), as a list's item read from a file, is not).
bool inCatalogue(const char* context, const char* source) {
    static const QTranslator* const catalogue = [] {
        auto* t = new QTranslator;
        if (!t->load(QStringLiteral(":/i18n/quel5_en.qm"))) {
            delete t;
            return static_cast<QTranslator*>(nullptr);
        }
        return t;
    }();
    return catalogue && !catalogue->translate(context, source).isEmpty();
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
    // The windows put their words anew once, with everything in place.
    g_current = lang;
    if (QCoreApplication::instance()) {
        QEvent change(QEvent::LanguageChange);
        QCoreApplication::sendEvent(QCoreApplication::instance(), &change);
    }
    return loaded;
}

Lang current() {
    return g_current;
}

std::optional<Source> sourceOf(const QString& shown, Lang lang) {
    Given& g = given();
    QMutexLocker lock(&g.mutex);
    const QList<Source> candidates = g.sources[int(lang)].value(shown);
    if (candidates.isEmpty())
        return std::nullopt;
    // Sources that read alike in the language they were given out in are one text when they
    // read alike in this language too.
    const QString now = QCoreApplication::translate(candidates.first().context.constData(),
                                                    candidates.first().text.constData());
    for (const Source& s : candidates)
        if (QCoreApplication::translate(s.context.constData(), s.text.constData()) != now)
            return std::nullopt;
    return candidates.first();
}

QString translated(const Source& source) {
    return tx(source.context.constData(), source.text.constData());
}

} // namespace language

QString tx(const char* context, const char* source) {
    QString text = QCoreApplication::translate(context, source);
    if (!language::inCatalogue(context, source))
        return text;
    language::Given& g = language::given();
    QMutexLocker lock(&g.mutex);
    QList<language::Source>& givers = g.sources[int(language::current())][text];
    const auto same = [&](const language::Source& s) {
        return s.context == context && s.text == source;
    };
    if (std::none_of(givers.cbegin(), givers.cend(), same))
        givers.append({QByteArray(context), QByteArray(source)});
    return text;
}

QString tx(const char* context, const QString& source) {
    const QByteArray bytes = source.toUtf8();
    return tx(context, bytes.constData());
}
