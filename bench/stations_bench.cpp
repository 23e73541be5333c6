// Times a station list of 65535 records: the bare read and decode, next to loading it into
// the overview's table model and a shown grid, sorting by "Jméno" and applying a filter.
#include "monitor/StationModel.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QFile>
#include <QHeaderView>
#include <QProcess>
#include <QRandomGenerator>
#include <QTableView>
#include <QTemporaryDir>
#include <algorithm>
#include <cstdio>
#include <vector>

namespace {

QByteArray generate(int count) {
    QRandomGenerator random(42);
    QByteArray content(3, '\0');
    content.reserve(3 + 91 * count);
    auto counted = [&](QByteArray& r, int at, const QByteArray& text, int capacity) {
        const QByteArray t = text.left(capacity);
        r[at] = char(t.size());
        r.replace(at + 1, int(t.size()), t);
    };
    const char* words[] = {"Kotelna", "Čerpadlo", "Výměník", "Sklad", "Dílna", "Hala", "Škola"};
    for (int i = 0; i < count; ++i) {
        QByteArray r(91, '\0');
        QByteArray name;
        for (int c = 0; c < 8; ++c)
            name.append(char('A' + random.bounded(26)));
        counted(r, 0, name, 16);
        counted(r, 17,
                QByteArray(words[random.bounded(7)]) + ' ' +
                    QByteArray::number(random.bounded(999)),
                50);
        counted(r, 68,
                "10." + QByteArray::number(random.bounded(256)) + '.' +
                    QByteArray::number(random.bounded(256)) + '.' +
                    QByteArray::number(random.bounded(256)),
                16);
        const quint16 port = quint16(9000 + random.bounded(2000));
        r[85] = char(port & 0xFF);
        r[86] = char(port >> 8);
        r[87] = char(random.bounded(8));
        r[88] = char(random.bounded(4));
        content.append(r);
    }
    return content;
}

double median(std::vector<double> v) {
    std::sort(v.begin(), v.end());
    return v[v.size() / 2];
}

} // namespace

int main(int argc, char** argv) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    const int rounds = argc > 1 ? std::max(1, atoi(argv[1])) : 7;
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("stations.dat"));
    {
        QFile f(path);
        f.open(QIODevice::WriteOnly);
        f.write(generate(stations::MaxRecords));
    }

    std::vector<double> bare, load, sortName, filter, clear;
    std::vector<std::vector<double>> sortColumn(StationTableModel::Columns);
    QElapsedTimer t;
    for (int round = 0; round < rounds; ++round) {
        t.start();
        auto list = stations::read(path, QString());
        bare.push_back(double(t.nsecsElapsed()) / 1e6);

        // As the overview builds its grid.
        StationTableModel model;
        StationFilterModel view;
        view.setStations(&model);
        QTableView grid;
        grid.setModel(&view);
        grid.verticalHeader()->hide();
        grid.verticalHeader()->setSectionResizeMode(QHeaderView::Fixed);
        grid.resize(520, 360);
        grid.show();
        QCoreApplication::processEvents();

        t.start();
        model.setStations(std::move(*stations::read(path, QString())));
        QCoreApplication::processEvents(); // the grid lays out and paints the new rows
        load.push_back(double(t.nsecsElapsed()) / 1e6);

        t.start();
        view.sort(1, Qt::AscendingOrder);
        QCoreApplication::processEvents();
        sortName.push_back(double(t.nsecsElapsed()) / 1e6);

        // Every column, both ways, with each column's keys made once per list.
        for (int column = 0; column < StationTableModel::Columns; ++column) {
            view.sort(column, Qt::DescendingOrder);
            t.start();
            view.sort(column, Qt::AscendingOrder);
            QCoreApplication::processEvents();
            sortColumn[size_t(column)].push_back(double(t.nsecsElapsed()) / 1e6);
        }

        t.start();
        view.setFilter(1, QStringLiteral("A*|*Z"));
        QCoreApplication::processEvents();
        filter.push_back(double(t.nsecsElapsed()) / 1e6);

        t.start();
        view.clearAllFilters();
        QCoreApplication::processEvents();
        clear.push_back(double(t.nsecsElapsed()) / 1e6);
        if (round == 0)
            std::printf("stations: %d, after the filter %d rows shown\n", model.rowCount(), [&] {
                view.activateFilter(1);
                const int shown = view.rowCount();
                view.clearAllFilters();
                return shown;
            }());
    }
    const double b = median(bare), l = median(load);
    std::printf("rounds: %d (medians)\n", rounds);
    std::printf("read and decode the file:          %8.1f ms\n", b);
    std::printf("load into the model and the grid:  %8.1f ms  (%.2f x the bare decode; goal 5)\n",
                l, l / b);
    std::printf("first sort by \"Jméno\" of a new list: %6.1f ms  (its collation keys made once)\n",
                median(sortName));
    double slowest = 0;
    for (int column = 0; column < StationTableModel::Columns; ++column) {
        const double m = median(sortColumn[size_t(column)]);
        slowest = std::max(slowest, m);
        std::printf("  sort by %-8s                  %8.1f ms\n",
                    qUtf8Printable(column == 0 ? QStringLiteral("pořadí")
                                               : QStringLiteral("\"%1\"").arg(
                                                     StationTableModel::Headers[column])),
                    m);
    }
    std::printf("slowest sort by a column:          %8.1f ms  (goal 20)\n", slowest);
    std::printf("filter \"Jméno\" = A*|*Z:            %8.1f ms  (goal 10)\n", median(filter));
    std::printf("\"Zruš všechny filtry\":             %8.1f ms\n", median(clear));

    // quel5ctl stations against the same decode, filter and sort in a plain script.
    const auto timed = [](const QString& program, const QStringList& arguments) {
        std::vector<double> times;
        for (int i = 0; i < 3; ++i) {
            QProcess process;
            process.setStandardOutputFile(QProcess::nullDevice());
            QElapsedTimer clock;
            clock.start();
            process.start(program, arguments);
            if (!process.waitForFinished(60000) || process.exitCode() != 0)
                return -1.0;
            times.push_back(double(clock.nsecsElapsed()) / 1e6);
        }
        return median(times);
    };
    const double ctl =
        timed(QStringLiteral(QUEL5CTL_PATH),
              {QStringLiteral("stations"), path, QStringLiteral("--sort"), QStringLiteral("Jméno"),
               QStringLiteral("--filter"), QStringLiteral("Jméno=A*|*Z")});
    const double script = timed(QStringLiteral("python3"),
                                {QStringLiteral(STATIONS_SCRIPT), path, QStringLiteral("A*|*Z")});
    std::printf("quel5ctl stations, sorted and filtered: %6.1f ms (the whole process)\n", ctl);
    if (script > 0)
        std::printf("the same in a Python script:         %6.1f ms (%.1f x quel5ctl)\n", script,
                    script / ctl);
    else
        std::printf("the same in a Python script:         (python3 not found)\n");
    return 0;
}
