#include "workspace/ConfigDocument.h"
#include "base/Language.h"
#include "image/ConfigFile.h"
#include <QSaveFile>

#include "base/Errors.h"
#include "base/Text.h"
#include "image/RawRegionPage.h"
#include "logic/RelayPage.h"

#include <QJsonArray>
#include <QJsonDocument>
#include <QSet>
#include <optional>

namespace {

// A document names its form at the top. One without it is of the first form, keyed by the
// Czech captions: pages by title, fields by row and caption, list values by their texts.
const QString VersionKey = QStringLiteral("_format");
constexpr int Version = 2;
const QString RestKey = QStringLiteral("rest-bytes");
const QString CaptionRestKey = QStringLiteral("Ostatní bajty");

bool keyed(const QJsonObject& document) {
    return document.contains(VersionKey);
}
const QString& restKeyOf(const QJsonObject& document) {
    return keyed(document) ? RestKey : CaptionRestKey;
}

// A shown value as a program reads it: list texts by their keys.
QJsonValue keyedValue(const ShownField& f);

bool same(const ConfigImage& a, const ConfigImage& b) {
    return std::equal(a.data(), a.data() + mem::ImageSize, b.data());
}

QJsonValue asJson(const QVariant& value) {
    if (!value.isValid())
        return QJsonValue::Null;
    switch (value.typeId()) {
    case QMetaType::Bool:
        return value.toBool();
    case QMetaType::Double:
        return value.toDouble();
    case QMetaType::Int:
        return value.toInt();
    default:
        return value.toString();
    }
}

// The bytes of `image` at the addresses where `mask` is set, as runs of hex by address.
QJsonObject restBytes(const ConfigImage& image, const std::vector<bool>& mask) {
    QJsonObject runs;
    for (int a = 0; a < mem::ImageSize; ++a) {
        if (!mask[size_t(a)])
            continue;
        const int first = a;
        while (a + 1 < mem::ImageSize && mask[size_t(a + 1)])
            ++a;
        const QByteArray bytes(reinterpret_cast<const char*>(image.data() + first), a + 1 - first);
        runs[QStringLiteral("%1").arg(first, 4, 10, QLatin1Char('0'))] =
            QString::fromLatin1(bytes.toHex().toUpper());
    }
    return runs;
}

ConfigImage baseImage(const QJsonValue& rest, const QString& restKey) {
    ConfigImage image;
    if (rest.isUndefined())
        return image;
    if (!rest.isObject())
        throw OperationError(tx("workspace", "„%1“ má být objekt adres a bajtů.").arg(restKey));
    const QJsonObject runs = rest.toObject();
    for (auto it = runs.begin(); it != runs.end(); ++it) {
        bool ok = false;
        const int first = it.key().toInt(&ok);
        const QByteArray hex = it.value().toString().toLatin1();
        const QByteArray bytes = QByteArray::fromHex(hex);
        const bool isHex = it.value().isString() && hex.size() % 2 == 0 &&
                           bytes.toHex().compare(hex, Qt::CaseInsensitive) == 0;
        if (!ok || first < 0 || !isHex || first + bytes.size() > mem::ImageSize)
            throw OperationError(tx("workspace", "%1 / %2: čeká se adresa 0 až %3 a šestnáctkové "
                                                 "bajty, které se do obrazu vejdou.")
                                     .arg(restKey, visibleText(it.key()))
                                     .arg(mem::ImageSize - 1));
        std::copy(bytes.begin(), bytes.end(), image.data() + first);
    }
    return image;
}

QVariant fromJson(const QString& where, const QJsonValue& v) {
    switch (v.type()) {
    case QJsonValue::Null:
        return {};
    case QJsonValue::Bool:
        return v.toBool();
    case QJsonValue::Double:
        return v.toDouble();
    case QJsonValue::String:
        // The unit keeps one Windows-1250 byte a character: a character it lacks would be
        // stored as "?" without a word.
        if (const QString bad = cp1250::firstUnencodable(v.toString()); !bad.isEmpty()) {
            QStringList codes;
            for (const uint c : bad.toUcs4())
                codes << QStringLiteral("U+%1").arg(c, 4, 16, QLatin1Char('0')).toUpper();
            throwBadValue(where, tx("workspace", "znak %1 (%2) jednotka neumí uložit "
                                                 "(kódování Windows-1250).")
                                     .arg(visibleText(bad), codes.join(QLatin1Char(' '))));
        }
        return v.toString();
    default:
        throwBadValue(where, tx("workspace", "čeká se jedna hodnota, ne seznam ani objekt."));
    }
}

// A page's object as fields: a member holding an object is a row of fields.
std::vector<ShownField> pageFields(const QJsonObject& page) {
    std::vector<ShownField> fields;
    for (auto it = page.begin(); it != page.end(); ++it) {
        if (!it.value().isObject()) {
            ShownField field;
            field.caption = it.key();
            field.value = fromJson(it.key(), it.value());
            fields.push_back(std::move(field));
            continue;
        }
        const QJsonObject row = it.value().toObject();
        for (auto f = row.begin(); f != row.end(); ++f) {
            ShownField field;
            field.row = it.key();
            field.caption = f.key();
            field.value = fromJson(field.where(), f.value());
            fields.push_back(std::move(field));
        }
    }
    return fields;
}

// A keyed page's object: field keys and values, nothing nested.
std::vector<ShownField> keyedFields(const QJsonObject& page) {
    std::vector<ShownField> fields;
    for (auto it = page.begin(); it != page.end(); ++it) {
        ShownField field;
        field.caption = it.key();
        field.key = it.key();
        field.value = fromJson(field.where(), it.value());
        fields.push_back(std::move(field));
    }
    return fields;
}

// The fields over the base, gathered. Strict: throws at the first thing it cannot take,
// naming the page; otherwise such things are left out.
ConfigImage apply(const ConfigImage& base, const QJsonObject& document, bool strict,
                  QStringList* warnings = nullptr) {
    PageModels models;
    QStringList problems;
    for (const PageInfo& info : pageRegistry())
        models.page(info.slot).onMessage = [&problems, &info](const QString& text,
                                                              const QString& detail) {
            problems << QStringLiteral("%1 / %2: %3")
                            .arg(tx("page", info.title), detail, visibleText(text));
        };
    models.scatter(base);
    const bool byKeys = keyed(document);
    for (auto it = document.begin(); it != document.end(); ++it) {
        if (it.key() == restKeyOf(document) || (byKeys && it.key() == VersionKey))
            continue;
        const PageInfo* info = nullptr;
        for (const PageInfo& candidate : pageRegistry())
            if ((byKeys ? QLatin1String(candidate.cliName) : QString::fromUtf8(candidate.title)) ==
                it.key())
                info = &candidate;
        if (!info)
            throw OperationError(
                tx("workspace", "Neznámá stránka „%1“.").arg(visibleText(it.key())));
        if (!it.value().isObject())
            throw OperationError(tx("workspace", "Stránka „%1“ má být objekt polí.").arg(it.key()));
        const auto refuse = [&](const QString& text) {
            if (strict)
                throw OperationError(QStringLiteral("%1: %2").arg(tx("page", info->title), text));
        };
        std::vector<ShownField> fields;
        try {
            fields =
                byKeys ? keyedFields(it.value().toObject()) : pageFields(it.value().toObject());
        } catch (const OperationError& e) {
            refuse(e.text());
        }
        models.page(info->slot).setShownFields(fields, refuse);
    }
    ConfigImage image = models.gatherAll();
    // A relay whose expression does not compile is refused; what a save of the file would
    // warn about as well (too many timers) is a warning.
    const auto& relays = dynamic_cast<const RelayPage&>(models.page(PageSlot::Relays));
    const QString relaysTitle = QString::fromUtf8(pageInfo(PageSlot::Relays).title);
    for (const QString& problem : problems) {
        bool failed = false;
        for (int n = 0; n < RelayPage::RowCount; ++n)
            failed = failed ||
                     (relays.failedRows()[size_t(n)] &&
                      problem.startsWith(QStringLiteral("%1 / R%2:").arg(relaysTitle).arg(n + 1)));
        if (failed && strict)
            throw OperationError(problem);
        if (!failed && warnings)
            *warnings << problem;
    }
    return image;
}

} // namespace

ConfigImage savedImage(const ConfigImage& image) {
    PageModels models;
    models.scatter(image);
    return models.gatherAll();
}

QJsonObject shownDocument(const std::vector<ShownPage>& pages) {
    QJsonObject document;
    for (const ShownPage& shown : pages) {
        QJsonObject page;
        for (const ShownField& f : shown.fields) {
            if (f.row.isEmpty()) {
                page[f.caption] = f.follows ? QJsonValue(QJsonValue::Null) : asJson(f.value);
            } else {
                QJsonObject row = page[f.row].toObject();
                row[f.caption] = f.follows ? QJsonValue(QJsonValue::Null) : asJson(f.value);
                page[f.row] = row;
            }
        }
        document[shown.title] = page;
    }
    return document;
}

namespace {

QJsonValue keyedValue(const ShownField& f) {
    if (f.follows || !f.value.isValid())
        return QJsonValue::Null;
    switch (f.form) {
    case ShownField::Form::Item:
        return f.itemKey;
    case ShownField::Form::Items: {
        QStringList keys;
        for (const QString& part : f.value.toString().split(QStringLiteral(", ")))
            keys << asciiKey(part);
        return keys.join(QStringLiteral(", "));
    }
    case ShownField::Form::Plain:
        break;
    }
    return asJson(f.value);
}

} // namespace

QJsonObject keyedDocument(const std::vector<ShownPage>& pages) {
    QJsonObject document;
    document[VersionKey] = Version;
    for (const ShownPage& shown : pages) {
        QJsonObject page;
        for (const ShownField& f : shown.fields) {
            page[f.key.isEmpty() ? f.where() : f.key] = keyedValue(f);
        }
        document[shown.key] = page;
    }
    return document;
}

QJsonObject exportDocument(const ConfigImage& image) {
    const ConfigImage saved = savedImage(image);
    PageModels models;
    models.scatter(saved);
    QJsonObject document = keyedDocument(models.shown());
    // The bytes the fields alone do not bring back, found by trying: each round adds the
    // bytes the import still gets wrong. A page whose fields depend on such bytes may take
    // a few rounds; should it not settle, every byte goes with the document.
    std::vector<bool> rest(mem::ImageSize, false);
    const auto wrongBytes = [&] {
        const ConfigImage back = apply(baseImage(restBytes(saved, rest), RestKey), document, false);
        int wrong = 0;
        for (int a = 0; a < mem::ImageSize; ++a)
            if (back[a] != saved[a]) {
                rest[size_t(a)] = true;
                ++wrong;
            }
        return wrong;
    };
    int wrong = 0;
    for (int round = 0; round < 4 && (wrong = wrongBytes()) > 0; ++round) {
    }
    // The import must take the document as it stands and give the saved image; should it
    // not, every byte goes with the document.
    const auto withRest = [&] {
        QJsonObject complete = document;
        if (std::find(rest.begin(), rest.end(), true) != rest.end())
            complete[RestKey] = restBytes(saved, rest);
        return complete;
    };
    const auto takenWhole = [&](const QJsonObject& complete) {
        try {
            return same(importDocument(complete), saved);
        } catch (const OperationError&) {
            return false;
        }
    };
    if (wrong == 0 && takenWhole(withRest()))
        return withRest();
    for (int a = 0; a < mem::ImageSize; ++a)
        rest[size_t(a)] = saved[a] != 0;
    if (!takenWhole(withRest()))
        throw OperationError(tx("workspace", "Konfiguraci nelze převést na dokument beze ztráty."));
    return withRest();
}

ConfigImage importDocument(const QJsonObject& document, QStringList* warnings) {
    if (keyed(document) && document.value(VersionKey) != QJsonValue(Version))
        throw OperationError(tx("workspace", "Dokument je ve formě %1, program zná formu %2.")
                                 .arg(document.value(VersionKey).isDouble()
                                          ? QString::number(document.value(VersionKey).toDouble())
                                          : QStringLiteral("?"))
                                 .arg(Version));
    const QString& rest = restKeyOf(document);
    return apply(baseImage(document.value(rest), rest), document, true, warnings);
}

namespace {

// The first member name an object of the JSON text repeats, as written, or nothing. The
// text has already parsed, so only strings, nesting and separators need telling apart.
std::optional<QString> repeatedKey(const QByteArray& json) {
    struct Level {
        bool object;
        bool expectKey;
        QSet<QString> keys;
    };
    std::vector<Level> levels;
    for (qsizetype i = 0; i < json.size(); ++i) {
        const char c = json.at(i);
        if (c == '{' || c == '[') {
            levels.push_back({c == '{', c == '{', {}});
        } else if (c == '}' || c == ']') {
            if (!levels.empty())
                levels.pop_back();
        } else if (c == ',') {
            if (!levels.empty() && levels.back().object)
                levels.back().expectKey = true;
        } else if (c == '"') {
            const qsizetype start = i;
            for (++i; i < json.size() && json.at(i) != '"'; ++i)
                if (json.at(i) == '\\')
                    ++i;
            if (levels.empty() || !levels.back().object || !levels.back().expectKey)
                continue;
            levels.back().expectKey = false;
            // The name with its escapes read as JSON reads them.
            const QJsonDocument one =
                QJsonDocument::fromJson("[" + json.mid(start, i - start + 1) + "]");
            const QString key = one.array().at(0).toString();
            if (levels.back().keys.contains(key))
                return key;
            levels.back().keys.insert(key);
        }
    }
    return std::nullopt;
}

} // namespace

QJsonObject parseDocument(const QByteArray& json) {
    QJsonParseError error;
    const QJsonDocument document = QJsonDocument::fromJson(json, &error);
    if (error.error != QJsonParseError::NoError)
        throw OperationError(tx("workspace", "Není to dokument konfigurace (JSON objekt): %1 u "
                                             "znaku %2.")
                                 .arg(error.errorString())
                                 .arg(error.offset));
    if (!document.isObject())
        throw OperationError(
            tx("workspace", "Není to dokument konfigurace (JSON objekt): není objekt."));
    if (const auto key = repeatedKey(json))
        throw OperationError(tx("workspace", "Dokument uvádí „%1“ dvakrát; nelze poznat, která "
                                             "hodnota platí.")
                                 .arg(visibleText(*key)));
    return document.object();
}

void writeDocumentFile(const QString& path, const ConfigImage& image) {
    const QByteArray text = QJsonDocument(exportDocument(image)).toJson();
    requireRegularFile(path, true);
    QSaveFile out(path);
    if (!out.open(QIODevice::WriteOnly) || out.write(text) != text.size() || !out.commit())
        throw FileError(
            tx("workspace", "Soubor %1 se nepodařilo zapsat: %2").arg(path, out.errorString()));
}
