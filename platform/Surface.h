#pragma once
// A picture box: a widget that keeps a persistent image and shows it. Drawing
// goes into image(); present() puts the changed area on screen at once, so a
// frame is visible before the pause that follows it.

#include <QImage>
#include <QWidget>

namespace kz {

class Surface : public QWidget {
    Q_OBJECT
public:
    Surface(QSize size, QWidget* parent = nullptr);

    QImage& image() { return image_; }
    const QImage& image() const { return image_; }
    void setImage(const QImage& img);

    void present();
    void present(const QRect& area);

    // Headless runs have nobody watching: presenting then only marks the area
    // for the next event processing instead of painting synchronously.
    static void setPresentImmediately(bool on) { immediate_ = on; }
    static bool presentsImmediately() { return immediate_; }

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    QImage image_;
    static inline bool immediate_ = true;
};

} // namespace kz
