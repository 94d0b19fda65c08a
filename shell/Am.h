#pragma once
// The main window. Its controls and pictures carry the names the game logic
// addresses them by; the procedures reach them through am().

#include "platform/Surface.h"

#include <QColor>
#include <QCursor>
#include <QFont>
#include <QFrame>
#include <QImage>
#include <QLabel>
#include <QAbstractButton>
#include <QMainWindow>
#include <QPixmap>
#include <QPointer>
#include <array>

class QAction;
class QButtonGroup;
class QListWidget;
class QMenu;
class QPushButton;

namespace kz {

class TitleWindow;

// The arena view: the athlete is drawn here, and mouse presses over it are
// the hand (left) and foot (right) controls.
class ArenaView final : public Surface {
    Q_OBJECT
public:
    using Surface::Surface;

protected:
    void mousePressEvent(QMouseEvent* e) override;
    void mouseDoubleClickEvent(QMouseEvent* e) override;
};

// A seat's name on the score grid.
class NameLabel final : public QLabel {
    Q_OBJECT
public:
    NameLabel(int seat, QWidget* parent);
    int seat() const { return seat_; }

signals:
    void pressed(int seat);
    void released(int seat, QPoint globalPos);

protected:
    void mousePressEvent(QMouseEvent* e) override;
    void mouseReleaseEvent(QMouseEvent* e) override;

private:
    int seat_;
};

// A button that is a picture: pressed, checked and focused states are drawn
// over the picture itself.
class PictureButton final : public QAbstractButton {
    Q_OBJECT
public:
    PictureButton(const QImage& picture, QWidget* parent);
    void setPicture(const QImage& picture);

protected:
    void paintEvent(QPaintEvent* e) override;

private:
    QPixmap picture_;
};

// The invisible hot spot over the board.
class HotSpot final : public QWidget {
    Q_OBJECT
public:
    using QWidget::QWidget;

signals:
    void doubleClicked();

protected:
    void mouseDoubleClickEvent(QMouseEvent* e) override;
};

class Am final : public QMainWindow {
    Q_OBJECT
public:
    explicit Am(QWidget* parent = nullptr);
    ~Am() override;

    // Visible controls.
    Surface* HAI = nullptr;
    ArenaView* BGV = nullptr;
    PictureButton* Are = nullptr;
    PictureButton* Pre = nullptr;
    QFrame* LMES = nullptr;
    QLabel* L_MES1 = nullptr;
    QFrame* LMES2 = nullptr;
    QLabel* L_MES2 = nullptr;
    QFrame* SELE = nullptr;
    std::array<QAbstractButton*, 4> SEL{};
    QButtonGroup* SEL_GROUP = nullptr;
    PictureButton* GM_START = nullptr;
    QFrame* S_PIC = nullptr;
    QListWidget* SLIST = nullptr;
    QFrame* Pic = nullptr;
    QListWidget* List = nullptr;
    std::array<NameLabel*, 4> L_NM{};
    HotSpot* Image1 = nullptr;

    // Menus.
    std::array<QMenu*, 3> M_MENU{};
    std::array<QAction*, 4> MENU1{};
    std::array<QAction*, 4> MENU2{};
    std::array<QAction*, 2> MENU3{};

    // Image stores and work surfaces.
    QImage M_BG, BG, KAO, N_FONT, CHA, M_CHA, Dummy;
    QFont BG_FONT;        // the text font and colour that BG took over from BGV
    QColor BG_TEXT_COLOR;

    // The window's outer size in twips, as the layout sets it.
    QSize outerSizeTwips;

    // The title window until the game hands over from it.
    QPointer<TitleWindow> atitle;

    // Seat label captions and colours, traced for the headless transcript.
    void setNameCaption(int seat, const QString& caption);
    QString nameCaption(int seat) const;
    void setNameWhite(int seat, bool white);
    bool nameIsWhite(int seat) const;
    void setMenuStartCaption(const QString& caption);

protected:
    void closeEvent(QCloseEvent* e) override;

private:
    QCursor dragCursor_;
    void buildBoard();
    void buildMenus();
    void loadPictures();
};

} // namespace kz
