#pragma once
#include <QWidget>

class QPainter;

// The bar graph of a tone tip (control Picture1(0) of the tone tip editor), drawn on a
// scale of 15 units to the pixel: red bars for odd steps, blue for even steps.
void DrawTip(int n, QPainter &painter, const QSize &pixels);

class TipPicture : public QWidget {
    Q_OBJECT
public:
    explicit TipPicture(QWidget *parent = nullptr);
    void setTip(int n);
    int tip() const { return tip_; }
    QSize sizeHint() const override { return {360, 110}; }

protected:
    void paintEvent(QPaintEvent *event) override;

private:
    int tip_ = 1;
};
