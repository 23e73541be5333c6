#pragma once

#include <QEventLoop>
#include <QString>

// How a message weighs for the user: the GUI picks the message box's icon by it.
enum class Severity { Info, Warning, Error };

// What the core hands to whoever runs it: the GUI shows message boxes, the log box, the
// hourglass cursor and the progress of a transfer; the command-line tool writes to
// standard error; the tests record everything.
class Feedback {
public:
    virtual ~Feedback() = default;

    // A message the user must see (a modal box in the GUI). detail names what the message
    // is about, where there is more than one candidate (the relay row of a compile error).
    virtual void message(const QString& text, Severity severity = Severity::Error,
                         const QString& detail = {}) = 0;
    // One progress line of the log box.
    virtual void log(const QString& line) = 0;
    // The hourglass cursor on or off.
    virtual void setWaitCursor(bool on) = 0;
    // A transfer has sent done of the planned requests.
    virtual void progress(int done, int planned) {
        Q_UNUSED(done);
        Q_UNUSED(planned);
    }

    // While the link waits for the unit it keeps dispatching events with these flags, so
    // windows repaint. The GUI lets user input through (so that "Zrušit" can be clicked)
    // and disables whatever would start a second exchange; a front end that cannot do
    // that keeps user input out.
    virtual QEventLoop::ProcessEventsFlags waitFlags() const {
        return QEventLoop::ExcludeUserInputEvents;
    }
};

// The hourglass for the span of a scope, also when an error ends it early.
class WaitCursor {
public:
    explicit WaitCursor(Feedback& feedback) : m_feedback(feedback) {
        m_feedback.setWaitCursor(true);
    }
    ~WaitCursor() { m_feedback.setWaitCursor(false); }
    WaitCursor(const WaitCursor&) = delete;
    WaitCursor& operator=(const WaitCursor&) = delete;

private:
    Feedback& m_feedback;
};

// Where the connection goes: the GUI reads its address and port boxes, the command-line
// tool its options.
class ConnectionTarget {
public:
    virtual ~ConnectionTarget() = default;
    virtual QString host() const = 0;
    virtual quint16 port() const = 0;
    // The link writes the default port back when the port is 0.
    virtual void setPort(quint16 port) = 0;
};

class FixedTarget : public ConnectionTarget {
public:
    FixedTarget(QString host = {}, quint16 port = 0) : m_host(std::move(host)), m_port(port) {}
    QString host() const override { return m_host; }
    quint16 port() const override { return m_port; }
    void setPort(quint16 port) override { m_port = port; }
    void setHost(const QString& host) { m_host = host; }

private:
    QString m_host;
    quint16 m_port;
};
