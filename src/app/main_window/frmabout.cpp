#include "frmabout.h"
#include "platform/guard.h"
#include "app/main_window/frmmainscreen.h"

#include "platform/platform.h"

#include <QGuiApplication>
#include <QLabel>
#include <QPainter>
#include <QProcess>
#include <QPushButton>
#include <QScreen>
#include <QStandardPaths>

REGISTER_FORM(frmAbout)
REGISTER_FORM(frmSplash)

QPixmap logoPixmap(int size) {
    QPixmap pm(size, size);
    pm.fill(Qt::transparent);
    QPainter p(&pm);
    p.setRenderHint(QPainter::Antialiasing);
    const qreal s = size / 100.0;
    p.scale(s, s);
    // A rev-counter dial with a needle and a trace through it.
    p.setBrush(QColor(20, 32, 52));
    p.setPen(QPen(QColor(200, 210, 225), 4));
    p.drawEllipse(QRectF(6, 6, 88, 88));
    p.setPen(QPen(QColor(230, 230, 235), 3));
    for (int i = 0; i <= 8; ++i) {
        p.save();
        p.translate(50, 50);
        p.rotate(-135 + i * 33.75);
        p.drawLine(QPointF(0, -38), QPointF(0, -30));
        p.restore();
    }
    p.setPen(QPen(QColor(70, 220, 90), 3));
    p.drawPolyline(QPolygonF({QPointF(18, 66), QPointF(34, 66), QPointF(40, 50), QPointF(47, 78),
                              QPointF(54, 58), QPointF(82, 58)}));
    p.setPen(QPen(QColor(235, 70, 50), 4, Qt::SolidLine, Qt::RoundCap));
    p.drawLine(QPointF(50, 50), QPointF(72, 24));
    p.setBrush(QColor(235, 70, 50));
    p.setPen(Qt::NoPen);
    p.drawEllipse(QPointF(50, 50), 5, 5);
    return pm;
}

frmAbout::frmAbout() : Form(Kind::Dialog) {
    setCaption(tr("About %1").arg(appTitle()));
    setWindowFlag(Qt::WindowStaysOnTopHint);  // top-most when it loads
    setFixedSize(tw(5730), tw(3750));
    auto* logo = new QLabel(this);
    logo->setObjectName("picIcon");
    logo->setPixmap(logoPixmap(tw(1000)));
    logo->setGeometry(twRect(240, 240, 1000, 1000));
    lblTitle = new QLabel(this);
    lblTitle->setObjectName("lblTitle");
    lblTitle->setGeometry(twRect(1440, 240, 4000, 480));
    QFont f = lblTitle->font();
    f.setPointSize(f.pointSize() + 6);
    f.setBold(true);
    lblTitle->setFont(f);
    lblVersion = new QLabel(this);
    lblVersion->setObjectName("lblVersion");
    lblVersion->setGeometry(twRect(1440, 780, 4000, 300));
    lblDescription = new QLabel(this);
    lblDescription->setObjectName("lblDescription");
    lblDescription->setWordWrap(true);
    lblDescription->setText(
        tr("A training simulator for automotive electronics and fault diagnosis: a petrol engine "
           "with its engine-management unit, starting and charging systems, injectable faults and a "
           "combined test instrument."));
    lblDescription->setGeometry(twRect(1440, 1200, 4000, 1300));
    cmdOK = new QPushButton(tr("OK"), this);
    cmdOK->setObjectName("cmdOK");
    cmdOK->setDefault(true);
    cmdOK->setGeometry(twRect(4080, 2700, 1400, 380));
    // The web page, a link that opens it (or, where nothing can, tells its address).
    lblWebSite = new QLabel(this);
    lblWebSite->setObjectName("lblWebSite");
    lblWebSite->setTextFormat(Qt::RichText);
    lblWebSite->setText(tr("<a href=\"web\">Vantorel web page</a>"));
    lblWebSite->setGeometry(twRect(1440, 2700, 2500, 300));
    connect(lblWebSite, &QLabel::linkActivated, this, guarded([this] { lblWebSite_Click(); }));
    cmdSysInfo = new QPushButton(tr("System Info..."), this);
    cmdSysInfo->setObjectName("cmdSysInfo");
    cmdSysInfo->setGeometry(twRect(4080, 3150, 1400, 380));
    connect(cmdOK, &QPushButton::clicked, this, guarded([this] { cmdOK_Click(); }));
    connect(cmdSysInfo, &QPushButton::clicked, this, guarded([this] { cmdSysInfo_Click(); }));
}

void frmAbout::onLoad() {
    lblVersion->setText(appVersionText());
    lblTitle->setText(appTitle());
}

void frmAbout::cmdOK_Click() { unloadForm(); }

void frmAbout::lblWebSite_Click() {
    const WebAddress web = webSiteAddress();
    if (web.target.isEmpty()) {
        MsgBox(tr("The Vantorel web page cannot be opened: %1").arg(web.problem), MsgButtons::OK, MsgIcon::Information);
        return;
    }
    openWebAddress(web.target);
}

void frmAbout::cmdSysInfo_Click() {
    // The system-information tool is looked up where this platform keeps such tools.
    QString tool;
    for (const char* name : {"hardinfo", "gnome-system-monitor", "kinfocenter"}) {
        tool = QStandardPaths::findExecutable(name);
        if (!tool.isEmpty()) break;
    }
    if (tool.isEmpty() || platform().scripted()) {
        MsgBox(tr("System Information Is Unavailable At This Time"));
        return;
    }
    QProcess::startDetached(tool, {});
}

frmSplash::frmSplash() : Form(Kind::Dialog) {
    setWindowFlags(Qt::SplashScreen | Qt::FramelessWindowHint);
    setFixedSize(tw(7200), tw(4200));
    setBackColor(this, QColor(22, 34, 56));
    imgLogo = new QLabel(this);
    imgLogo->setObjectName("imgLogo");
    imgLogo->setPixmap(logoPixmap(tw(2200)));
    imgLogo->setGeometry(twRect(360, 900, 2200, 2200));
    lblProductName = new QLabel(this);
    lblProductName->setObjectName("lblProductName");
    lblProductName->setGeometry(twRect(2900, 1000, 4000, 800));
    QFont f = font();
    f.setPointSize(26);
    f.setBold(true);
    lblProductName->setFont(f);
    setForeColor(lblProductName, Qt::white);
    auto* sub = new QLabel(tr("Engine management and fault diagnosis trainer"), this);
    sub->setObjectName("lblCompanyProduct");
    sub->setGeometry(twRect(2900, 1800, 4000, 560));
    sub->setWordWrap(true);
    setForeColor(sub, QColor(190, 205, 225));
    lblPlatform = new QLabel(tr("for Linux"), this);
    lblPlatform->setObjectName("lblPlatform");
    lblPlatform->setGeometry(twRect(2900, 2500, 4000, 400));
    setForeColor(lblPlatform, QColor(190, 205, 225));
    lblVersion = new QLabel(this);
    lblVersion->setObjectName("lblVersion");
    lblVersion->setGeometry(twRect(2900, 2950, 4000, 400));
    setForeColor(lblVersion, QColor(190, 205, 225));
}

void frmSplash::onLoad() {
    // Centre on the screen.
    if (QScreen* screen = QGuiApplication::primaryScreen()) {
        const QRect g = screen->geometry();
        move(g.x() + (g.width() - width()) / 2, g.y() + (g.height() - height()) / 2);
    }
    lblVersion->setText(appVersionText());
    lblProductName->setText(appTitle());
}
