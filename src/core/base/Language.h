#pragma once

#include <QByteArray>
#include <QString>
#include <optional>

class QCoreApplication;

// The language the tool speaks, for every front end alike. The texts are written in Czech
// in the sources; the English catalogue is built into the programs.
namespace language {

enum class Lang { Czech, English };

// "cs" or "en" (the value of --lang and of the setting "Jazyk").
std::optional<Lang> parse(const QString& code);
QString code(Lang lang);

// The language of a POSIX locale name: Czech for Czech ("cs_CZ.UTF-8") and for no
// language at all (empty, "C", "POSIX", "C.UTF-8"), English for every other.
Lang ofLocaleName(const QString& name);
// The user's language from the environment, as the C library picks the language of its
// messages: LC_ALL, else LC_MESSAGES, else LANG.
Lang fromEnvironment();

// Speaks lang from now on: the tool's catalogue and Qt's own (socket errors, standard
// buttons, file dialogs), replacing the ones before. The application gets a last
// LanguageChange event once current() is lang. A catalogue that cannot be loaded is
// reported by a false return.
bool apply(Lang lang);
Lang current();

// The Czech source and the context of a text tx() gave out in lang in this run, for
// windows that put the words of their controls anew when the language changes; nothing
// for a text that did not come from tx() or whose sources read alike in lang and apart in
// the language of the moment.
struct Source {
    QByteArray context;
    QByteArray text;
};
std::optional<Source> sourceOf(const QString& shown, Lang lang);
// The source in the language of the moment.
QString translated(const Source& source);

} // namespace language

// The text in the tool's language: the Czech source looked up in the catalogue's context.
// Safe from any thread. (A name of its own: inside a QObject, QObject::tr would hide it.)
QString tx(const char* context, const char* source);
// The same for a source kept in a table as a QString (a list's item, a row's name).
QString tx(const char* context, const QString& source);
