#pragma once

#include "base/Feedback.h"
#include "workspace/PageRegistry.h"

#include <QDateTime>
#include <QStringList>
#include <cstdint>
#include <functional>
#include <stdexcept>

class DeviceLink;
class UnitSession;
enum class Rights : std::uint8_t;

namespace cli {

enum Exit { Success = 0, Failed = 1, UsageError = 2 };

// A command line that does not make sense; main prints it with the usage and exits 2.
class Usage : public std::runtime_error {
public:
    explicit Usage(const QString& text) : std::runtime_error(text.toStdString()) {}
};

// Progress lines and messages go to standard error, as the log box and message boxes
// would show them.
class StderrFeedback : public Feedback {
public:
    void message(const QString& text, Severity severity = Severity::Error,
                 const QString& detail = {}) override;
    void log(const QString& line) override;
    void setWaitCursor(bool) override {}
    QEventLoop::ProcessEventsFlags waitFlags() const override { return QEventLoop::AllEvents; }
};

struct Context {
    FixedTarget target;
    StderrFeedback feedback;
    bool hostGiven = false;
    int readTimeoutMs = 10000;
};

struct Command {
    QString name;
    QString synopsis;
    bool needsUnit;
    std::function<int(Context&, QStringList)> run;
};

// The commands, in the order the usage lists them. New commands are added here.
const QList<Command>& commands();

// Parses global options and runs a command; returns the exit status.
int run(QStringList args);

// The commands that live beside the core commands.
// Logs in with the rights the work needs (Rights::Nobody: no login), runs it and logs out
// again whenever the login gave any rights. The work's status is the command's (an
// OperationError it throws is said and fails it); a logout that fails only warns. The
// work gets the session, or null without a login.
int withLogin(Context& ctx, DeviceLink& link, const QString& user, const QString& password,
              Rights needed, const std::function<int(UnitSession*)>& work);

int showCommand(Context& ctx, QStringList args);
int reportCommand(Context& ctx, QStringList args);
int diffCommand(Context& ctx, QStringList args);
int exportCommand(Context& ctx, QStringList args);
int importCommand(Context& ctx, QStringList args);
int clockCommand(Context& ctx, QStringList args);
int statusCommand(Context& ctx, QStringList args);
int actionCommand(Context& ctx, QStringList args);
int serviceCommand(Context& ctx, QStringList args);
int energyPresetCommand(Context& ctx, QStringList args);
int discoverCommand(Context& ctx, QStringList args);
int stationsCommand(Context& ctx, QStringList args);
int backupStationsCommand(Context& ctx, QStringList args);
// The password: --password PW, or the first line of standard input with --password-stdin,
// or the environment variable QUEL5_PASSWORD; empty when none.
QString takePassword(QStringList& args);
// A comma list of page names as the pages; a name no page has is a usage error.
Selectors parsePages(const QString& list);
int writeStationsCommand(Context& ctx, QStringList args);
int statusStationsCommand(Context& ctx, QStringList args);
int clockStationsCommand(Context& ctx, QStringList args);
int historyCommand(Context& ctx, QStringList args);
// "2012-03-05T09:07:03" as the wall-clock time a unit's clock keeps; a usage error else.
QDateTime parseClockTime(const QString& text);

// Refuses anything left in args that looks like an option, and a count of positionals
// other than count.
void expectPositionals(const QStringList& args, int count);
// A whole number from min to max, or a usage error naming the option.
int parseNumber(const QString& text, const QString& option, int min, int max);

// Removes "--name VALUE" from args and returns VALUE (or fallback when absent).
QString takeOption(QStringList& args, const QString& name, const QString& fallback = {});
bool takeFlag(QStringList& args, const QString& name);
// Removes every "--name VALUE" and returns the values in order.
QStringList takeOptions(QStringList& args, const QString& name);

} // namespace cli
