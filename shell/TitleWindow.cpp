#include "shell/TitleWindow.h"

#include "game/World.h"
#include "platform/Platform.h"
#include "shell/Am.h"
#include "shell/EntryPoints.h"
#include "shell/Sound.h"

#include <QCloseEvent>
#include <QKeyEvent>
#include <QMouseEvent>

namespace kz {

TitlePicture::TitlePicture(TitleWindow* owner) : QLabel(owner), owner_(owner)
{
    setFocusPolicy(Qt::StrongFocus);
}

void TitlePicture::mousePressEvent(QMouseEvent*)
{
    owner_->clickedPicture();
}

void TitlePicture::keyPressEvent(QKeyEvent*)
{
    owner_->keyOnPicture();
}

TitleWindow::TitleWindow()
{
    setWindowTitle("ケゾラ Ver 1.05");
    setAttribute(Qt::WA_DeleteOnClose);
    setAutoFillBackground(true);
    QPalette pal = palette();
    pal.setColor(QPalette::Window, QColor(64, 64, 64));
    setPalette(pal);
    const QPixmap title(":/pictures/TIT.png");
    TIT = new TitlePicture(this);
    TIT->setGeometry(0, 0, 318, 356);
    TIT->setPixmap(title);
    setFixedSize(318, 356);
    setWindowIcon(QIcon(":/pictures/ICON.png"));
}

void TitleWindow::beginWaiting()
{
    ticks_ = 0;
    if (auto* t = sys().ticker)
        t->start(500, [this] { guarded([this] { tick(); }); });
    TIT->setFocus();
}

void TitleWindow::tick()
{
    // The title music is about half a minute long: start it again every 40.5 s.
    ticks_ += 1;
    if (ticks_ > 80) {
        ticks_ = 0;
        PauseMusic();
        PlayMusic(0);
    }
}

void TitleWindow::clickedPicture()
{
    sys().note("title click");
    PauseMusic();
    showMainWindow();
}

void TitleWindow::keyOnPicture()
{
    sys().note("title key");
    StopMusic();
    showMainWindow();
}

void TitleWindow::keyPressEvent(QKeyEvent*)
{
    showMainWindow();
}

void TitleWindow::showMainWindow()
{
    if (handedOver_)
        return;
    handedOver_ = true;
    if (auto* t = sys().ticker)
        t->stop();
    auto& a = am();
    a.show();
    a.activateWindow();
    a.GM_START->setFocus();
    sys().note("main window");
    close();
}

void TitleWindow::closeEvent(QCloseEvent* e)
{
    e->accept();
    if (!handedOver_) {
        // Closing the title before the game begins ends the program.
        if (auto* t = sys().ticker)
            t->stop();
        QuitGame();
    }
}

} // namespace kz
