// The circuit without any window: the track file's points, the car's advance round them
// with the lap count, and the lines of a track recording.
#pragma once

#include <QByteArray>
#include <QString>
#include <QPointF>
#include <QVector>

namespace telemetry {

constexpr int kMaxTrackPoints = 750;
constexpr double kCircuitUnits = 200;  // the plan is 200 x 200 units, y downwards
// The car marker's side in circuit units. The marker's top-left corner stands on the track
// point, so the circuit picture draws the road half a marker to the right and down.
constexpr double kCarSize = 8;

// The points of a track file: whole or decimal numbers taken pairwise, x then y, from fields
// separated by commas or line ends. Reading ends at kMaxTrackPoints points, at the first
// field that is not a number, or at a final x without its y. Coordinates are held inside the
// plan (a value below 0 counts as 0, one above 200 as 200).
QVector<QPointF> parseTrack(const QByteArray& text);

// The car's position and lap after one telemetry tick.
struct CarState {
    int position = 0;  // track point index; may pass the last point until the next lap test
    int lap = 1;
    bool lapped = false;  // a new lap began on this tick
    bool moved = false;   // the road speed was above 0 and there is a track
};

// One tick: with a road speed above 0 the lap test comes first (a position at or past the last
// point restarts at 1 and counts a lap), then the car moves roadSpeed / 20 points, the sum
// rounded with halves to even. Standing still at 0 km/h or below, or on a track of no points.
// Raises Overflow (6) when the position or the lap leaves 16 bits.
CarState advanceCar(int position, int lap, int trackLength, int roadSpeed);

// The track point the marker stands on for a position: the position itself inside the track,
// the last point past its end, point 1 before its start; 0 for a track of no points.
int placementPoint(int position, int trackLength);

// One line of a track recording: "x,y" and CR LF.
QByteArray trackLine(long x, long y);

}  // namespace telemetry

namespace telemetry {

// The program's one output file for the track recording and the export: while a recording
// is open, each point goes to the file at once (the file is replaced whole with every point,
// so it always holds the complete lines recorded so far).
class OutputChannel {
public:
    // Starts a new recording in the file, emptying it. Raises the write's error (75, 76, ...).
    void openRecording(const QString& path);
    // One point of the recording; raises 52 "Bad file name or number" when no file is open.
    void writePoint(long x, long y);
    void close();
    bool isOpen() const { return open_; }
    QString path() const { return path_; }

private:
    bool open_ = false;
    QString path_;
    QByteArray written_;
};

OutputChannel& outputChannel();

}  // namespace telemetry
