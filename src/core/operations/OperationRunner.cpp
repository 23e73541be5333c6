#include "operations/OperationRunner.h"

#include "base/Errors.h"
#include "workspace/Workspace.h"

#include <utility>

bool OperationRunner::running() const {
    return m_running || m_workspace.isBusy();
}

OperationRunner::Result OperationRunner::run(const std::function<void()>& operation) {
    // A timer or a queued event that gets here while one runs does not start a second.
    if (running())
        return {Outcome::NotStarted, {}};
    struct Running {
        bool& flag;
        explicit Running(bool& f) : flag(f) { flag = true; }
        ~Running() { flag = false; }
    } scope(m_running);
    m_workspace.link().clearCancel(); // an earlier "Zrušit" is forgotten
    try {
        operation();
        return {Outcome::Done, {}};
    } catch (const Cancelled& e) {
        return {Outcome::Cancelled, e.text()};
    } catch (const OperationError& e) {
        return {Outcome::Failed, e.text()};
    } catch (const std::exception& e) {
        return {Outcome::Failed, QString::fromLocal8Bit(e.what())};
    }
}

void OperationRunner::cancel() {
    m_workspace.link().cancel();
}
