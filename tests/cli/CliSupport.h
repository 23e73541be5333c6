#pragma once

// What every quel5ctl test stands on: a simulator process, the one way to run quel5ctl,
// a scratch folder.
#include "TestSupport.h"

#include <QByteArray>
#include <QList>
#include <QProcess>
#include <QProcessEnvironment>
#include <QString>
#include <QStringList>
#include <QTemporaryDir>
#include <functional>
#include <gtest/gtest.h>

// A quel5-sim process on a free loopback port.
class SimProcess {
public:
    explicit SimProcess(QStringList extra = {});
    ~SimProcess();
    QProcess process;
    QString port;
};

struct CtlRun {
    int exit; // -1 when it crashed or did not end within 30 s
    QString err;
    QString out;
};

struct CtlOptions {
    QByteArray input;                     // its standard input, closed after it
    QProcessEnvironment environment = {}; // empty: the test's own
    // The locale it runs under (LANG, with LC_ALL and LC_MESSAGES unset): the suites read
    // the tool's own words, whatever the machine speaks.
    QString locale = QStringLiteral("C.UTF-8");
    std::function<void(QProcess&)> started; // runs once it has started
};

// Runs quel5ctl to its end, serving this process's events meanwhile (a simulator in the
// test answers it).
CtlRun ctl(const QStringList& args, const CtlOptions& options = {});

QByteArray readFile(const QString& path);
// A station list file of these records.
void writeStations(const QString& path, const QList<QByteArray>& records);

struct Cli : ::testing::Test {
    QTemporaryDir dir;
    QString path(const char* name) const { return dir.filePath(QString::fromLatin1(name)); }
};
