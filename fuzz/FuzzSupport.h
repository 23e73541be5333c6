#pragma once

#include "base/Feedback.h"

// Feedback that shows nothing: a fuzz target's link and workspace report to nobody.
class SilentFeedback : public Feedback {
public:
    void message(const QString&, Severity, const QString&) override {}
    void log(const QString&) override {}
    void setWaitCursor(bool) override {}
};
