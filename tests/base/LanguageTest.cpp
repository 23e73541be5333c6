// The tool's language: which one a locale speaks, and a catalogue whose words lead back to
// their sources, so that the windows can change their language and back.
#include "base/Language.h"

#include <QFile>
#include <QHash>
#include <QXmlStreamReader>
#include <gtest/gtest.h>

namespace {

using language::Lang;

TEST(Language, ALocaleSpeaksCzechWhenCzechOrNoneAndEnglishOtherwise) {
    const std::pair<const char*, Lang> cases[] = {
        {"cs_CZ.UTF-8", Lang::Czech}, {"cs", Lang::Czech},
        {"cs_CZ@euro", Lang::Czech},  {"", Lang::Czech},
        {"C", Lang::Czech},           {"POSIX", Lang::Czech},
        {"C.UTF-8", Lang::Czech},     {"en_US.UTF-8", Lang::English},
        {"de_DE", Lang::English},     {"sk_SK.UTF-8", Lang::English},
        {"csb_PL", Lang::English}};
    for (const auto& [name, lang] : cases)
        EXPECT_EQ(language::ofLocaleName(QString::fromLatin1(name)), lang) << name;
    EXPECT_EQ(language::parse(QStringLiteral("en")), Lang::English);
    EXPECT_EQ(language::parse(QStringLiteral("cs")), Lang::Czech);
    EXPECT_FALSE(language::parse(QStringLiteral("CS")));
}

// A window that changes its language finds each control's source by the words it shows.
// Two sources that read alike in English would be words a window cannot put back into
// Czech; they are only allowed where one of them is an English name that reads as itself
// ("Outputs" of the status beside the page "Výstupy"), and the windows that show such a
// name put it themselves (a title, a list of operands).
TEST(Language, TheCatalogueWordsEverySourceApart) {
    QFile file(QStringLiteral(QUEL5_CATALOGUE));
    ASSERT_TRUE(file.open(QIODevice::ReadOnly));
    QXmlStreamReader xml(&file);
    QHash<QString, QString> sourceOf; // translation → a source that is not its own
    QString source;
    int messages = 0;
    while (!xml.atEnd()) {
        if (xml.readNext() != QXmlStreamReader::StartElement)
            continue;
        if (xml.name() == QLatin1String("source")) {
            source = xml.readElementText();
        } else if (xml.name() == QLatin1String("translation")) {
            const QString text = xml.readElementText();
            ++messages;
            EXPECT_FALSE(text.isEmpty()) << qPrintable(source);
            if (text == source)
                continue;
            // A question's "Zrušit" and the login's "Zruš" are both "Cancel"; the login dialog
            // keeps its button's source, a question is gone before the language can change.
            if (text != QLatin1String("Cancel"))
                EXPECT_EQ(sourceOf.value(text, source), source)
                    << "both worded " << qPrintable(text);
            sourceOf.insert(text, source);
        }
    }
    ASSERT_FALSE(xml.hasError()) << qPrintable(xml.errorString());
    EXPECT_GT(messages, 400);
}

} // namespace
