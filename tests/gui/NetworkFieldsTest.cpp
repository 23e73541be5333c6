#include "GuiSupport.h"
#include "TestSupport.h"

#include <QAction>
#include <QCheckBox>
#include <QFile>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QSpinBox>

namespace {

// Where each field of the main window lies, as the memory layout of the network records
// gives it: address, and the value a test puts there.
struct NetworkField {
    const char* control;
    int address;
    enum Kind { Address, Text, Port, Flag } kind;
    const char* shown; // as the control shows it
};
const NetworkField Fields[] = {
    {"LMDIP", 56, NetworkField::Address, "10.1.1.1"},
    {"LMDmaska", 60, NetworkField::Address, "10.2.2.2"},
    {"LMDgw", 64, NetworkField::Address, "10.3.3.3"},
    {"LMDns1", 68, NetworkField::Address, "10.4.4.4"},
    {"LMDns2", 72, NetworkField::Address, "10.5.5.5"},
    {"LMDnbname", 91, NetworkField::Text, "NBNAME"},
    {"LMDpopis", 107, NetworkField::Text, "POPIS"},
    {"rcom0", 157, NetworkField::Text, "rc0"},
    {"rcom1", 166, NetworkField::Text, "rc1"},
    {"rcom2", 175, NetworkField::Text, "rc2"},
    {"wcom0", 184, NetworkField::Text, "wc0"},
    {"wcom1", 193, NetworkField::Text, "wc1"},
    {"wcom2", 202, NetworkField::Text, "wc2"},
    {"LMDcom1", 217, NetworkField::Text, "com1"},
    {"LMDsnmp1", 226, NetworkField::Address, "10.8.8.8"},
    {"LMDcom2", 231, NetworkField::Text, "com2x"},
    {"LMDsnmp2", 240, NetworkField::Address, "10.9.9.9"},
    {"LMDuziv", 244, NetworkField::Text, "uziv"},
    {"LMDAdmin", 253, NetworkField::Text, "adm"},
    {"udpport", 262, NetworkField::Port, "1001"},
    {"tcpport1", 264, NetworkField::Port, "1002"},
    {"tcpport2", 266, NetworkField::Port, "1003"},
    {"ntpser", 268, NetworkField::Text, "ntp.example"},
    {"tmreload", 302, NetworkField::Port, "1004"},
    {"trt1", 304, NetworkField::Flag, "1"},
    {"trt2", 305, NetworkField::Flag, "0"},
    {"udppt1", 306, NetworkField::Port, "1005"},
    {"udppt2", 308, NetworkField::Port, "1006"},
};

void put(QByteArray& image, const NetworkField& f, const QString& value) {
    switch (f.kind) {
    case NetworkField::Address: {
        const QStringList parts = value.split('.');
        for (int i = 0; i < 4; ++i)
            image[f.address + i] = char(parts[i].toInt());
        break;
    }
    case NetworkField::Text:
        image.replace(f.address, int(value.size()) + 1, value.toLatin1() + '\0');
        break;
    case NetworkField::Port:
        image[f.address] = char(value.toInt() & 0xFF);
        image[f.address + 1] = char(value.toInt() >> 8);
        break;
    case NetworkField::Flag:
        image[f.address] = char(value.toInt());
        break;
    }
}

QString shownBy(ToolRun& run, const NetworkField& f) {
    const QString name = QLatin1String(f.control);
    if (auto* edit = run.find<QLineEdit>(name))
        return edit->text();
    if (auto* spin = run.find<QSpinBox>(name))
        return QString::number(spin->value());
    if (auto* box = run.find<QCheckBox>(name))
        return box->isChecked() ? QStringLiteral("1") : QStringLiteral("0");
    return QStringLiteral("<no control>");
}

struct NetworkFieldsTest : ::testing::Test {
    QTemporaryDir dir;
    SimServer sim{adminPassword(QStringLiteral("pw")), SimServer::Faults{}};
    void SetUp() override { ASSERT_TRUE(sim.listen(QHostAddress::LocalHost, 0)); }
    QString path(const char* name) const { return dir.filePath(QString::fromLatin1(name)); }
    QByteArray read(const char* name) const {
        QFile f(path(name));
        f.open(QIODevice::ReadOnly);
        return f.readAll();
    }
};

TEST_F(NetworkFieldsTest, EveryFieldShowsItsOwnBytesAndStoresBackThere) {
    QByteArray image(8000, '\0');
    for (const NetworkField& f : Fields)
        put(image, f, QString::fromLatin1(f.shown));
    // The second copies of address and mask are never shown.
    put(image, {"", 76, NetworkField::Address, ""}, QStringLiteral("10.6.6.6"));
    put(image, {"", 80, NetworkField::Address, ""}, QStringLiteral("10.7.7.7"));
    const QByteArray mac = QByteArray::fromHex("0A0B0C0D0E0F");
    image.replace(85, 6, mac);
    {
        QFile f(path("distinct.ql5"));
        ASSERT_TRUE(f.open(QIODevice::WriteOnly));
        f.write(image);
    }
    ToolRun run(dir.filePath(QStringLiteral("Quel5_cf.ini")));
    run.dialogs.answers << path("distinct.ql5");
    run.find<QAction>(QStringLiteral("menuOtevri"))->trigger();
    for (const NetworkField& f : Fields)
        EXPECT_EQ(shownBy(run, f), QString::fromLatin1(f.shown)) << f.control;
    EXPECT_EQ(run.find<QLabel>(QStringLiteral("LMAC"))->text(),
              QStringLiteral("0A-0B-0C-0D-0E-0F"));

    // Typed into each field as a user does, each value lands at its own address. The
    // write communities show for an administrator, the advanced fields with "Více".
    user::aimAt(run, sim.port());
    user::loginAs(run, QStringLiteral("admin"), QStringLiteral("pw"));
    ASSERT_EQ(run.window->rights(), Rights::Admin);
    run.find<QAction>(QStringLiteral("zobraz_Fvice"))->trigger();
    for (const NetworkField& f : Fields) {
        const QString name = QLatin1String(f.control);
        QString typed;
        switch (f.kind) {
        case NetworkField::Address:
            typed =
                QString::fromLatin1(f.shown).replace(QStringLiteral("10."), QStringLiteral("172."));
            break;
        case NetworkField::Text:
            typed = QString::fromLatin1(f.shown).toUpper() + QLatin1Char('Z');
            break;
        case NetworkField::Port:
            typed = QString::number(QString::fromLatin1(f.shown).toInt() + 2000);
            break;
        case NetworkField::Flag:
            user::click(run.find<QCheckBox>(name));
            continue;
        }
        user::retype(run.find<QWidget>(name), typed);
    }
    run.dialogs.answers << path("typed.ql5");
    run.find<QAction>(QStringLiteral("menuUlozJako"))->trigger();
    const QByteArray saved = read("typed.ql5");
    ASSERT_EQ(saved.size(), 8000);
    for (const NetworkField& f : Fields) {
        QByteArray expected(8000, '\0');
        switch (f.kind) {
        case NetworkField::Address:
            put(expected, f,
                QString::fromLatin1(f.shown).replace(QStringLiteral("10."),
                                                     QStringLiteral("172.")));
            EXPECT_EQ(saved.mid(f.address, 4), expected.mid(f.address, 4)) << f.control;
            break;
        case NetworkField::Text: {
            const QByteArray text = QByteArray(f.shown).toUpper() + "Z";
            EXPECT_EQ(saved.mid(f.address, text.size() + 1), text + '\0') << f.control;
            break;
        }
        case NetworkField::Port:
            put(expected, f, QString::number(QString::fromLatin1(f.shown).toInt() + 2000));
            EXPECT_EQ(saved.mid(f.address, 2), expected.mid(f.address, 2)) << f.control;
            break;
        case NetworkField::Flag:
            EXPECT_EQ(int(saved.at(f.address)), QByteArray(f.shown) == "1" ? 0 : 1) << f.control;
            break;
        }
    }
    // IP and mask also go to their second copies; the MAC is carried.
    EXPECT_EQ(saved.mid(76, 8), saved.mid(56, 4) + saved.mid(60, 4));
    EXPECT_EQ(saved.mid(85, 6), mac);
}

// The first addresses of the records and ranges a selection uploads, as the upload
// tables give them.
const QList<int> NetworkWrites{56, 91, 107, 157, 215};
QList<int> pageWrites() {
    QList<int> w{360, 5000, 5100, 370, 5160, 5260, 5360, 5460, 394, 5580, 425, 437, 5480};
    for (int a = 1000; a < 1468; a += 100)
        w << a;
    for (int a = 5660; a < 6300; a += 100)
        w << a;
    w << 1468 << 1568;
    for (int a = 6300; a < 6940; a += 100)
        w << a;
    return w;
}
QList<int> relayWrites() {
    QList<int> w{1468, 1568};
    for (int a = 6300; a < 6940; a += 100)
        w << a;
    return w;
}

QList<int> addressesWritten(const SimServer& sim) {
    QList<int> out;
    for (const QString& w : writesSeen(sim))
        out << w.section(QLatin1Char(' '), 0, 0).toInt();
    return out;
}

TEST(UploadControls, EachUlozAndEachMenuItemSendsExactlyItsSelection) {
    QTemporaryDir dir;
    SimServer sim{adminPassword(QStringLiteral("pw")), SimServer::Faults{}};
    ASSERT_TRUE(sim.listen(QHostAddress::LocalHost, 0));
    ToolRun run(dir.filePath(QStringLiteral("Quel5_cf.ini")));
    user::aimAt(run, sim.port());
    user::loginAs(run, QStringLiteral("admin"), QStringLiteral("pw"));
    auto* relays = run.window->window(QStringLiteral("TFvrele"));
    run.find<QAction>(QStringLiteral("zobraz_Fvrele"))->trigger();

    // The unit was never read in this run: the network page's uploads still read its record
    // and ask before they would move it (the windows hold the default configuration).
    const struct {
        const char* what;
        std::function<void()> click;
        QList<int> writes;
        bool asks;
    } cases[] = {
        {"main window Ulož",
         [&] { user::click(run.window->networkFields()->findChild<QPushButton*>("LButtU")); },
         NetworkWrites, true},
        {"relays Ulož", [&] { user::click(relays->findChild<QPushButton*>("LButtU")); },
         relayWrites(), false},
        {"Ulož vše", [&] { run.find<QAction>(QStringLiteral("menuUlozVse"))->trigger(); },
         NetworkWrites + pageWrites(), true},
        {"Ulož vše mimo Ethernet",
         [&] { run.find<QAction>(QStringLiteral("menuUlozVseMimoEth"))->trigger(); }, pageWrites(),
         false},
    };
    for (const auto& c : cases) {
        sim.clearRequests();
        sim.unit().memory() = SimUnit::defaultImage();
        run.dialogs.questions.clear();
        if (c.asks)
            run.dialogs.replies << true;
        c.click();
        EXPECT_EQ(addressesWritten(sim), c.writes) << c.what;
        EXPECT_EQ(run.dialogs.questions.size(), c.asks ? 1 : 0) << c.what;
        if (c.asks) {
            EXPECT_TRUE(run.dialogs.questions.value(0).contains(
                QStringLiteral("IP adresa: 127.0.0.1 → 193.168.1.103")))
                << c.what;
        }
    }
}

} // namespace
