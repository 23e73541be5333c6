#include "print/ReportPainter.h"
#include "base/Language.h"

#include "base/Errors.h"
#include "image/ConfigFile.h"
#include "print/ThermostatPictures.h"
#include "workspace/Report.h"

#include <QPagedPaintDevice>
#include <QPainter>
#include <QPdfWriter>
#include <QSaveFile>

QPageLayout reportPageLayout() {
    return QPageLayout(QPageSize(QPageSize::A4), QPageLayout::Portrait, QMarginsF(10, 10, 10, 10),
                       QPageLayout::Millimeter);
}

namespace {

// Measures of the bands, in millimetres.
constexpr double TitleBand = 24.1;
constexpr double ThermostatBand = 8.5;
constexpr double RelayBand = 6.35;
constexpr double LabelLeft = 4.2;
constexpr double LabelTop = 2.1;
constexpr double PictureLeft = 25.4;
constexpr double PictureWidth = 27.8;
constexpr double PictureHeight = 6.6;

// Lays text out down the pages in millimetres from the paintable area's top left.
class Pages {
public:
    Pages(QPagedPaintDevice& device, QPainter& painter)
        : m_device(device), m_painter(painter), m_dpmm(device.logicalDpiY() / 25.4),
          m_height(device.height() / m_dpmm), m_width(device.width() / m_dpmm) {}

    double px(double mm) const { return mm * m_dpmm; }
    double width() const { return m_width; }
    double y() const { return m_y; }
    void advance(double mm) { m_y += mm; }

    void newPage() {
        m_device.newPage();
        m_y = 0;
    }
    // Starts a new page unless `needed` millimetres still fit on this one.
    void reserve(double needed) {
        if (m_y > 0 && m_y + needed > m_height)
            newPage();
    }
    // Text wrapped to the width from `left`; returns the millimetres it took.
    double textHeight(const QString& text, double left) const {
        const QRectF box(0, 0, px(m_width - left), px(1000));
        return m_painter.boundingRect(box, Qt::TextWordWrap | Qt::TextWrapAnywhere, text).height() /
               m_dpmm;
    }
    void text(const QString& text, double left, double top) {
        const QRectF box(px(left), px(m_y + top), px(m_width - left), px(1000));
        m_painter.drawText(box, Qt::AlignLeft | Qt::AlignTop | Qt::TextWrapAnywhere, text);
    }
    // A block of lines under a bold heading, each line at least `lineHeight` high.
    void block(const QString& heading, const QStringList& lines, double lineHeight) {
        QFont bold = m_painter.font();
        bold.setBold(true);
        const QFont plain = m_painter.font();
        m_painter.setFont(bold);
        reserve(lineHeight * 2);
        text(heading, LabelLeft, LabelTop);
        advance(lineHeight);
        m_painter.setFont(plain);
        for (const QString& line : lines) {
            const double h = std::max(lineHeight, textHeight(line, LabelLeft + 4) + LabelTop);
            reserve(h);
            text(line, LabelLeft + 4, LabelTop);
            advance(h);
        }
    }

private:
    QPagedPaintDevice& m_device;
    QPainter& m_painter;
    double m_dpmm;
    double m_height;
    double m_width;
    double m_y = 0;
};

} // namespace

void paintReport(QPagedPaintDevice& device, const Report& report, ReportKind kind) {
    QPainter painter(&device);
    if (!painter.isActive())
        return;
    QFont font(QStringLiteral("Arial"));
    font.setPointSizeF(10);
    painter.setFont(font);
    painter.setPen(Qt::black);
    Pages pages(device, painter);

    QFont bold = font;
    bold.setBold(true);
    painter.setFont(bold);
    pages.text(report.title, LabelLeft, LabelTop);
    painter.setFont(font);
    pages.advance(TitleBand);

    if (kind == ReportKind::Record) {
        painter.setFont(bold);
        pages.text(tx("print", "Záznam o nastavení jednotky"), LabelLeft, LabelTop);
        painter.setFont(font);
        pages.advance(RelayBand * 1.5);
        for (const ShownPage& page : report.pages) {
            QStringList lines;
            for (const ShownField& f : page.fields)
                lines << shownLine(f);
            pages.block(tx("page", page.title), lines, 5.0);
            pages.advance(2.0);
        }
        return;
    }

    for (const Report::ThermostatRow& row : report.thermostats) {
        if (row.type != 0) {
            pages.text(row.label, LabelLeft, LabelTop);
            const QRectF area(pages.px(PictureLeft), pages.px(pages.y()), pages.px(PictureWidth),
                              pages.px(PictureHeight));
            drawThermostatPicture(painter, area, row.type, PictureSet::Print);
        }
        pages.advance(ThermostatBand);
    }

    QStringList relays = report.relays;
    if (relays.isEmpty())
        relays << tx("print", "žádné relé nemá program");
    pages.block(tx("print", "Virtuální relé"), relays, RelayBand);
}

void writeReportPdf(const QString& path, const Report& report, ReportKind kind) {
    requireRegularFile(path, true);
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly))
        throw FileError(QStringLiteral("%1: %2").arg(path, file.errorString()));
    {
        QPdfWriter pdf(&file);
        pdf.setPageLayout(reportPageLayout());
        pdf.setTitle(report.title);
        pdf.setCreator(QStringLiteral("Quel5"));
        paintReport(pdf, report, kind);
    }
    if (!file.commit())
        throw FileError(QStringLiteral("%1: %2").arg(path, file.errorString()));
}
