#pragma once

#include <QString>
#include <functional>

class Workspace;

// One operation at a time on a workspace's link, with cancel: the main window runs every
// operation through one, and shows progress and the outcome as it likes.
class OperationRunner {
public:
    enum class Outcome { Done, Cancelled, Failed, NotStarted };
    struct Result {
        Outcome outcome;
        QString text; // why it failed or what the cancel said
    };

    explicit OperationRunner(Workspace& workspace) : m_workspace(workspace) {}

    // Whether an operation runs (this runner's, or a transfer of the workspace).
    bool running() const;
    // Runs the operation unless another one runs (NotStarted then). Whatever it throws
    // becomes its result: Cancelled after "Zrušit", Failed with the error's text.
    Result run(const std::function<void()>& operation);
    // The user's "Zrušit": ends the running exchange and every later one of this operation.
    void cancel();

private:
    Workspace& m_workspace;
    bool m_running = false;
};
