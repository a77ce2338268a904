#include "guidedpanel.h"

#include "multiscope/guidedpicture.h"
#include "multiscope/guidedtests.h"
#include "multiscope/livescope.h"
#include "multiscope/multiscope.h"
#include "platform/guard.h"
#include "sim/catalogue.h"

#include <QDialog>
#include <QGuiApplication>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QMouseEvent>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QScreen>
#include <QScrollArea>
#include <QVBoxLayout>

#include <QFontMetrics>

#include <algorithm>

GuidedPanel::GuidedPanel(MultiScope* ms, LiveScope* live) : QObject(ms), ms_(ms), live_(live) {
    QWidget* frame = ms->scopePanel();
    lblGuided = new QLabel(tr("&Guided tests"), frame);
    lblGuided->setObjectName("lblGuided");
    QFont bold = lblGuided->font();
    bold.setBold(true);
    lblGuided->setFont(bold);
    txtGuidedSearch = new QLineEdit(frame);
    txtGuidedSearch->setObjectName("txtGuidedSearch");
    txtGuidedSearch->setPlaceholderText(tr("Search"));
    txtGuidedSearch->setAccessibleName(tr("Search the guided tests"));
    txtGuidedSearch->setClearButtonEnabled(true);
    lstGuided = new QListWidget(frame);
    lstGuided->setObjectName("lstGuided");
    lstGuided->setAccessibleName(tr("Guided tests"));
    lblGuided->setBuddy(lstGuided);
    // The tests' names wrap in the narrow frame rather than scroll sideways.
    lstGuided->setWordWrap(true);
    lstGuided->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    lstGuided->setTextElideMode(Qt::ElideNone);
    // By part, as a workshop looks for them.
    std::vector<const guided::GuidedTest*> tests;
    for (const guided::GuidedTest& t : guided::library()) tests.push_back(&t);
    std::stable_sort(tests.begin(), tests.end(), [](const auto* a, const auto* b) {
        return QString::localeAwareCompare(a->component, b->component) < 0;
    });
    for (const guided::GuidedTest* t : tests) {
        auto* item = new QListWidgetItem(tr("%1: %2").arg(t->component, t->title), lstGuided);
        item->setData(Qt::UserRole, t->key);
        item->setToolTip(t->purpose);
    }
    cmdGuidedSetup = new QPushButton(tr("&Set up"), frame);
    cmdGuidedSetup->setObjectName("cmdGuidedSetup");
    cmdGuidedSetup->setToolTip(tr("Connect the test's probes and set the scope for it, on the Live screen"));
    cmdGuidedStop = new QPushButton(tr("Sto&p"), frame);
    cmdGuidedStop->setObjectName("cmdGuidedStop");
    cmdGuidedStop->setToolTip(tr("End the guided test: no reference, no judging"));
    lblGuidedVerdict = new QLabel(frame);
    lblGuidedVerdict->setObjectName("lblGuidedVerdict");
    lblGuidedVerdict->setWordWrap(true);
    lblGuidedVerdict->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    txbGuided = new QPlainTextEdit(frame);
    txbGuided->setObjectName("txbGuided");
    txbGuided->setReadOnly(true);
    txbGuided->setAccessibleName(tr("The guided test's notes"));
    lblGuidedPicture = new QLabel(frame);
    lblGuidedPicture->setObjectName("lblGuidedPicture");
    lblGuidedPicture->setAlignment(Qt::AlignCenter);
    lblGuidedPicture->setAccessibleName(tr("What to connect for the guided test"));
    lblGuidedPicture->setFocusPolicy(Qt::TabFocus);
    cmdGuidedPicture = new QPushButton(tr("Show pict&ure"), frame);
    cmdGuidedPicture->setMinimumWidth(0);
    cmdGuidedPicture->setObjectName("cmdGuidedPicture");
    cmdGuidedPicture->setAccessibleName(tr("Show picture"));
    cmdGuidedPicture->setToolTip(tr("What to connect for the test, full size in a window of its own"));
    lblGuidedPicture->installEventFilter(this);

    connect(txtGuidedSearch, &QLineEdit::textChanged, this, guarded([this] { filter(); }));
    connect(lstGuided, &QListWidget::currentItemChanged, this, guarded([this] { showChosen(); }));
    connect(lstGuided, &QListWidget::itemClicked, this, guarded([this] { showChosen(); }));
    connect(lstGuided, &QListWidget::itemActivated, this, guarded([this] { cmdGuidedSetup->click(); }));
    connect(cmdGuidedSetup, &QPushButton::clicked, this, guarded([this] {
                if (const guided::GuidedTest* t = guided::testForKey(chosenKey())) live_->startGuidedTest(*t);
            }));
    connect(cmdGuidedStop, &QPushButton::clicked, this, guarded([this] { live_->stopGuidedTest(); }));
    connect(cmdGuidedPicture, &QPushButton::clicked, this, guarded([this] { openPicture(); }));
    connect(live_, &LiveScope::guidedChanged, this, guarded([this] { showVerdict(); }));
    showChosen();
    showVerdict();
}

QString GuidedPanel::chosenKey() const {
    const QListWidgetItem* item = lstGuided->currentItem();
    return item && !item->isHidden() ? item->data(Qt::UserRole).toString() : QString();
}

void GuidedPanel::choose(const QString& key) {
    for (int i = 0; i < lstGuided->count(); ++i) {
        QListWidgetItem* item = lstGuided->item(i);
        if (item->data(Qt::UserRole).toString() != key) continue;
        if (item->isHidden()) txtGuidedSearch->clear();
        lstGuided->setCurrentItem(item);
        return;
    }
}

int GuidedPanel::verdictHeight(int width) const {
    const QFontMetrics fm = lblGuidedVerdict->fontMetrics();
    const int needed = fm.boundingRect(QRect(0, 0, std::max(1, width), 100000), Qt::TextWordWrap, lblGuidedVerdict->text()).height();
    return std::clamp(needed, 4 * fm.lineSpacing(), 8 * fm.lineSpacing()) + 4;
}

void GuidedPanel::place(int top) {
    placedTop_ = top;
    QWidget* frame = ms_->scopePanel();
    const int w = std::max(0, frame->width() - 12), x = 6;
    int y = top;
    const int bottom = frame->height() - 6;
    lblGuided->setGeometry(x, y, w, 18);
    y += 20;
    txtGuidedSearch->setGeometry(x, y, w, 22);
    y += 26;
    const int room = std::max(0, bottom - y);
    const int list = std::max(60, room * 35 / 100);
    lstGuided->setGeometry(x, y, w, list);
    y += list + 4;
    const int half = (w - 4) / 2;
    cmdGuidedSetup->setGeometry(x, y, half, 24);
    cmdGuidedStop->setGeometry(x + half + 4, y, w - half - 4, 24);
    y += 28;
    const int verdict = verdictHeight(w);
    lblGuidedVerdict->setGeometry(x, y, w, verdict);
    y += verdict + 2;
    // The picture beside its button, a thumbnail of the notes' room; the notes keep the rest.
    const int pictureHeight = std::clamp((bottom - y) * 40 / 100, 24, 90);
    const int button = std::min(w / 2, 92);
    lblGuidedPicture->setGeometry(x, y, w - button - 4, pictureHeight);
    cmdGuidedPicture->setGeometry(x + w - button, y + (pictureHeight - 24) / 2, button, 24);
    y += pictureHeight + 4;
    txbGuided->setGeometry(x, y, w, std::max(0, bottom - y));
    fitPicture();
}

void GuidedPanel::filter() {
    const QString words = txtGuidedSearch->text().trimmed();
    for (int i = 0; i < lstGuided->count(); ++i) {
        QListWidgetItem* item = lstGuided->item(i);
        const guided::GuidedTest* t = guided::testForKey(item->data(Qt::UserRole).toString());
        const QString haystack = t ? item->text() + ' ' + t->purpose + ' ' + t->lookFor : item->text();
        bool shown = true;
        for (const QString& word : words.split(' ', Qt::SkipEmptyParts))
            shown = shown && haystack.contains(word, Qt::CaseInsensitive);
        item->setHidden(!shown);
    }
    showChosen();
}

void GuidedPanel::showChosen() {
    const guided::GuidedTest* t = guided::testForKey(chosenKey());
    cmdGuidedSetup->setEnabled(t != nullptr);
    showPicture();
    if (!t) {
        txbGuided->setPlainText(tr("Choose a test: its notes show here, and Set up connects the probes and sets the "
                                   "scope for it."));
        return;
    }
    QStringList connectTo;
    for (std::size_t c = 0; c < t->channels.size(); ++c)
        connectTo << tr("%1: %2").arg(QChar('A' + int(c))).arg(sim::captionWithPlace(t->channels[c].point));
    QStringList states;
    for (guided::EngineState s : t->states()) states << guided::stateName(s);
    txbGuided->setPlainText(tr("%1\n\nState: %2\n\n%3\n\nConnect:\n%4\n\nLook for: %5\n\nRead: %6")
                                .arg(t->title, states.join(tr("; or ")), t->purpose, connectTo.join('\n'),
                                     t->lookFor, t->figures));
}

void GuidedPanel::showVerdict() {
    const guided::GuidedTest* t = live_->guidedTest();
    cmdGuidedStop->setEnabled(t != nullptr);
    if (!t) {
        lblGuidedVerdict->setText(QString());
        return;
    }
    const QString text = tr("%1: %2").arg(scope::verdictText(live_->guidedVerdict()), live_->guidedReason());
    if (text == lblGuidedVerdict->text()) return;
    lblGuidedVerdict->setText(text);
    lblGuidedVerdict->setToolTip(text);
    // A longer reason (a longer language) takes its room from the notes below.
    if (placedTop_ >= 0 && verdictHeight(lblGuidedVerdict->width()) != lblGuidedVerdict->height()) place(placedTop_);
}

bool GuidedPanel::eventFilter(QObject* watched, QEvent* event) {
    if (watched != lblGuidedPicture) return false;
    bool open = false;
    if (event->type() == QEvent::MouseButtonRelease)
        open = static_cast<QMouseEvent*>(event)->button() == Qt::LeftButton;
    else if (event->type() == QEvent::KeyPress) {
        const int key = static_cast<QKeyEvent*>(event)->key();
        open = key == Qt::Key_Return || key == Qt::Key_Enter || key == Qt::Key_Space;
    }
    if (!open || !cmdGuidedPicture->isEnabled()) return false;
    runGuarded([this] { openPicture(); });
    return true;
}

void GuidedPanel::showPicture() {
    const guided::GuidedTest* t = guided::testForKey(chosenKey());
    // Drawn again only for another test (the search calls here at every key).
    const QString key = t ? t->key : QString();
    if (key == pictureKey_ && !key.isEmpty()) return;
    pictureKey_ = key;
    picture_ = t ? guided::connectionPicture(*t) : QImage();
    cmdGuidedPicture->setEnabled(!picture_.isNull());
    lblGuidedPicture->setToolTip(t ? tr("What to connect: %1").arg(t->title) : QString());
    fitPicture();
    // An open picture window follows the chosen test.
    if (dlgGuidedPicture && dlgGuidedPicture->isVisible()) {
        if (picture_.isNull()) dlgGuidedPicture->close();
        else openPicture();
    }
}

void GuidedPanel::fitPicture() {
    if (picture_.isNull() || lblGuidedPicture->width() < 8 || lblGuidedPicture->height() < 8) {
        lblGuidedPicture->clear();
        return;
    }
    lblGuidedPicture->setPixmap(QPixmap::fromImage(
        picture_.scaled(lblGuidedPicture->size(), Qt::KeepAspectRatio, Qt::SmoothTransformation)));
}

void GuidedPanel::openPicture() {
    const guided::GuidedTest* t = guided::testForKey(chosenKey());
    if (!t || picture_.isNull()) return;
    if (!dlgGuidedPicture) {
        dlgGuidedPicture = new QDialog(ms_);
        dlgGuidedPicture->setObjectName("dlgGuidedPicture");
        dlgGuidedPicture->setAccessibleName(tr("Guided test picture"));
        auto* scroll = new QScrollArea(dlgGuidedPicture);
        scroll->setObjectName("scrGuidedPicture");
        scroll->setAccessibleName(tr("What to connect, full size"));
        scroll->setAlignment(Qt::AlignCenter);
        auto* full = new QLabel(scroll);
        full->setObjectName("lblGuidedPictureFull");
        full->setAccessibleName(tr("What to connect for the guided test"));
        scroll->setWidget(full);
        auto* close = new QPushButton(tr("Close"), dlgGuidedPicture);
        close->setObjectName("cmdGuidedPictureClose");
        close->setAccessibleName(tr("Close the picture"));
        close->setAutoDefault(true);
        close->setDefault(true);
        connect(close, &QPushButton::clicked, dlgGuidedPicture, guarded([this] { dlgGuidedPicture->close(); }));
        auto* buttons = new QHBoxLayout;
        buttons->addStretch();
        buttons->addWidget(close);
        auto* layout = new QVBoxLayout(dlgGuidedPicture);
        layout->addWidget(scroll);
        layout->addLayout(buttons);
    }
    dlgGuidedPicture->setWindowTitle(tr("What to connect: %1").arg(t->title));
    auto* full = dlgGuidedPicture->findChild<QLabel*>("lblGuidedPictureFull");
    full->setPixmap(QPixmap::fromImage(picture_));
    full->resize(picture_.size());
    // Full size where the screen has the room; scrolled where it has not.
    QSize size = picture_.size() + QSize(40, 70);
    const QWidget* window = ms_;
    if (const QScreen* screen = window->screen() ? window->screen() : QGuiApplication::primaryScreen())
        size = size.boundedTo(screen->availableGeometry().size() - QSize(40, 60));
    dlgGuidedPicture->resize(size);
    dlgGuidedPicture->show();
    dlgGuidedPicture->raise();
    dlgGuidedPicture->activateWindow();
    dlgGuidedPicture->findChild<QPushButton*>("cmdGuidedPictureClose")->setFocus();
}
