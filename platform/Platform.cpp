#include "platform/Platform.h"

#include <QFile>
#include <QSaveFile>
#include <cmath>

namespace kz {

double Random::next()
{
    ++taken_;
    if (suppliedPos_ < supplied_.size())
        return supplied_[suppliedPos_++];
    // 32-bit linear congruential generator; its top 24 bits make the fraction.
    state_ = state_ * 1664525u + 1013904223u;
    return static_cast<double>(state_ >> 8) / 16777216.0;
}

void Random::supply(std::initializer_list<double> draws)
{
    supply(std::vector<double>(draws));
}

void Random::supply(const std::vector<double>& draws)
{
    supplied_.erase(supplied_.begin(), supplied_.begin() + static_cast<std::ptrdiff_t>(suppliedPos_));
    suppliedPos_ = 0;
    supplied_.insert(supplied_.end(), draws.begin(), draws.end());
}

void Random::reset()
{
    *this = Random();
}

std::optional<QByteArray> FileStore::read(const QString& path)
{
    QFile f(path);
    if (!f.open(QIODevice::ReadOnly))
        return std::nullopt;
    return f.readAll();
}

bool FileStore::write(const QString& path, const QByteArray& bytes)
{
    QSaveFile f(path);
    // Unbuffered: a buffered write that the disk cuts short (full disk, file
    // size limit) passed unnoticed and commit() put the torn file in place.
    if (!f.open(QIODevice::WriteOnly | QIODevice::Unbuffered))
        return false;
    if (f.write(bytes) != bytes.size())
        return false; // not committed: the old file stays
    return f.commit();
}

void Platform::pause(int ms)
{
    if (quitRequested)
        throw QuitRequested{};
    if (ms > 0)
        clock->pause(ms);
}

void Platform::yield()
{
    if (quitRequested)
        throw QuitRequested{};
    pump->yield();
    if (quitRequested)
        throw QuitRequested{};
}

void Platform::waitForEvents()
{
    if (quitRequested)
        throw QuitRequested{};
    pump->waitForEvents();
    if (quitRequested)
        throw QuitRequested{};
}

void Platform::note(const QString& text)
{
    if (!tracing())
        return;
    trace->line(QString::number(static_cast<long long>(std::floor(clock->now()))) + ' ' + text);
}

} // namespace kz
