#pragma once

#include <QPageLayout>
#include <QString>

class QPagedPaintDevice;
struct Report;

// The report's page: A4 portrait, 10 mm margins.
QPageLayout reportPageLayout();

// What is printed: the printout of "Tisk" (the title band, the sixteen thermostat bands,
// the relay band), or the commissioning record of every page as the windows hold it.
enum class ReportKind { Printout, Record };

// Paints the report on a printer or a PDF writer, from its first page, onto as many pages
// as it takes.
void paintReport(QPagedPaintDevice& device, const Report& report,
                 ReportKind kind = ReportKind::Printout);

// Writes the report as a PDF file; nothing is written when it cannot be finished. Throws
// FileError.
void writeReportPdf(const QString& path, const Report& report,
                    ReportKind kind = ReportKind::Printout);
