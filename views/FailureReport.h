#pragma once

// Decides which failures of an operation that is retried again and again to report: the
// first, and the first again after a success. A failure that repeats on every repaint then
// shows one message instead of one more on each pass, also while that message is still open.
class FailureReport {
public:
    // True when this failure is to be reported. The report counts from here on, so a failure
    // that comes while the report is being shown is not reported again.
    bool Failed()
    {
        const bool first = !m_failing;
        m_failing = true;
        return first;
    }
    void Succeeded() { m_failing = false; }

private:
    bool m_failing = false;
};
