#include "platform/QtPlatform.h"

#include <QCoreApplication>
#include <QInputDialog>
#include <QMessageBox>
#include <QTimer>

#include <algorithm>
#include <ctime>
#include <sys/prctl.h>

namespace kz {

SteadyClock::SteadyClock() : start_(std::chrono::steady_clock::now())
{
    // The kernel lets a sleep of this thread run up to 50 us long by
    // default, to batch wake-ups; a frame should end when it is due.
    prctl(PR_SET_TIMERSLACK, 1UL, 0UL, 0UL, 0UL);
}

double SteadyClock::now() const
{
    return std::chrono::duration<double, std::milli>(std::chrono::steady_clock::now() - start_).count();
}

namespace {

long long monotonicNs()
{
    timespec t{};
    clock_gettime(CLOCK_MONOTONIC, &t);
    return static_cast<long long>(t.tv_sec) * 1000000000LL + t.tv_nsec;
}

} // namespace

void SteadyClock::pause(int ms)
{
    const long long start = monotonicNs();
    const long long due = start + static_cast<long long>(ms) * 1000000LL;
    const long long aim = std::max(start, due - leadNs_);
    const timespec deadline{static_cast<time_t>(aim / 1000000000LL), static_cast<long>(aim % 1000000000LL)};
    while (clock_nanosleep(CLOCK_MONOTONIC, TIMER_ABSTIME, &deadline, nullptr) == EINTR) {
    }
    // A slow average of how late waking comes; a thread held up by the
    // scheduler counts for little and never makes a pause more than
    // 0.2 ms short.
    const long long late = monotonicNs() - aim;
    leadNs_ = std::clamp((7 * leadNs_ + late) / 8, 0LL, 200000LL);
}

void QtEventPump::yield()
{
    QCoreApplication::processEvents(QEventLoop::AllEvents);
}

void QtEventPump::waitForEvents()
{
    QCoreApplication::processEvents(QEventLoop::AllEvents | QEventLoop::WaitForMoreEvents);
}

QtTicker::QtTicker() : timer_(new QTimer)
{
    timer_->setTimerType(Qt::PreciseTimer);
    QObject::connect(timer_, &QTimer::timeout, [this] {
        if (tick_)
            tick_();
    });
}

QtTicker::~QtTicker()
{
    delete timer_;
}

void QtTicker::start(int intervalMs, std::function<void()> tick)
{
    tick_ = std::move(tick);
    timer_->start(intervalMs);
}

void QtTicker::stop()
{
    timer_->stop();
}

bool QtDialogs::askYesNo(const QString& title, const QString& text)
{
    QMessageBox box(QMessageBox::NoIcon, title, text, QMessageBox::Yes | QMessageBox::No, parent_);
    return box.exec() == QMessageBox::Yes;
}

std::optional<QString> QtDialogs::askText(const QString& title, const QString& prompt,
                                          const QString& initial)
{
    bool ok = false;
    const QString answer = QInputDialog::getText(parent_, title, prompt, QLineEdit::Normal, initial, &ok);
    if (!ok)
        return std::nullopt;
    return answer;
}

void QtDialogs::inform(const QString& title, const QString& text)
{
    QMessageBox box(QMessageBox::Question, title, text, QMessageBox::Ok, parent_);
    box.exec();
}

void QtDialogs::warn(const QString& title, const QString& text)
{
    QMessageBox box(QMessageBox::Warning, title, text, QMessageBox::Ok, parent_);
    box.exec();
}

} // namespace kz
