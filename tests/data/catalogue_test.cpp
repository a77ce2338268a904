// The catalogue of connection points and faults against what ships and what the windows show:
// every point stands on its window with its caption and has its data files beside the program,
// every draggable label is a point of the catalogue, every waveform a fault names is there, and
// the faults list the user reads describes each fault of the catalogue under its number and
// names its part.
#include "testing.h"

#include "platform/form.h"
#include "platform/services.h"
#include "sim/catalogue.h"

#include <QDir>
#include <QFile>
#include <QLabel>
#include <QRegularExpression>
#include <gtest/gtest.h>

#include <map>
#include <set>

namespace {

QString dataPath(const QString& name) { return QDir(appFolder()).filePath(name); }

// The label a point stands on, on its window; null when the window has no such control.
QLabel* labelOf(sim::PointId id) {
    const sim::PointInfo& p = sim::point(id);
    Form* window = Forms::get(sim::windowClass(p.window));
    if (!window) return nullptr;
    const QString name = p.index < 0 ? QString::fromLatin1(p.control) : arrayName(p.control, p.index);
    return qobject_cast<QLabel*>(window->control(name));
}

std::string keyOf(sim::PointId id) { return sim::point(id).key; }

TEST(Catalogue, EveryPointStandsOnItsWindowAndEveryDraggableLabelIsAPoint) {
    std::set<const QWidget*> found;
    std::set<QString> keys;
    for (const sim::PointInfo& p : sim::points()) {
        SCOPED_TRACE(p.key);
        EXPECT_TRUE(keys.insert(QString::fromLatin1(p.key)).second) << "the key is used twice";
        EXPECT_EQ(sim::pointForKey(p.key), p.id);
        QLabel* label = labelOf(p.id);
        ASSERT_NE(label, nullptr) << "no such control on " << sim::windowClass(p.window).toStdString();
        EXPECT_NE(qobject_cast<DragLabel*>(label), nullptr) << "the control cannot be dragged";
        EXPECT_EQ(label->text(), sim::captionOf(p.id));
        EXPECT_TRUE(found.insert(label).second) << "two points on one label";
    }
    for (sim::Window w : {sim::Window::Simulation, sim::Window::Starting, sim::Window::Charging}) {
        Form* window = Forms::get(sim::windowClass(w));
        ASSERT_NE(window, nullptr);
        for (const DragLabel* label : window->findChildren<DragLabel*>())
            EXPECT_TRUE(found.count(label)) << window->formName().toStdString() << "." << label->objectName().toStdString()
                                            << " is not in the catalogue";
    }
}

TEST(Catalogue, EveryPointHasItsDataFilesAndEveryFaultWaveformIsThere) {
    std::set<QString> bases;
    for (const sim::PointInfo& p : sim::points()) bases.insert(QString::fromLatin1(sim::quantityInfo(p.quantity).fileBase));
    for (const QString& base : bases)
        for (const char* extension : {".msf", ".jpg", ".txt"}) {
            const QString name = base + extension;
            EXPECT_TRUE(QFile::exists(dataPath(name))) << name.toStdString() << " is missing";
        }
    // The fault waveforms are looked up without regard to letter case, as the program does.
    const QStringList present = QDir(appFolder()).entryList(QDir::Files);
    for (const sim::FaultInfo& f : sim::faults())
        for (const sim::Indication& shown : f.shown) {
            if (shown.kind != sim::Indication::Waveform) continue;
            EXPECT_TRUE(present.contains(QString::fromLatin1(shown.text), Qt::CaseInsensitive))
                << "fault " << f.number << ": " << shown.text << " is missing";
        }
}

TEST(Catalogue, EveryFaultIsShownAtPointsOnTheWindows) {
    for (const sim::FaultInfo& f : sim::faults()) {
        SCOPED_TRACE("fault " + std::to_string(f.number));
        EXPECT_EQ(sim::faultNumbered(f.number), &f);
        EXPECT_EQ(&sim::fault(f.id), &f);
        ASSERT_FALSE(f.shown.empty()) << "the instrument shows it nowhere";
        for (const sim::Indication& shown : f.shown) {
            EXPECT_FALSE(shown.at.empty()) << shown.text;
            for (sim::PointId p : shown.at) EXPECT_NE(labelOf(p), nullptr) << keyOf(p);
        }
        for (sim::PointId p : f.alsoReaches) EXPECT_NE(labelOf(p), nullptr) << keyOf(p);
    }
}

// The faults list: its groups under headings in capitals, each entry "N - what has gone wrong".
struct ListEntry {
    QString heading;
    QString text;
};
std::map<int, QList<ListEntry>> faultsList() {
    QFile file(dataPath("faults.txt"));
    EXPECT_TRUE(file.open(QIODevice::ReadOnly)) << "faults.txt cannot be read";
    std::map<int, QList<ListEntry>> entries;
    static const QRegularExpression heading("^[A-Z][A-Z /-]+( \\(.*\\))?$");
    static const QRegularExpression entry("^(\\d+) - (.+)$");
    QString current;
    for (const QByteArray& raw : file.readAll().split('\n')) {
        const QString line = QString::fromUtf8(raw).trimmed();
        if (heading.match(line).hasMatch()) {
            current = line;
            continue;
        }
        const QRegularExpressionMatch m = entry.match(line);
        if (m.hasMatch()) entries[m.captured(1).toInt()] << ListEntry{current, m.captured(2)};
    }
    return entries;
}

TEST(Catalogue, TheFaultsListDescribesEachFaultOnceAndNamesItsPart) {
    const std::map<int, QList<ListEntry>> list = faultsList();
    for (const auto& [number, entries] : list) {
        EXPECT_NE(sim::faultNumbered(number), nullptr) << "the list describes fault " << number << ", which there is not";
        EXPECT_EQ(entries.size(), 1) << "fault " << number << " is described " << entries.size() << " times";
    }
    for (const sim::FaultInfo& f : sim::faults()) {
        SCOPED_TRACE("fault " + std::to_string(f.number));
        const auto it = list.find(f.number);
        ASSERT_NE(it, list.end()) << "the list does not describe it";
        const ListEntry& e = it->second.front();
        EXPECT_FALSE(e.heading.isEmpty()) << "it stands under no heading";
        // Every word of the part's name, in the entry or the heading of its group.
        const QString where = e.heading + ' ' + e.text;
        for (const QString& word : QString::fromLatin1(f.part).split(QRegularExpression("[ /]"), Qt::SkipEmptyParts))
            EXPECT_TRUE(where.contains(word, Qt::CaseInsensitive))
                << "the entry \"" << e.text.toStdString() << "\" does not name the part \"" << f.part << "\"";
    }
}

}  // namespace

TEST(Catalogue, PointsOfOneCaptionAreToldApartByTheirPlace) {
    // Several points share a caption (three read the engine speed): the place says which.
    QStringList labels;
    for (const sim::PointInfo& p : sim::points()) {
        const QString place = sim::placeOf(p.id);
        EXPECT_FALSE(place.isEmpty());
        labels << sim::captionWithPlace(p.id);
    }
    labels.removeDuplicates();
    EXPECT_EQ(labels.size(), sim::kPointCount);
    EXPECT_EQ(sim::captionWithPlace(sim::PointId::SpeedSensorPin), "Engine speed (ECU picture, at the ECU pin)");
    EXPECT_NE(sim::placeOf(sim::PointId::SpeedSensor), sim::placeOf(sim::PointId::ChargingEngineSpeed));
}
