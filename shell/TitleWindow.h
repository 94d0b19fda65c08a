#pragma once
// The small title window shown at start: the title picture and music until
// the player clicks or presses a key.

#include <QLabel>
#include <QWidget>

namespace kz {

class TitleWindow;

// The title picture; it holds the keyboard focus.
class TitlePicture final : public QLabel {
    Q_OBJECT
public:
    explicit TitlePicture(TitleWindow* owner);

protected:
    void mousePressEvent(QMouseEvent* e) override;
    void keyPressEvent(QKeyEvent* e) override;

private:
    TitleWindow* owner_;
};

class TitleWindow final : public QWidget {
    Q_OBJECT
public:
    TitleWindow();

    TitlePicture* TIT = nullptr;

    // Starts the hand-over wait: Timer1 ticks every 500 ms until the main window shows.
    void beginWaiting();
    void clickedPicture();
    void keyOnPicture();
    int ticks() const { return ticks_; }

protected:
    void keyPressEvent(QKeyEvent* e) override;
    void closeEvent(QCloseEvent* e) override;

private:
    void tick();
    void showMainWindow();

    int ticks_ = 0;
    bool handedOver_ = false;
};

} // namespace kz
