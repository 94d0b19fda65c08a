#include "platform/QtPlatform.h"

#include <QCoreApplication>
#include <QInputDialog>
#include <QMessageBox>
#include <QTimer>

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

void SteadyClock::pause(int ms)
{
    timespec deadline{};
    clock_gettime(CLOCK_MONOTONIC, &deadline);
    deadline.tv_sec += ms / 1000;
    deadline.tv_nsec += static_cast<long>(ms % 1000) * 1000000L;
    if (deadline.tv_nsec >= 1000000000L) {
        deadline.tv_sec += 1;
        deadline.tv_nsec -= 1000000000L;
    }
    while (clock_nanosleep(CLOCK_MONOTONIC, TIMER_ABSTIME, &deadline, nullptr) == EINTR) {
    }
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
