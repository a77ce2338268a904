// Connect Probe: every connection point listed by window and circuit, with the channel to put
// on it, for connecting from the keyboard (or without finding the point's window).
#pragma once

#include "platform/form.h"
#include "sim/catalogue.h"

#include <optional>

class QComboBox;
class QLabel;
class QPushButton;
class QTreeWidget;

class frmConnectProbe : public Form {
    Q_OBJECT
public:
    frmConnectProbe();
    void onLoad() override;
    bool scriptShow(const QString& control, const QString& index, QJsonObject& out) override;

    // The point picked in the list, if a point (not a heading) is.
    std::optional<sim::PointId> pickedPoint() const;
    // Connects the picked point to the channel chosen (0 A .. 3 D) and closes the window; with a
    // heading picked it says so and stays.
    void connectPicked(int channel);
    void cmdConnect_Click();

protected:
    // Escape closes the window; 1 to 4 in the list connect the picked point to channels A to D.
    void keyPressEvent(QKeyEvent* e) override;
    bool eventFilter(QObject* watched, QEvent* e) override;

private:
    QLabel* lblPoints;
    QTreeWidget* tvwPoints;
    QLabel* lblChannel;
    QComboBox* cmbChannel;
    QPushButton* cmdConnect;
    QPushButton* cmdClose;
};
