#pragma once

#include "image/MemoryMap.h"
#include "image/Page.h"

#include <QHash>
#include <QSet>
#include <QStringList>
#include <QVariant>
#include <vector>

// How a control's value sits in the image.
enum class FieldKind {
    Address,      // 4 bytes in written order, shown dotted; a text that does not parse stops
                  // the gather with the unit's own wording
    Text,         // text and zero byte in `size` bytes; the bytes after the zero are kept
    ClearedText,  // the same, with the whole field set to zeros first
    Number,       // unsigned, `size` 1 or 2 bytes little-endian, kept within min..max
    Flag,         // one byte: ticked when it holds 1, stored as 1 or 0
    Bit,          // bit `bit` of a `size`-byte bit set, rebuilt from its controls at a gather
    List,         // a byte holding the index into `items`; an index outside the list shows no
                  // selection (-1) and no selection is stored as 255
    Tenths,       // `size`-byte value in tenths, shown with one decimal, stored rounded; the
                  // range is the control's, a stored value outside it shows as it is
    SignedTenths, // a signed 16-bit value in tenths, shown with one decimal; stored rounded
                  // half to even, kept within min..max both ways
    Description,  // a 20-byte description slot of the image at `at`, written into the image
                  // itself (not into the record copy): 19 characters and a zero at most
    Label,        // shown only; the page's own rule or `captionBy` gives its text
    Mode,         // a choice of the window's, not in the image: which `mode` of the fields is
                  // shown (an index into `items`)
    BitChoice,    // which of the bit sets at `at`, `at` + 1, … (one byte each, one per item)
                  // holds bit `bit`: the last that does, -1 for none; stored as that bit in
                  // that set alone, the sets rebuilt from their controls at a gather
};

// When a field is shown: `field` holds one of `values` (bit v for the value v, bit 31 for
// no selection or a value past 30), and `also`, if given, one of `alsoValues`.
struct ShowWhen {
    const char* field;
    unsigned values;
    const char* also = nullptr;
    unsigned alsoValues = 0;
};

// One control of a page, declared once: its object name, where its value lies and how
// it is kept.
struct FieldSpec {
    const char* name;
    FieldKind kind;
    const char* row = "";     // the caption of the control's row ("X8"), if it has one
    const char* caption = ""; // its caption or column heading ("Použit")
    int at = -1;              // image address of the value's first byte
    int size = 1;             // bytes of a Number, Tenths, Bit set or text field
    int bit = 0;
    int min = 0; // range of a Number (of a Tenths: in tenths); min == max: no range
    int max = 0;
    double initial = 0;           // value before the first scatter
    const char* initialText = ""; // text before the first scatter
    int typing = 0;               // characters a text control lets the user type
    int mirror = -1;              // Address: a second copy; Text: where its length goes
    QStringList items = {};       // List items; with captionBy: the captions by its value
    // Shown while any of these holds; none: always. Fields of the row's type, for example.
    std::vector<ShowWhen> shownWhen = {};
    int mode = -1;                   // shown only while the page's Mode field holds this
    const char* captionBy = nullptr; // the field whose value picks the caption from `items`
    bool stored = true;              // false: scattered and shown, never gathered
};

// A page whose record is a table of fields: it owns the record copy of its regions and
// the values of its controls, and does scatter and gather by the table. A page's own
// rules (checksums, fixed bytes, values that depend on each other) are the two hooks.
class FieldPage : public Page {
public:
    // regions: the fixed records the page keeps a copy of; its description slots are
    // fields of their own.
    FieldPage(std::vector<mem::Region> regions, std::vector<FieldSpec> fields);

    const std::vector<FieldSpec>& fields() const { return m_fields; }
    const std::vector<mem::Region>& regions() const { return m_regions; }
    const FieldSpec* field(const QString& name) const;

    // Values by control name: QString for addresses, texts and labels, int for numbers
    // and lists (-1 no selection), bool for flags and bits, double for tenths.
    QVariant value(const QString& name) const;
    void setValue(const QString& name, const QVariant& value);
    QString text(const QString& name) const { return value(name).toString(); }

    // The record copy: the page's regions as the last scatter brought them and the last
    // gather left them; zeros before either.
    const ConfigImage& recordCopy() const { return m_copy; }

    // Every captioned value the gather stores, in table order, as the window shows it: of a page
    // with rules of showing, only the fields shown in some mode, each under its caption of the
    // moment (" (Mod 1)" added for a field of a mode).
    std::vector<ShownField> shownFields() const override;
    // Fields are found under their captions of the moment, the key fields first.
    void setShownFields(const std::vector<ShownField>& fields, const Refusal& refuse) override;

    // The value shownFields gives for the field: what the window shows, unless the page
    // knows better what the unit will hold.
    virtual QVariant shownValueNow(const FieldSpec& f) const;
    // Whether the field may follow another one (null in a document: follow it), and
    // whether it does now.
    virtual bool mayFollow(const FieldSpec& f) const {
        Q_UNUSED(f);
        return false;
    }
    virtual bool followsNow(const FieldSpec& f) const {
        Q_UNUSED(f);
        return false;
    }
    // Whether the window shows the field now: its rules hold and its mode is chosen.
    bool isShown(const FieldSpec& f) const;
    // Whether the field's rules hold, whatever the mode: its `shownWhen`, or a page's own.
    virtual bool rulesHold(const FieldSpec& f) const;
    // The field's caption now (a label's text): by `captionBy` when it has one, else the
    // caption (a label's initial text).
    QString captionNow(const FieldSpec& f) const;
    // The range a number box allows now, in its stored units (tenths for tenths).
    virtual std::pair<int, int> rangeNow(const FieldSpec& f) const { return {f.min, f.max}; }
    // True when some field's showing or caption depends on values: the window then
    // passes each edit of such a value on at once.
    bool hasRules() const { return !m_keys.isEmpty(); }
    bool isKey(const QString& name) const { return m_keys.contains(name); }
    static QVariant shownValue(const FieldSpec& f, const QVariant& value);
    // A SignedTenths value as stored: tenths rounded half to even, within the field's range.
    static int tenthsHalfEven(double value, const FieldSpec& f);

protected:
    void scatterImage(const ConfigImage& image) override;
    void gatherImage(ConfigImage& image) override;

    // After the values were read from the record copy.
    virtual void afterScatter() {}
    // After the values were stored into the record copy, before it goes to the image.
    virtual void beforeStore(ConfigImage& copy) { Q_UNUSED(copy); }

    ConfigImage m_copy;

private:
    QVariant read(const FieldSpec& f) const;
    // The value a shown one stands for; throws naming `where` when it does not fit.
    QVariant fromShown(const FieldSpec& f, const QString& where, const QVariant& shown) const;
    void write(const FieldSpec& f, const QVariant& value);

    std::vector<mem::Region> m_regions;
    std::vector<FieldSpec> m_fields;
    std::vector<QVariant> m_values;
    QHash<QString, int> m_index;
    QSet<QString> m_keys;
    int m_mode = -1; // index of the Mode field
};
