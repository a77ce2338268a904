#include "frmconnectprobe.h"

#include "multiscope/instrument.h"
#include "multiscope/pointgroups.h"
#include "platform/guard.h"
#include "platform/platform.h"
#include "platform/status.h"

#include <QComboBox>
#include <QHeaderView>
#include <QJsonObject>
#include <QKeyEvent>
#include <QLabel>
#include <QPushButton>
#include <QTreeWidget>

REGISTER_FORM(frmConnectProbe)

namespace {
constexpr int kPointRole = Qt::UserRole + 1;
}

frmConnectProbe::frmConnectProbe() : Form(Kind::Dialog) {
    parentToMainWindow(this);
    setCaption(tr("Connect Probe"));
    lblPoints = makeLabel(this, "lblPoints", tr("Connection &point:"), T(120, 120, 6000, 270));
    tvwPoints = new QTreeWidget(this);
    tvwPoints->setObjectName("tvwPoints");
    tvwPoints->setGeometry(twRect(120, 420, 6600, 4800));
    tvwPoints->setHeaderHidden(true);
    tvwPoints->setAccessibleName(tr("Connection points, by window and circuit"));
    tvwPoints->setFocusPolicy(Qt::StrongFocus);
    lblPoints->setBuddy(tvwPoints);
    for (const scope::PointGroup& g : scope::pointGroups()) {
        QTreeWidgetItem* window = nullptr;
        for (int i = 0; i < tvwPoints->topLevelItemCount() && !window; ++i)
            if (tvwPoints->topLevelItem(i)->text(0) == scope::windowName(g.window)) window = tvwPoints->topLevelItem(i);
        if (!window) window = new QTreeWidgetItem(tvwPoints, {scope::windowName(g.window)});
        auto* circuit = new QTreeWidgetItem(window, {scope::circuitName(g.circuit)});
        for (sim::PointId id : g.points) {
            auto* item = new QTreeWidgetItem(circuit, {sim::captionWithPlace(id)});
            item->setData(0, kPointRole, int(id));
        }
    }
    tvwPoints->expandAll();
    tvwPoints->installEventFilter(this);
    connect(tvwPoints, &QTreeWidget::itemDoubleClicked, this, guarded([this](QTreeWidgetItem* item, int) {
                if (item && item->data(0, kPointRole).isValid()) cmdConnect_Click();
            }));

    lblChannel = makeLabel(this, "lblChannel", tr("Ch&annel:"), T(120, 5340, 1000, 300));
    cmbChannel = new QComboBox(this);
    cmbChannel->setObjectName("cmbChannel");
    cmbChannel->setGeometry(twRect(1140, 5300, 3000, 330));
    cmbChannel->addItems({tr("A (the terminal)"), tr("B (Live screen)"), tr("C (Live screen)"), tr("D (Live screen)")});
    cmbChannel->setAccessibleName(tr("Channel"));
    lblChannel->setBuddy(cmbChannel);

    cmdConnect = makeButton(this, "cmdConnect", tr("&Connect"), T(4260, 5280, 1200, 375));
    cmdConnect->setDefault(true);
    cmdConnect->setAccessibleName(tr("Connect"));
    cmdClose = makeButton(this, "cmdClose", tr("Close"), T(5520, 5280, 1200, 375));
    cmdClose->setAccessibleName(tr("Close"));
    connect(cmdConnect, &QPushButton::clicked, this, guarded([this] { cmdConnect_Click(); }));
    connect(cmdClose, &QPushButton::clicked, this, guarded([this] { unloadForm(); }));
    setTabOrder(tvwPoints, cmbChannel);
    setTabOrder(cmbChannel, cmdConnect);
    setTabOrder(cmdConnect, cmdClose);
}

void frmConnectProbe::onLoad() {
    setTwips(2400, 1400, 7000, 6300);
    // The first point picked, ready for the arrow keys.
    QTreeWidgetItem* first = tvwPoints->topLevelItem(0);
    while (first && first->childCount() > 0) first = first->child(0);
    if (first) tvwPoints->setCurrentItem(first);
    tvwPoints->setFocus(Qt::OtherFocusReason);
}

std::optional<sim::PointId> frmConnectProbe::pickedPoint() const {
    const QTreeWidgetItem* item = tvwPoints->currentItem();
    if (!item || !item->data(0, kPointRole).isValid()) return std::nullopt;
    return sim::PointId(item->data(0, kPointRole).toInt());
}

void frmConnectProbe::connectPicked(int channel) {
    const std::optional<sim::PointId> id = pickedPoint();
    if (!id) {
        MsgBox(tr("Pick a connection point in the list: a window or a circuit is only a heading."), MsgButtons::OK,
               MsgIcon::Information);
        return;
    }
    // The window goes first, so that what the connection shows (a message, the scope) is in front.
    unloadForm();
    instrument::connectPoint(*id, channel);
}

void frmConnectProbe::cmdConnect_Click() { connectPicked(cmbChannel->currentIndex()); }

void frmConnectProbe::keyPressEvent(QKeyEvent* e) {
    if (e->key() == Qt::Key_Escape && e->modifiers() == Qt::NoModifier) {
        e->accept();
        runGuarded([this] { unloadForm(); });
        return;
    }
    Form::keyPressEvent(e);
}

bool frmConnectProbe::eventFilter(QObject* watched, QEvent* e) {
    if (watched == tvwPoints && e->type() == QEvent::KeyPress) {
        auto* k = static_cast<QKeyEvent*>(e);
        const int channel = k->key() >= Qt::Key_1 && k->key() <= Qt::Key_4 &&
                                    (k->modifiers() & ~Qt::KeypadModifier) == Qt::NoModifier
                                ? k->key() - Qt::Key_1
                                : -1;
        if (channel >= 0) {
            runGuarded([&] { connectPicked(channel); });
            return true;
        }
    }
    return Form::eventFilter(watched, e);
}

bool frmConnectProbe::scriptShow(const QString& control, const QString&, QJsonObject& out) {
    if (control != QLatin1String("tvwPoints")) return false;
    // The item picked, with the headings it stands under.
    QStringList path;
    for (const QTreeWidgetItem* i = tvwPoints->currentItem(); i; i = i->parent()) path.prepend(i->text(0));
    out.insert("current", path.join(" > "));
    const std::optional<sim::PointId> id = pickedPoint();
    out.insert("point", id ? QString::fromLatin1(sim::point(*id).key) : QString());
    out.insert("focus", focusWidget() == tvwPoints);
    return true;
}
