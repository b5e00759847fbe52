#pragma once

#include <QString>

namespace kzp {

// Keeps a second running copy of the program away from the same working directory: an exclusive
// lock on a file in that folder, held until the object is destroyed or the process ends.
class InstanceLock {
public:
    static constexpr const char* FileName = "kzp.lock";

    InstanceLock() = default;
    ~InstanceLock();
    InstanceLock(const InstanceLock&) = delete;
    InstanceLock& operator=(const InstanceLock&) = delete;

    // True when this process now holds the folder; false when another copy does or the folder
    // cannot be used, with the reason in errorText().
    bool acquire(const QString& workDir);
    void release();
    bool isHeld() const { return m_fd >= 0; }
    QString errorText() const { return m_error; }

private:
    int m_fd = -1;
    QString m_error;
};

} // namespace kzp
