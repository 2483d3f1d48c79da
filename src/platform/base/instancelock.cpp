#include "platform/base/instancelock.h"

#include <QLockFile>

namespace platform
{

namespace
{

bool namesItsHolder(const QLockFile& lock)
{
    qint64 pid = 0;
    QString host;
    QString application;
    return lock.getLockInfo(&pid, &host, &application) && pid > 0;
}

} // namespace

InstanceLock::InstanceLock(const QString& lockFilePath)
    : m_lock(std::make_unique<QLockFile>(lockFilePath))
{
    // A process that runs for days keeps its lock: only the lock of a process that is gone
    // counts as stale, never one that is merely old.
    m_lock->setStaleLockTime(0);
    if (m_lock->tryLock(0)) {
        m_state = InstanceLockState::Held;
        return;
    }
    if (m_lock->error() != QLockFile::LockFailedError) {
        m_state = InstanceLockState::Unguarded;
        return;
    }
    if (namesItsHolder(*m_lock)) {
        m_state = InstanceLockState::HeldElsewhere;
        return;
    }
    // The removal takes the file's own lock first, so a holder still writing its name keeps it.
    if (m_lock->removeStaleLockFile() && m_lock->tryLock(0))
        m_state = InstanceLockState::Held;
    else
        m_state = InstanceLockState::HeldElsewhere;
}

InstanceLock::~InstanceLock() = default;

} // namespace platform
