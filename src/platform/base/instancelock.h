#pragma once

#include <QString>
#include <memory>

class QLockFile;

namespace platform
{

enum class InstanceLockState {
    Held,          // this process holds the lock
    HeldElsewhere, // another running process holds it
    Unguarded,     // no lock file can be made there (read-only folder, full disk)
};

// One running process per folder: a lock file, held while the object lives. A lock left by a
// process that no longer runs (a crash, a power loss) is taken over; so is a lock file that
// names nobody (written only in part).
class InstanceLock
{
public:
    explicit InstanceLock(const QString& lockFilePath);
    ~InstanceLock();
    InstanceLock(const InstanceLock&) = delete;
    InstanceLock& operator=(const InstanceLock&) = delete;

    InstanceLockState state() const { return m_state; }

private:
    std::unique_ptr<QLockFile> m_lock;
    InstanceLockState m_state = InstanceLockState::Unguarded;
};

} // namespace platform
