#include "platform/SingleInstance.h"

#include <QDir>
#include <unistd.h>

namespace kz {

SingleInstance::SingleInstance(const QString& name)
{
    const QString path = QDir::tempPath() + "/" + name + "-" + QString::number(getuid()) + ".lock";
    lock_ = std::make_unique<QLockFile>(path);
    lock_->setStaleLockTime(0); // stale only when its process is gone, however old
    acquired_ = lock_->tryLock(0);
}

} // namespace kz
