// The heater diagram behind the main window's controls: the two cabinets, the flames that
// grow with each arrangement's rise, the blower wheels and the timer that turns them, and
// the rules of the net subtraction.
#pragma once

#include <QObject>
#include <vector>

#include "diagram_canvas.h"

class QTimer;
class QWidget;

namespace vevi {

struct ComparisonReport;

class HeaterDiagram : public QObject {
    Q_OBJECT
public:
    // Drawn over the whole of `client`, behind the controls made after it.
    explicit HeaterDiagram(QWidget* client);

    DiagramCanvas* Canvas() const { return canvas_; }
    // Runs exactly while a comparison is on display; its tick turns the wheels.
    QTimer* WheelTimer() const { return wheelTimer_; }
    int WheelPhase() const { return wheelPhase_; }

    void SizeDrawThruFlame(const ComparisonReport& report);
    void SizeBloThruFlame(const ComparisonReport& report);
    void HideFlames();
    void ShowNetRules(bool visible);
    // One step of both wheels: each shows its other set of spokes.
    void TurnWheels();
    // The wheels turn exactly while a comparison is shown.
    void FollowShown(bool shown);

private:
    struct WheelSpokes {
        std::vector<DiagramCanvas::ItemId> setA, setB;
    };
    void AddCabinets();
    void AddWheels();
    void SizeFlame(DiagramCanvas::ItemId flame, double rise, double top0, double top1);

    DiagramCanvas* canvas_;
    QTimer* wheelTimer_;
    DiagramCanvas::ItemId drawThruFlame_ = 0;
    DiagramCanvas::ItemId bloThruFlame_ = 0;
    std::vector<DiagramCanvas::ItemId> netRules_;
    WheelSpokes drawThruWheel_;
    WheelSpokes bloThruWheel_;
    int wheelPhase_ = 0;
};

}  // namespace vevi
