#pragma once

#include <QPointer>
#include <QWidget>

// A ring around the control that has the keyboard focus, when the focus came from the keyboard:
// four pixels wide, yellow between two black lines, so that it shows on every background of the
// scene and from the back of a classroom. Focus that came from a mouse click shows none, as
// desktop buttons behave.
class FocusRing : public QWidget {
    Q_OBJECT

  public:
    explicit FocusRing(QWidget& window);

    // The control the ring is around, if it shows.
    QWidget* target() const { return isVisible() ? target_.data() : nullptr; }

  protected:
    bool eventFilter(QObject* watched, QEvent* event) override;
    void paintEvent(QPaintEvent* event) override;

  private:
    void surround(QWidget* target);
    void follow();

    QWidget& window_;
    QPointer<QWidget> target_;
};
