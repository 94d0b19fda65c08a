#pragma once
// Only one copy of the game runs at a time. The lock names the process that
// holds it, so a lock left by a copy that was killed does not block the next.

#include <QLockFile>
#include <QString>
#include <memory>

namespace kz {

class SingleInstance {
public:
    explicit SingleInstance(const QString& name = "kezora");
    // False when another running copy holds the lock.
    bool acquired() const { return acquired_; }

private:
    std::unique_ptr<QLockFile> lock_;
    bool acquired_ = false;
};

} // namespace kz
