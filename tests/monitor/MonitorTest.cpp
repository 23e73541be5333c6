#include "TestSupport.h"
#include "monitor/Discovery.h"
#include "monitor/StationFiles.h"
#include "monitor/StationModel.h"
#include "operations/StationBackup.h"

#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QNetworkDatagram>
#include <QSet>
#include <QTemporaryDir>
#include <QThread>
#include <QTimer>
#include <QUdpSocket>
#include <gtest/gtest.h>

namespace {

TEST(Discovery, AnswersRenderAsOneLine) {
    const std::pair<QByteArray, QString> cases[] = {
        {QByteArray("ABC\r\nDEF\r\n"), QStringLiteral("ABC  DEF  ")},
        {QByteArray("AB\0CD\nEF", 8), QStringLiteral("ABEF")},
        {QByteArray("AB\0\rD\nEF", 8), QStringLiteral("AB  EF")}, // CR adds its spaces while off
        {QByteArray("\xC8"
                    "erpadlo"),
         QStringLiteral("Čerpadlo")},
    };
    for (const auto& [reply, shown] : cases)
        EXPECT_EQ(discovery::render(reply), shown) << reply.toHex().toStdString();
    EXPECT_EQ(discovery::logLine(QHostAddress(QStringLiteral("10.0.0.5")), "ABC\r\n"),
              QStringLiteral("10.0.0.5   ABC  "));
    EXPECT_EQ(discovery::request(), QByteArray("Discovery: Who is out there?"));
    EXPECT_EQ(discovery::request().size(), 28);
}

// A responder on loopback that answers a search with datagrams at given times (ms after
// the request).
struct Responder {
    QUdpSocket socket;
    QByteArray seen;
    Responder(const QList<std::pair<int, QByteArray>>& answers) {
        socket.bind(QHostAddress::LocalHost, 0);
        QObject::connect(&socket, &QUdpSocket::readyRead, [this, answers] {
            const QNetworkDatagram request = socket.receiveDatagram();
            seen = request.data();
            for (const auto& [at, bytes] : answers)
                QTimer::singleShot(at, &socket, [this, request, bytes = bytes] {
                    socket.writeDatagram(bytes, request.senderAddress(), request.senderPort());
                });
        });
    }
};

QStringList searchAt(Responder& responder) {
    RecordingFeedback feedback;
    QUdpSocket socket;
    QStringList lines;
    discovery::search(socket, QHostAddress::LocalHost, responder.socket.localPort(), feedback,
                      [&](const QString& line) { lines << line; });
    return lines;
}

TEST(Discovery, ListsAnswersThatFollowWithinASecond) {
    Responder responder({{50, "first"}, {400, "second"}, {1900, "late"}});
    QElapsedTimer clock;
    clock.start();
    const QStringList lines = searchAt(responder);
    EXPECT_EQ(responder.seen, discovery::request());
    EXPECT_EQ(lines, (QStringList{"127.0.0.1   first", "127.0.0.1   second"}));
    EXPECT_GE(clock.elapsed(), 1300); // a second after the last answer
}

// A responder that never stops: the whole search is bounded in time and in answers.
TEST(Discovery, AnEndlessResponderMeetsTheTimeLimitOrTheAnswerCap) {
    QList<std::pair<int, QByteArray>> answers;
    for (int at = 10; at < 3000; at += 20)
        answers.append({at, "unit"});
    struct Case {
        discovery::Limits limits;
        int lines;
        const char* end;
    };
    const Case cases[] = {{{1000, 300, 1000}, -1, "Hledání skončilo po 0,3 s"},
                          {{1000, 10000, 7}, 7, "Hledání skončilo po 7 odpovědích."}};
    for (const Case& c : cases) {
        Responder responder(answers);
        RecordingFeedback feedback;
        QUdpSocket socket;
        QStringList lines;
        QElapsedTimer clock;
        clock.start();
        discovery::search(
            socket, QHostAddress::LocalHost, responder.socket.localPort(), feedback,
            [&](const QString& line) { lines << line; }, c.limits);
        EXPECT_LT(clock.elapsed(), 2000);
        if (c.lines >= 0)
            EXPECT_EQ(lines.size(), c.lines);
        else
            EXPECT_GT(lines.size(), 5);
        ASSERT_EQ(feedback.logs.size(), 1);
        EXPECT_TRUE(feedback.logs[0].startsWith(QString::fromUtf8(c.end)))
            << qPrintable(feedback.logs[0]);
    }
}

TEST(Discovery, AnEmptyDatagramEndsTheSearchAndALongOneIsCut) {
    Responder ends({{20, "A"}, {60, ""}, {100, "B"}});
    EXPECT_EQ(searchAt(ends), QStringList{"127.0.0.1   A"});
    Responder large({{20, QByteArray(9000, 'x')}, {60, "after"}});
    const QStringList lines = searchAt(large);
    ASSERT_EQ(lines.size(), 2);
    EXPECT_EQ(lines[0], QStringLiteral("127.0.0.1   ") + QString(8192, QLatin1Char('x')));
    EXPECT_EQ(lines[1], QStringLiteral("127.0.0.1   after"));
}

TEST(StationList, RecordsCountedStringsAndTheTrailingPart) {
    const QByteArray header("\x07\x00\x09", 3);
    QByteArray alpha = stationRecord("Alpha", "192.168.1.20", 9760, 5, "Kotelna", 2);
    alpha.replace(6, 4, "XYZW"); // bytes behind the name's five characters
    const QByteArray content =
        header + alpha + stationRecord("B", "10.0.0.1", 80, 0, "", 255) + QByteArray(40, 'z');
    const std::vector<Station> list = stations::decode(content);
    ASSERT_EQ(list.size(), 2u);
    EXPECT_EQ(list[0].name, QStringLiteral("Alpha"));
    EXPECT_EQ(list[0].description, QStringLiteral("Kotelna"));
    EXPECT_EQ(list[0].ip, QStringLiteral("192.168.1.20"));
    EXPECT_EQ(list[0].port, 9760);
    EXPECT_EQ(list[0].type, 5);
    EXPECT_EQ(list[1].kind, 255);
    EXPECT_TRUE(stations::decode(header).empty());
    EXPECT_TRUE(stations::decode(header + QByteArray(90, 'x')).empty());

    // A length byte beyond the capacity stops at the capacity.
    QByteArray wide = stationRecord("", "", 0, 0, "", 0);
    wide[0] = char(200);
    wide.replace(1, 16, QByteArray(16, 'n'));
    EXPECT_EQ(stations::decode(header + wide)[0].name, QString(16, QLatin1Char('n')));

    // Capacities 16, 50 and 16 filled to the last character.
    const QByteArray full =
        stationRecord(QByteArray(16, 'N'), "123.123.123.1234", 1, 0, QByteArray(50, 'D'), 0);
    const Station s = stations::decode(header + full)[0];
    EXPECT_EQ(s.name, QString(16, QLatin1Char('N')));
    EXPECT_EQ(s.description, QString(50, QLatin1Char('D')));
    EXPECT_EQ(s.ip, QStringLiteral("123.123.123.1234"));

    // No more than 65535 records are decoded or read; read() says how many were left.
    EXPECT_EQ(stations::decode(header + full.repeated(65536)).size(), 65535u);
    QTemporaryDir dir;
    QFile file(dir.filePath(QStringLiteral("long.dat")));
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.write(header + full.repeated(65537) + QByteArray(50, 'z'));
    file.close();
    qint64 unread = -1;
    const auto read = stations::read(file.fileName(), QString(), &unread);
    ASSERT_TRUE(read);
    EXPECT_EQ(read->size(), 65535u);
    EXPECT_EQ(unread, 2);
}

// Station names as file names in one backup folder.
TEST(StationFiles, UnsafeCharactersDevicesAndEdgesAreReplaced) {
    const struct {
        const char16_t* name;
        const char16_t* file;
    } cases[] = {
        {u"Kotelna", u"Kotelna"},
        {u"a/b\\c:d*e?f\"g<h>i|j", u"a_b_c_d_e_f_g_h_i_j"},
        {u"x\u0010y\u001Fz", u"x_y_z"},
        {u"x\u007Fy\u0085z\u009F", u"x_y_z_"},
        {u"\uFFFD\uFFFD", u"__"}, // bytes the code page lacks
        {u"Name. . ", u"Name"},
        {u"  lead", u"lead"},
        {u"", u"stanice"},
        {u"..", u"stanice"},
        {u"CON", u"_CON"},
        {u"con.x", u"_con.x"},
        {u"Lpt9 .a", u"_Lpt9 .a"},
        {u"COM1", u"_COM1"},
        {u"CONSOLE", u"CONSOLE"},
        {u"COMA", u"COMA"},
    };
    for (const auto& c : cases)
        EXPECT_EQ(stations::safeFileName(QString::fromUtf16(c.name)), QString::fromUtf16(c.file))
            << QString::fromUtf16(c.name).toStdString();

    // Every byte of a counted name that decodes to a control or a missing character.
    QByteArray odd;
    for (int b : {0x01, 0x7F, 0x81, 0x83, 0x88, 0x90, 0x98})
        odd.append(char(b));
    const QString safe = stations::safeFileName(
        stations::decode(QByteArray(3, '\0') + stationRecord(odd, "", 0))[0].name);
    for (QChar c : safe)
        EXPECT_TRUE(c.isPrint()) << int(c.unicode());
}

TEST(StationFiles, EqualNamesGetNumbersLetterCaseAsideInLinearTime) {
    std::vector<Station> list(5);
    const char* names[] = {"Alpha", "alpha", "Alpha (2)", "ALPHA", ""};
    for (int i = 0; i < 5; ++i)
        list[size_t(i)].name = QString::fromLatin1(names[i]);
    EXPECT_EQ(stations::uniqueFileNames(list),
              (QStringList{"Alpha", "alpha (2)", "Alpha (2) (2)", "ALPHA (3)", "stanice"}));

    // 65535 stations of one name: all distinct, as a disk that ignores case sees them.
    std::vector<Station> same(65535);
    for (Station& st : same)
        st.name = QStringLiteral("Stejná");
    const QStringList files = stations::uniqueFileNames(same);
    QSet<QString> folded;
    for (const QString& f : files)
        folded.insert(f.toCaseFolded());
    EXPECT_EQ(folded.size(), 65535);
    EXPECT_EQ(files.last(), QStringLiteral("Stejná (65535)"));
}

TEST(StationList, NotesFilesAreLookedForOnlyInsideTheFolder) {
    QTemporaryDir dir;
    QDir().mkpath(dir.filePath(QStringLiteral("notes")));
    for (const char* name : {"notes/Pump1.pzn", "evil.pzn"}) {
        QFile f(dir.filePath(QLatin1String(name)));
        ASSERT_TRUE(f.open(QIODevice::WriteOnly));
    }
    QFile list(dir.filePath(QStringLiteral("st.dat")));
    ASSERT_TRUE(list.open(QIODevice::WriteOnly));
    list.write(QByteArray(3, '\0') + stationRecord("Pump1", "", 0, 0, "", 0) +
               stationRecord("Pump2", "", 0, 0, "", 0) + stationRecord("../evil", "", 0, 0, "", 0));
    list.close();
    const auto read = stations::read(list.fileName(), dir.filePath(QStringLiteral("notes")));
    ASSERT_TRUE(read);
    ASSERT_EQ(read->size(), 3u);
    EXPECT_TRUE((*read)[0].notes);
    EXPECT_FALSE((*read)[1].notes);
    EXPECT_FALSE((*read)[2].notes); // ../evil.pzn exists, but outside the folder
    EXPECT_FALSE(stations::read(dir.filePath(QStringLiteral("missing.dat")), QString()));
    EXPECT_FALSE(stations::read(QString(), QString()));
}

TEST(FilterCondition, OperatorsComparisonsAndPatterns) {
    const QLocale czech(QLocale::Czech, QLocale::CzechRepublic);
    const struct {
        const char* condition;
        const char* cell;
        bool matches;
    } cases[] = {
        {"Alpha", "Alpha", true},
        {"Alpha", "alpha", false}, // letter case counts
        {"Alp", "Alpha", false},
        {"A*", "Alpha", true},
        {"*ha", "Alpha", true},
        {"A?pha", "Alpha", true},
        {"A?ha", "Alpha", false},
        {"!A*", "Beta", true},
        {"!A*", "Alpha", false},
        {"a.b", "axb", false},
        {"[A]*", "[A]x", true},
        {">10", "9", false},
        {">10", "11", true},
        {">=10", "10", true},
        {"<10", "9", true},
        {"<=9", "10", false},
        {"> 10", "100", true},
        {"<b", "a", true},
        {"<b", "c", false},
        {">B", "a", true}, // text
        {">1.1.2020", "2.1.2020", true},
        {">1.1.2020", "31.12.2019", false},
        {">31.12.2023", "1.2.24", true}, // a two-digit year is of this century
        {"<1.1.2000", "1.2.99", false},
        {"Alpha | Beta", "Beta", true},
        {"A* & *a", "Alpha", true},
        {"A* & *x", "Alpha", false},
        {"A*;B*", "Beta", true},
        {"A*^B*", "Beta", true},
        // Strictly left to right: (A* | B*) & *a, not A* | (B* & *a).
        {"A* | B* & *a", "Alpha", true},
        {"A* | B* & *x", "Alpha", false},
        {"B* & *x | A*", "Alpha", true},
        {"Alpha*", "Alpha", true}, // a trailing * matches an empty rest
        {"A*a*", "Alpha", true},
        {">9,5", "10", true}, // Czech decimal comma: compared as numbers, not as text
        {"<10,5", "9", true},
        {"<10,5", "10,75", false},
    };
    for (const auto& c : cases)
        EXPECT_EQ(FilterCondition(QString::fromUtf8(c.condition), czech)
                      .matches(QString::fromUtf8(c.cell)),
                  c.matches)
            << c.condition << " on " << c.cell;
}

std::vector<Station> sample() {
    std::vector<Station> list(4);
    const char* names[] = {"delta", "Alpha", "", "beta"};
    const char* ips[] = {"10.0.0.4", "10.0.0.1", "10.0.0.3", "10.0.0.2"};
    const quint16 ports[] = {100, 9, 9760, 80};
    const quint8 types[] = {5, 3, 5, 5};
    for (int i = 0; i < 4; ++i) {
        list[size_t(i)].name = QString::fromLatin1(names[i]);
        list[size_t(i)].ip = QString::fromLatin1(ips[i]);
        list[size_t(i)].port = ports[i];
        list[size_t(i)].type = types[i];
    }
    return list;
}

QStringList column(const StationFilterModel& view, int c) {
    QStringList cells;
    for (int row = 0; row < view.rowCount(); ++row)
        cells << view.index(row, c).data().toString();
    return cells;
}

TEST(StationModel, SortsNumbersAsNumbersWithEmptyCellsFirst) {
    StationTableModel model;
    StationFilterModel view;
    view.setStations(&model);
    EXPECT_EQ(view.rowCount(), 4); // four empty rows before a list
    model.setStations(sample());
    view.sort(4, Qt::AscendingOrder);
    EXPECT_EQ(column(view, 4), (QStringList{"9", "80", "100", "9760"}));
    EXPECT_EQ(column(view, 0), (QStringList{"2", "4", "1", "3"})); // running numbers move along
    view.sort(1, Qt::AscendingOrder);
    EXPECT_EQ(column(view, 1), (QStringList{"", "Alpha", "beta", "delta"}));
    view.sort(1, Qt::DescendingOrder);
    EXPECT_EQ(column(view, 1).last(), QString());

    // Text in the user's language: Czech letters in their place, letter case aside, numbers
    // inside a text by their value.
    // A workstation without a language of its own ("C") sorts as Czech too.
    const QLocale before;
    for (const QLocale& user : {QLocale(QLocale::Czech, QLocale::CzechRepublic), QLocale::c()}) {
        QLocale::setDefault(user);
        std::vector<Station> czech(6);
        const char16_t* names[] = {u"Sklad", u"Čerpací stanice", u"alpha10", u"Cihelna",
                                   u"dům",   u"alpha2"};
        for (int i = 0; i < 6; ++i)
            czech[size_t(i)].name = QString::fromUtf16(names[i]);
        model.setStations(czech);
        view.sort(1, Qt::AscendingOrder);
        QLocale::setDefault(before);
        EXPECT_EQ(column(view, 1),
                  (QStringList{"alpha2", "alpha10", "Cihelna", QStringLiteral("Čerpací stanice"),
                               QStringLiteral("dům"), "Sklad"}))
            << qPrintable(user.name());
    }
}

TEST(StationModel, FiltersByColumnAndSurviveANewList) {
    StationTableModel model;
    StationFilterModel view;
    view.setStations(&model);
    model.setStations(sample());
    view.setFilter(3, QStringLiteral("10.0.0.1|10.0.0.4"));
    view.setFilter(5, QStringLiteral("5"));
    EXPECT_EQ(column(view, 1), QStringList{"delta"});
    view.clearFilter(3); // only "Typ" stays in force
    EXPECT_FALSE(view.isFilterActive(3));
    EXPECT_TRUE(view.isFilterActive(5));
    EXPECT_EQ(column(view, 1), (QStringList{"delta", "", "beta"}));
    view.clearAllFilters();
    EXPECT_EQ(view.rowCount(), 4);
    EXPECT_EQ(view.filterText(3), QStringLiteral("10.0.0.1|10.0.0.4")); // texts stay
    view.activateFilter(3);
    EXPECT_EQ(view.rowCount(), 2);
    // A new list is filtered by the active slots.
    std::vector<Station> next = sample();
    next[3].ip = QStringLiteral("10.0.0.1");
    model.setStations(next);
    EXPECT_EQ(column(view, 1), (QStringList{"delta", "Alpha", "beta"}));
    EXPECT_FALSE(StationFilterModel::hasFilterSlot(0));
    EXPECT_FALSE(StationFilterModel::hasFilterSlot(7));
}

} // namespace

namespace {

// "Přerušit": the job that runs finishes, the ones not started are reported skipped and
// never run.
TEST(StationRun, CancelLeavesTheStationsNotStartedAlone) {
    QEventLoop loop;
    std::atomic<int> ran{0};
    std::vector<stations::StationRun::Job> jobs;
    for (int i = 0; i < 5; ++i)
        jobs.push_back([&ran] {
            ++ran;
            QThread::msleep(50);
            return stations::StationResult{true, QStringLiteral("OK")};
        });
    stations::StationRun run(1);
    std::vector<stations::StationResult> results(5);
    int done = 0;
    run.start(
        std::move(jobs), &loop, [&run](int) { run.cancel(); },
        [&](int i, const stations::StationResult& result) {
            results[size_t(i)] = result;
            if (++done == 5)
                loop.quit();
        });
    QTimer::singleShot(10000, &loop, &QEventLoop::quit);
    loop.exec();
    ASSERT_EQ(done, 5);
    EXPECT_EQ(ran, 1);
    EXPECT_TRUE(results[0].ok && !results[0].skipped);
    for (int i = 1; i < 5; ++i)
        EXPECT_TRUE(results[size_t(i)].skipped) << i;
}

} // namespace
