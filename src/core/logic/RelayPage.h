#pragma once

#include "image/Page.h"

#include <QString>
#include <array>
#include <functional>
#include <vector>

// The virtual relays page: the relay program area of the image (mask, code length, 32
// index entries, code) and 32 rows of expression text and description. The unit runs
// relays 1-16; rows 17-32 are shown as the image holds them and never stored.
class RelayPage : public Page {
public:
    static constexpr int RowCount = 32;
    static constexpr int StoredRows = 16;

    struct Row {
        QString text;
        QString description;
    };
    std::array<Row, RowCount> rows;

    // The rows whose typed text the last gather could not compile; they keep their
    // previous program.
    const std::array<bool, RowCount>& failedRows() const { return m_failed; }

    // The gather rebuilds the relay area from rows 1-16. A row whose text is what the last scatter
    // showed keeps its stored bytes, so that opening and saving never changes what a unit
    // runs; an edited row is compiled, and when it fails to compile it keeps its previous
    // program. Timer indexes are numbered afresh over rows 1-16 in order. Throws
    // GatherError, leaving the image alone, when the programs do not fit before the
    // description area. Compile errors go to onMessage, naming the row ("R3").

    // Rows R1..R16: the expression and the description.
    std::vector<ShownField> shownFields() const override;
    // Takes them back; an expression is compiled by the gather that follows.
    void setShownFields(const std::vector<ShownField>& fields, const Refusal& refuse) override;

    // The text the last scatter showed in a row.
    const QString& shownText(int row) const { return m_shown.at(size_t(row)); }
    // The bytes a row's relay holds now: as last scattered or stored by a gather.
    const std::vector<std::uint8_t>& program(int row) const { return m_programs.at(size_t(row)); }
    std::uint32_t mask() const { return m_mask; }
    std::uint16_t codeLength() const { return m_codeLength; }
    // Index entry n (0-based): length and start address.
    int entryLength(int row) const { return m_index[size_t(4 * row + 1)]; }
    int entryStart(int row) const {
        return m_index[size_t(4 * row + 2)] | (m_index[size_t(4 * row + 3)] << 8);
    }

protected:
    // Decodes every row's program into its text and reads the descriptions.
    void scatterImage(const ConfigImage& image) override;
    void gatherImage(ConfigImage& image) override;

private:
    void message(const QString& text, int row) {
        if (onMessage)
            onMessage(text, QStringLiteral("R%1").arg(row + 1));
    }

    std::uint32_t m_mask = 0;
    std::uint16_t m_codeLength = 0;
    std::array<std::uint8_t, 128> m_index{};
    std::vector<std::uint8_t> m_code;
    std::array<std::vector<std::uint8_t>, RowCount> m_programs;
    std::array<QString, RowCount> m_shown;
    std::array<bool, RowCount> m_failed{};
};
