#pragma once

#include <functional>
#include <QLabel>

// A label that acts as a link: it underlines itself while the pointer is over
// it and runs `onClick` when pressed.
class SkinLinkLabel : public QLabel {
public:
    explicit SkinLinkLabel(QWidget* parent = nullptr);
    std::function<void()> onClick;

protected:
    void enterEvent(QEnterEvent* event) override;
    void leaveEvent(QEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;

private:
    void setUnderline(bool on);
};
