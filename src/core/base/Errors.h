#pragma once

#include <QString>
#include <stdexcept>

// An error that ends the user's running operation. It is caught where that operation
// started (menu item, button, command-line command), which restores the cursor and
// shows text() to the user.
class OperationError : public std::runtime_error {
public:
    explicit OperationError(const QString& text)
        : std::runtime_error(text.toStdString()), m_text(text) {}
    const QString& text() const { return m_text; }

private:
    QString m_text;
};

// The connection broke, the unit stopped answering, or its reply did not fit the frame.
class LinkBroken : public OperationError {
public:
    using OperationError::OperationError;
};

// A configuration file could not be read or written.
class FileError : public OperationError {
public:
    using OperationError::OperationError;
};

// A page's gather refused its controls' content (for example an address that does not parse).
class GatherError : public OperationError {
public:
    using OperationError::OperationError;
};

// A second operation was started while the link was still waiting for the first.
class LinkBusy : public OperationError {
public:
    using OperationError::OperationError;
};

// The user stopped the running transfer ("Zrušit"); the connection is closed.
class Cancelled : public OperationError {
public:
    using OperationError::OperationError;
};
