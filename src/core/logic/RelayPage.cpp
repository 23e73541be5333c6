#include "logic/RelayPage.h"
#include "base/Language.h"

#include "base/Errors.h"
#include "image/MemoryMap.h"
#include "logic/RelayCompiler.h"

#include <algorithm>

void RelayPage::scatterImage(const ConfigImage& image) {
    m_mask = std::uint32_t(image[mem::RelayMask]) |
             (std::uint32_t(image[mem::RelayMask + 1]) << 8) |
             (std::uint32_t(image[mem::RelayMask + 2]) << 16) |
             (std::uint32_t(image[mem::RelayMask + 3]) << 24);
    m_codeLength = image.u16(mem::RelayCodeLength);
    m_failed.fill(false);
    image.copyOut(mem::RelayIndex, int(m_index.size()), m_index.data());
    // A damaged length never takes the code past the description area.
    const int available = std::min(int(m_codeLength), mem::RelayCodeLimit - mem::RelayCode);
    m_code.assign(size_t(available), 0);
    image.copyOut(mem::RelayCode, available, m_code.data());

    // The programs lie one after another in relay order; the start addresses are not used.
    size_t position = 0;
    for (int n = 0; n < RowCount; ++n) {
        const size_t length = std::min(size_t(entryLength(n)), m_code.size() - position);
        const std::uint8_t* start = m_code.data() + position;
        m_programs[size_t(n)].assign(start, start + length);
        m_shown[size_t(n)] = DecodeRelayProgram(start, int(length), int(m_code.size() - position));
        rows[size_t(n)].text = m_shown[size_t(n)];
        position += length;
        rows[size_t(n)].description =
            image.description(mem::RelayDescriptions.first + mem::DescriptionSlotSize * n);
    }
}

void RelayPage::gatherImage(ConfigImage& image) {
    // Decide each stored relay's bytes. The timer count runs as one gather's compilation
    // runs, so the 17th timer of the gather is refused as the unit would refuse it.
    std::array<std::vector<std::uint8_t>, StoredRows> decided;
    std::array<bool, RowCount> failed{};
    int timerCount = 0;
    for (int n = 0; n < StoredRows; ++n) {
        const auto row = size_t(n);
        if (rows[row].text != m_shown[row]) {
            RelayCompileResult result = CompileRelayExpression(rows[row].text, timerCount);
            if (result.ok) {
                decided[row] = std::move(result.code);
                continue;
            }
            failed[row] = true;
            message(result.error, n);
        }
        decided[row] = m_programs[row];
        timerCount += CountRelayTimers(decided[row]);
    }
    // Number the timers afresh in row order, so that no two relays share one.
    int renumbered = 0;
    for (int n = 0; n < StoredRows; ++n)
        if (!RenumberRelayTimers(decided[size_t(n)], renumbered))
            message(QString::fromUtf8(relay::TimerError), n);

    size_t total = 0;
    for (const auto& program : decided)
        total += program.size();
    if (mem::RelayCode + int(total) > mem::RelayCodeLimit)
        throw GatherError(tx("logic", "Programy virtuálních relé mají %1 bajtů, do paměti "
                                      "jednotky se jich vejde nejvýše %2.")
                              .arg(total)
                              .arg(mem::RelayCodeLimit - mem::RelayCode));

    m_mask = 0;
    m_code.clear();
    for (int n = 0; n < StoredRows; ++n) {
        const auto& program = decided[size_t(n)];
        if (!program.empty())
            m_mask |= 1u << n;
        const int start = mem::RelayCode + int(m_code.size());
        m_index[size_t(4 * n + 1)] = std::uint8_t(program.size());
        m_index[size_t(4 * n + 2)] = std::uint8_t(start & 0xFF);
        m_index[size_t(4 * n + 3)] = std::uint8_t(start >> 8);
        m_code.insert(m_code.end(), program.begin(), program.end());
        m_programs[size_t(n)] = program;
    }
    m_codeLength = std::uint16_t(m_code.size());
    m_failed = failed;

    for (int i = 0; i < 4; ++i)
        image[mem::RelayMask + i] = std::uint8_t(m_mask >> (8 * i));
    image.setU16(mem::RelayCodeLength, m_codeLength);
    image.copyIn(mem::RelayIndex, int(m_index.size()), m_index.data());
    image.copyIn(mem::RelayCode, int(m_code.size()), m_code.data());
    for (int n = 0; n < StoredRows; ++n)
        image.setDescription(mem::RelayDescriptions.first + mem::DescriptionSlotSize * n,
                             rows[size_t(n)].description);
}

// The caption of a program as a reader sees it.
[[maybe_unused]] const char* const ExpressionWord = QT_TRANSLATE_NOOP("fields", "Výraz");

std::vector<ShownField> RelayPage::shownFields() const {
    std::vector<ShownField> shown;
    for (int n = 0; n < StoredRows; ++n) {
        const QString row = QStringLiteral("R%1").arg(n + 1);
        const QString key = QStringLiteral("r%1-").arg(n + 1);
        shown.push_back({row,
                         QStringLiteral("Výraz"),
                         rows[size_t(n)].text.trimmed(),
                         false,
                         key + QStringLiteral("expression"),
                         ShownField::Form::Plain,
                         {}});
        shown.push_back({row,
                         QStringLiteral("Popis"),
                         rows[size_t(n)].description,
                         false,
                         key + QStringLiteral("description"),
                         ShownField::Form::Plain,
                         {}});
    }
    return shown;
}

void RelayPage::setShownFields(const std::vector<ShownField>& keyed, const Refusal& refuse) {
    for (const ShownField& f : underCaptions(keyed, shownFields())) {
        const QString where = f.where();
        bool ok = false;
        const int n = f.row.startsWith(QLatin1Char('R')) ? f.row.mid(1).toInt(&ok) - 1 : -1;
        const bool text = f.caption == QStringLiteral("Výraz");
        if (!ok || n < 0 || n >= StoredRows || (!text && f.caption != QStringLiteral("Popis")) ||
            f.row != QStringLiteral("R%1").arg(n + 1)) {
            refuse(unknownFieldText(where));
            continue;
        }
        Row& row = rows[size_t(n)];
        if (sameShownValue(f.value, text ? row.text.trimmed() : row.description))
            continue;
        const QString value = f.value.toString();
        if (f.value.typeId() != QMetaType::QString)
            refuse(badValueText(where, tx("logic", "čeká se text.")));
        else if (!text && value.size() >= mem::DescriptionSlotSize)
            refuse(badValueText(
                where,
                tx("logic", "text je delší než %1 znaků.").arg(mem::DescriptionSlotSize - 1)));
        else
            (text ? row.text : row.description) = value;
    }
}
