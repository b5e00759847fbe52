#pragma once

namespace kzp {

// Switches that batch operations raise for their whole run, so that the per-row record rules
// that must not fire for them stand aside. Each is raised through a BatchModeGuard, which lowers
// it again on every way out.
struct BatchModes {
    bool payrollImport = false;     // import of withheld deductions from payroll
    bool dataPurge = false;         // purge of old data behind opening balances
    bool initialGeneration = false; // entry fees and first contributions of new members
    bool worksheet = false;         // bulk work of the deductions worksheet

    bool any() const { return payrollImport || dataPurge || initialGeneration || worksheet; }
};

class BatchModeGuard {
public:
    explicit BatchModeGuard(bool& mode) : m_mode(mode), m_previous(mode) { m_mode = true; }
    ~BatchModeGuard() { m_mode = m_previous; }
    BatchModeGuard(const BatchModeGuard&) = delete;
    BatchModeGuard& operator=(const BatchModeGuard&) = delete;

private:
    bool& m_mode;
    bool m_previous;
};

} // namespace kzp
