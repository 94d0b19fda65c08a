#include "shell/Am.h"

#include "game/GameState.h"
#include "game/Tournament.h"
#include "game/World.h"
#include "performance/EndingShow.h"
#include "performance/Passes.h"
#include "platform/Platform.h"
#include "shell/EntryPoints.h"
#include "shell/Layout.h"
#include "shell/Menus.h"
#include "shell/Sound.h"

#include <QApplication>
#include <QButtonGroup>
#include <QCloseEvent>
#include <QKeyEvent>
#include <QListWidget>
#include <QMenuBar>
#include <QMouseEvent>
#include <QPainter>
#include <QPushButton>

namespace kz {

// ---- arena view and labels --------------------------------------------------

void ArenaView::mousePressEvent(QMouseEvent* e)
{
    if (e->button() == Qt::LeftButton)
        CountHand();
    else if (e->button() == Qt::RightButton)
        CountFoot();
}

// The second press of a fast double click arrives as a double click: it
// counts like any other press.
void ArenaView::mouseDoubleClickEvent(QMouseEvent* e)
{
    mousePressEvent(e);
}

NameLabel::NameLabel(int seat, QWidget* parent) : QLabel(parent), seat_(seat) {}

void NameLabel::mousePressEvent(QMouseEvent* e)
{
    if (e->button() == Qt::LeftButton)
        emit pressed(seat_);
}

void NameLabel::mouseReleaseEvent(QMouseEvent* e)
{
    if (e->button() == Qt::LeftButton)
        emit released(seat_, e->globalPosition().toPoint());
}

void HotSpot::mouseDoubleClickEvent(QMouseEvent*)
{
    emit doubleClicked();
}

// ---- keyboard ---------------------------------------------------------------

namespace {

// Every Z / 無変換 (hand) and X / Space (foot) press while the main window is
// active reaches exactly one counter, whichever widget has the focus: the
// event is counted where it is first delivered and nowhere on its way up.
class ControlKeys final : public QObject {
public:
    explicit ControlKeys(Am* window) : QObject(window), window_(window) {}

protected:
    bool eventFilter(QObject* obj, QEvent* ev) override
    {
        if (ev->type() != QEvent::KeyPress)
            return false;
        auto* w = qobject_cast<QWidget*>(obj);
        if (!w || w->window() != window_)
            return false;
        QWidget* first = QApplication::focusWidget();
        if (!first || first->window() != window_)
            first = window_;
        if (w != first)
            return false;
        auto* key = static_cast<QKeyEvent*>(ev);
        switch (key->key()) {
        case Qt::Key_Z:
        case Qt::Key_Muhenkan:
            CountHand();
            return true;
        case Qt::Key_X:
            CountFoot();
            return true;
        case Qt::Key_Space:
            CountFoot();
            return false; // a focused button is pressed as well
        case Qt::Key_Return:
        case Qt::Key_Enter:
            if (auto* b = qobject_cast<QAbstractButton*>(w)) {
                if (!key->isAutoRepeat())
                    b->click();
                return true;
            }
            return false;
        default:
            return false;
        }
    }

private:
    Am* window_;
};

QImage picture(const QString& name, QSize size)
{
    QImage img(":/pictures/" + name + ".png");
    if (img.isNull() || (size.isValid() && img.size() != size)) {
        img = QImage(size.isValid() ? size : QSize(32, 32), QImage::Format_RGB32);
        img.fill(Qt::white);
    }
    return img;
}

QImage rgb(const QImage& img)
{
    return img.convertToFormat(QImage::Format_RGB32);
}

void paintPanel(QWidget* w, QPalette::ColorRole background)
{
    w->setAutoFillBackground(true);
    QPalette pal = w->palette();
    pal.setColor(QPalette::Window, pal.color(background));
    w->setPalette(pal);
}

QFrame* panel(QWidget* parent)
{
    auto* f = new QFrame(parent);
    paintPanel(f, QPalette::Highlight);
    return f;
}

QLabel* messageLabel(QWidget* parent)
{
    auto* l = new QLabel(parent);
    l->setAlignment(Qt::AlignHCenter | Qt::AlignVCenter);
    l->setAutoFillBackground(true);
    QPalette pal = l->palette();
    pal.setColor(QPalette::Window, pal.color(QPalette::Highlight));
    pal.setColor(QPalette::WindowText, pal.color(QPalette::HighlightedText));
    l->setPalette(pal);
    return l;
}

QListWidget* rankingList(QWidget* parent, const QColor& text, const QString& tip)
{
    auto* list = new QListWidget(parent);
    list->setSelectionMode(QAbstractItemView::MultiSelection);
    list->setFocusPolicy(Qt::NoFocus);
    list->setFrameShape(QFrame::NoFrame);
    list->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    list->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    list->setToolTip(tip);
    list->setUniformItemSizes(true);
    QPalette pal = list->palette();
    // The frame colour of the standard scheme: black behind the lists.
    pal.setColor(QPalette::Base, pal.color(QPalette::WindowText));
    pal.setColor(QPalette::Text, text);
    list->setPalette(pal);
    return list;
}

} // namespace

// ---- the window ---------------------------------------------------------------

PictureButton::PictureButton(const QImage& picture, QWidget* parent) : QAbstractButton(parent)
{
    setPicture(picture);
    setFocusPolicy(Qt::StrongFocus);
}

void PictureButton::setPicture(const QImage& picture)
{
    picture_ = QPixmap::fromImage(picture);
    update();
}

void PictureButton::paintEvent(QPaintEvent*)
{
    QPainter p(this);
    const bool sunken = isDown() || isChecked();
    // A pressed or chosen button sinks by one pixel under a darker edge.
    p.drawPixmap(sunken ? QPoint(1, 1) : QPoint(0, 0), picture_);
    if (sunken) {
        p.setPen(QColor(0, 0, 0, 140));
        p.drawLine(0, 0, width() - 1, 0);
        p.drawLine(0, 0, 0, height() - 1);
        p.setPen(QPen(QColor(255, 220, 80), 2));
        p.drawRect(rect().adjusted(1, 1, -1, -1));
    }
    if (hasFocus()) {
        p.setPen(QPen(QColor(255, 255, 255, 200), 1, Qt::DotLine));
        p.drawRect(rect().adjusted(3, 3, -4, -4));
    }
}

Am::Am(QWidget* parent) : QMainWindow(parent)
{
    setWindowTitle("ケゾラ");
    setWindowIcon(QIcon(QPixmap::fromImage(picture("ICON", {}))));
    loadPictures();
    buildBoard();
    buildMenus();
    ApplyFonts(*this, 0);
    PlaceControls(*this);
    outerSizeTwips = MainWindowTwips(0);
    setFixedSize(800, 600 + menuBar()->sizeHint().height());
    qApp->installEventFilter(new ControlKeys(this));
}

Am::~Am()
{
}

void Am::loadPictures()
{
    M_BG = rgb(picture("M_BG", {786, 300}));
    BG = M_BG;
    KAO = rgb(picture("KAO", {752, 16}));
    N_FONT = rgb(picture("N_FONT", {200, 16}));
    CHA = rgb(picture("CHA", {760, 160}));
    M_CHA = rgb(picture("M_CHA", {760, 160}));
    Dummy = QImage(200, 200, QImage::Format_RGB32);
    Dummy.fill(Qt::white);
}

void Am::buildBoard()
{
    HAI = new Surface({800, 600}, this);
    HAI->setImage(picture("HAI", {800, 600}));
    setCentralWidget(HAI);
    HAI->setFixedSize(800, 600);

    BGV = new ArenaView({786, 300}, HAI);
    BGV->setGeometry(8, 8, 786, 300);
    BGV->setImage(M_BG);
    BGV->setContextMenuPolicy(Qt::PreventContextMenu);
    QPalette arenaPal = BGV->palette();
    arenaPal.setColor(QPalette::ButtonText, Qt::black);
    BGV->setPalette(arenaPal);
    BGV->setCursor(QCursor(QPixmap::fromImage(picture("CURSOR", {})), 4, 2));
    dragCursor_ = QCursor(QPixmap::fromImage(picture("DRAG", {})), 8, 8);

    Pre = new PictureButton(picture("PRE", {281, 49}), BGV);
    Pre->hide();
    Are = new PictureButton(picture("ARE", {281, 49}), BGV);
    Are->setToolTip("準備がよければ押して下さい");
    Are->hide();
    connect(Are, &QAbstractButton::clicked, this, [] { guarded(OnAreClicked); });
    connect(Pre, &QAbstractButton::clicked, this, [] { guarded(OnPreClicked); });

    LMES = panel(HAI);
    L_MES1 = messageLabel(LMES);
    LMES2 = panel(HAI);
    L_MES2 = messageLabel(LMES2);

    SELE = panel(HAI);
    SEL_GROUP = new QButtonGroup(this);
    const char* tips[4] = {"１人用です", "２人用です", "3人用です", "４人でプレイします"};
    for (int k = 0; k < 4; ++k) {
        auto* b = new PictureButton(picture(QString("SEL%1").arg(k), {81, 48}), SELE);
        b->setCheckable(true);
        b->setToolTip(tips[k]);
        SEL_GROUP->addButton(b, k);
        SEL[k] = b;
        connect(b, &QAbstractButton::clicked, this, [k] { guarded([k] { SelectPlayerCount(k); }); });
    }
    SEL[0]->setChecked(true);
    GM_START = new PictureButton(picture("GM_START", {97, 48}), SELE);
    connect(GM_START, &QAbstractButton::clicked, this, [] { guarded(OnStartButton); });

    S_PIC = new QFrame(HAI);
    SLIST = rankingList(S_PIC, palette().color(QPalette::HighlightedText), "得点のランキングです");
    S_PIC->hide();
    Pic = new QFrame(HAI);
    List = rankingList(Pic, QColor(255, 255, 0), "総合得点のランキングです");
    Pic->hide();

    for (int k = 0; k < 4; ++k) {
        auto* l = new NameLabel(k, HAI);
        l->setAlignment(Qt::AlignCenter);
        l->setText(" ");
        L_NM[k] = l;
        QPalette pal = l->palette();
        pal.setColor(QPalette::WindowText, Qt::white);
        l->setPalette(pal);
        connect(l, &NameLabel::pressed, this, [this](int seat) {
            guarded([seat] { DragStart(seat); });
            if (state().DRAG_FROM == seat)
                QApplication::setOverrideCursor(dragCursor_);
        });
        connect(l, &NameLabel::released, this, [this](int, QPoint global) {
            if (QApplication::overrideCursor())
                QApplication::restoreOverrideCursor();
            int target = -1;
            for (int k = 0; k < 4; ++k)
                if (L_NM[k]->rect().contains(L_NM[k]->mapFromGlobal(global)))
                    target = k;
            guarded([target] {
                if (target >= 0)
                    DropOn(target);
                else
                    CancelDrag();
            });
        });
    }

    Image1 = new HotSpot(HAI);
    Image1->setGeometry(560, 432, 33, 25);
    connect(Image1, &HotSpot::doubleClicked, this, [] { guarded(OnHotSpotDoubleClick); });
}

void Am::buildMenus()
{
    M_MENU[0] = menuBar()->addMenu("GAME");
    MENU1[0] = M_MENU[0]->addAction("開始");
    MENU1[1] = M_MENU[0]->addSeparator();
    MENU1[2] = M_MENU[0]->addAction("バージョン");
    MENU1[3] = M_MENU[0]->addAction("終了");
    connect(MENU1[0], &QAction::triggered, this, [] { guarded(OnMenuStartStop); });
    connect(MENU1[2], &QAction::triggered, this, [] { guarded([] { ShowInfoPanel("バージョン"); }); });
    connect(MENU1[3], &QAction::triggered, this, [] { guarded(QuitGame); });

    M_MENU[1] = menuBar()->addMenu("参加選手");
    for (int k = 0; k < 4; ++k) {
        MENU2[k] = M_MENU[1]->addAction(QString("%1人").arg(k + 1));
        connect(MENU2[k], &QAction::triggered, this, [k] { guarded([k] { SelectPlayerCount(k); }); });
    }

    M_MENU[2] = menuBar()->addMenu("ヘルプ");
    MENU3[0] = M_MENU[2]->addAction("遊び方");
    MENU3[1] = M_MENU[2]->addAction("操作方法");
    connect(MENU3[0], &QAction::triggered, this, [] { guarded([] { ShowInfoPanel("遊び方"); }); });
    connect(MENU3[1], &QAction::triggered, this, [] { guarded([] { ShowInfoPanel("操作方法"); }); });
}

void Am::setNameCaption(int seat, const QString& caption)
{
    L_NM[seat]->setText(caption);
    sys().note(QString("label %1 %2 %3").arg(seat).arg(caption, nameIsWhite(seat) ? "white" : "red"));
}

QString Am::nameCaption(int seat) const
{
    return L_NM[seat]->text();
}

void Am::setNameWhite(int seat, bool white)
{
    QPalette pal = L_NM[seat]->palette();
    pal.setColor(QPalette::WindowText, white ? QColor(255, 255, 255) : QColor(255, 0, 0));
    L_NM[seat]->setPalette(pal);
    sys().note(QString("label %1 %2 %3").arg(seat).arg(nameCaption(seat), white ? "white" : "red"));
}

bool Am::nameIsWhite(int seat) const
{
    return L_NM[seat]->palette().color(QPalette::WindowText) == QColor(255, 255, 255);
}

void Am::setMenuStartCaption(const QString& caption)
{
    MENU1[0]->setText(caption);
    sys().note("menu " + caption);
}

void Am::closeEvent(QCloseEvent* e)
{
    e->accept();
    PauseMusic();
    QuitGame();
}

} // namespace kz
