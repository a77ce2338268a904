// The picture laid over the lookup tables of the engine-management window: the control
// unit with its six input circuits (sensors on the left) and three output circuits
// (actuators on the right), drawn by the program. Each circuit carries two connection
// points: the even-numbered lblECU label at the upstream end of the wire and the
// odd-numbered one at the downstream end (sensor -> unit pin, unit pin -> actuator).
#pragma once

#include <QWidget>

class QLabel;

class EcuCover : public QWidget {
    Q_OBJECT
public:
    // Size of the picture in pixels.
    static constexpr int kWidth = 418;
    static constexpr int kHeight = 268;

    explicit EcuCover(QWidget* parent);
    QWidget* unit() const { return unit_; }
    QLabel* label(int index) const { return labels_[index]; }

protected:
    void paintEvent(QPaintEvent* e) override;

private:
    QWidget* unit_;
    QLabel* labels_[18];
};

// The control unit itself (pbxECU): the cast case, its connector pins and the board.
class EcuUnit : public QWidget {
    Q_OBJECT
public:
    explicit EcuUnit(QWidget* parent);
protected:
    void paintEvent(QPaintEvent* e) override;
};
