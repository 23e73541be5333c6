#pragma once

#include "image/ConfigImage.h"

#include <QString>
#include <QVariant>
#include <vector>

#include <functional>
#include <map>

// A value as the page's window shows it, under its row and caption: a list by its item's
// text, a tenths value with its decimal, a box as true or false.
struct ShownField {
    QString row;
    QString caption;
    QVariant value; // QString, int, double or bool
    // The value is another field's, which this one follows while it is left alone (a
    // thermostat's "Mod 1" limits): a document writes it as null.
    bool follows = false;
    // What a program reads instead of the words: the field's stable ASCII key within its
    // page (the control's object name), and how its value is keyed.
    QString key;
    enum class Form : std::uint8_t {
        Plain, // the value as it is
        Item,  // a text of the field's list: keyed by asciiKey
        Items, // ", "-separated texts of a list: each keyed by asciiKey
    } form = Form::Plain;
    QString itemKey; // Form::Item: the value's key (itemKey)
    // "X14 / Negace", or the caption alone for a field without a row.
    QString where() const {
        return row.isEmpty() ? caption : row + QStringLiteral(" / ") + caption;
    }
    // The same in the language of the moment, for a reader.
    QString shownWhere() const;
    // The value for a reader: a list's items and yes or no in the language of the moment.
    QString shownValue() const;
};

// Two shown values that a reader sees as the same: numbers by value, the rest as they are.
bool sameShownValue(const QVariant& a, const QVariant& b);
// The key of a list's item in a document: asciiKey of its text when that is not empty and
// no other item of the list has it, else the text itself ("~IN1" beside "IN1").
QString itemKey(const QStringList& items, const QString& text);
// The item of a list a document names by its text or by its key; -1 when none.
int itemByKey(const QStringList& items, const QString& given);

// The given fields with each keyed one put under the row and caption that the field of its
// key has in `now` (a key `now` lacks stays as it is, named by its key).
std::vector<ShownField> underCaptions(const std::vector<ShownField>& given,
                                      const std::vector<ShownField>& now);
// The refusals of Page::setShownFields, naming the field.
QString unknownFieldText(const QString& where);
QString badValueText(const QString& where, const QString& problem);
[[noreturn]] void throwBadValue(const QString& where, const QString& problem);

// One page of the configuration: the record copy of its regions and the values its
// controls show. The workspace owns the pages; a window that shows a page subscribes to
// it: its values are shown after every scatter and collected before every gather.
class Page {
public:
    virtual ~Page() = default;

    // Image to record copy and values, then the subscribers show them.
    void scatter(const ConfigImage& image) {
        scatterImage(image);
        for (const auto& [id, s] : m_subscribers)
            if (s.shown)
                s.shown();
    }
    // The subscribers store their controls into the values, then values to record copy and
    // image. Throws GatherError when a value cannot be stored; the image is then left
    // without this page's record.
    void gather(ConfigImage& image) {
        for (const auto& [id, s] : m_subscribers)
            if (s.collect)
                s.collect();
        gatherImage(image);
        for (const auto& [id, s] : m_subscribers)
            if (s.gathered)
                s.gathered();
    }

    // Returns a key for unsubscribe(). gathered runs after a gather that stored the page.
    int subscribe(std::function<void()> shown, std::function<void()> collect,
                  std::function<void()> gathered = {}) {
        m_subscribers[++m_lastId] = {std::move(shown), std::move(collect), std::move(gathered)};
        return m_lastId;
    }
    void unsubscribe(int id) { m_subscribers.erase(id); }

    // A problem that does not end the gather (a relay that does not compile): the text and
    // what it is about ("R3"). The workspace sends it to the user; a window may take it.
    std::function<void(const QString& text, const QString& detail)> onMessage;

    // What the page's window shows, for a reader without the window; empty for a page
    // that has no editor yet.
    virtual std::vector<ShownField> shownFields() const { return {}; }
    // Sets the page from fields keyed and shown as shownFields gives them, for a gather to
    // store. A field given with the value it shows now is left as it is; fields not given
    // keep their values. A field the page does not have or whose value does not fit is
    // passed to refuse, named ("Neznámé pole „X99 / Negace“."), and left as it is; refuse
    // may throw to stop at the first.
    using Refusal = std::function<void(const QString& text)>;
    virtual void setShownFields(const std::vector<ShownField>& fields, const Refusal& refuse);

protected:
    virtual void scatterImage(const ConfigImage& image) = 0;
    virtual void gatherImage(ConfigImage& image) = 0;

private:
    struct Subscriber {
        std::function<void()> shown;
        std::function<void()> collect;
        std::function<void()> gathered;
    };
    std::map<int, Subscriber> m_subscribers;
    int m_lastId = 0;
};
