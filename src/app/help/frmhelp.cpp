#include "frmhelp.h"

#include "app/main_window/frmmainscreen.h"
#include "multiscope/instrument.h"
#include "sim/simstate.h"
#include "platform/language.h"
#include "platform/files.h"
#include "platform/numbers.h"
#include "platform/guard.h"
#include "platform/platform.h"
#include "platform/services.h"
#include "platform/vbtypes.h"

#include <QAction>
#include <QApplication>
#include <QDir>
#include <QFileInfo>
#include <QHBoxLayout>
#include <QJsonArray>
#include <QJsonObject>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QLocale>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QPushButton>
#include <QRegularExpression>
#include <QSplitter>
#include <QTextBrowser>
#include <QTextDocument>
#include <QUrl>
#include <QVBoxLayout>
#include <algorithm>

REGISTER_FORM(frmHelp)

namespace {

// The guide's page view: a translated guide (in the language's folder) shows the English
// guide's pictures and style sheet, which it does not repeat.
class GuideBrowser : public QTextBrowser {
public:
    using QTextBrowser::QTextBrowser;

protected:
    QVariant loadResource(int type, const QUrl& name) override {
        QVariant found = QTextBrowser::loadResource(type, name);
        if (found.isValid() || type == QTextDocument::HtmlResource) return found;
        const QString english = findDataFile(QStringLiteral("help"));
        const QString shown = QFileInfo(source().toLocalFile()).absolutePath();
        if (shown.isEmpty() || QDir(shown) == QDir(english)) return found;
        const QString relative = QDir(shown).relativeFilePath(source().resolved(name).toLocalFile());
        if (relative.isEmpty() || relative.startsWith(QLatin1String(".."))) return found;
        return QTextBrowser::loadResource(type, QUrl::fromLocalFile(QDir(english).filePath(relative)));
    }
};

const QString kContents = QStringLiteral("index.html");
constexpr qint64 kMaxPage = 1 << 20;  // a page of the guide is a few kilobytes

QString readPage(const QString& path) {
    try {
        return decodeText(readRegularFileHead(path, kMaxPage));
    } catch (const VbError&) {
        return QString();
    }
}

// A shortcut of the window, named in the tooltip of the button that does the same.
QAction* windowCommand(QWidget* window, const QString& name, const QList<QKeySequence>& keys,
                       std::function<void()> handler) {
    auto* a = new QAction(name, window);
    a->setObjectName(name);
    a->setShortcuts(keys);
    a->setShortcutContext(Qt::WindowShortcut);
    QObject::connect(a, &QAction::triggered, window, guarded(std::move(handler)));
    window->addAction(a);
    return a;
}

void nameShortcut(QPushButton* button, const QString& tip, const QKeySequence& key) {
    const QString text = key.toString(QKeySequence::NativeText);
    button->setToolTip(text.isEmpty() ? tip : frmHelp::tr("%1 (%2)", "a button's tip and its shortcut").arg(tip, text));
}
}  // namespace

frmHelp::frmHelp() : Form(Kind::Dialog) {
    // A window of its own beside the main window, which stays usable while the guide is open.
    setWindowFlags(Qt::Window);
    setCaption(tr("Vantorel Help"));

    cmdBack = new QPushButton(tr("&Back"), this);
    cmdBack->setObjectName("cmdBack");
    cmdForward = new QPushButton(tr("&Forward"), this);
    cmdForward->setObjectName("cmdForward");
    cmdContents = new QPushButton(tr("&Contents"), this);
    cmdContents->setObjectName("cmdContents");
    auto* findLabel = new QLabel(tr("Fi&nd:"), this);
    findLabel->setObjectName("lblFind");
    txtFind = new QLineEdit(this);
    txtFind->setObjectName("txtFind");
    txtFind->setPlaceholderText(tr("a word in the guide"));
    findLabel->setBuddy(txtFind);
    cmdFind = new QPushButton(tr("Find"), this);
    cmdFind->setObjectName("cmdFind");

    lstContents = new QListWidget(this);
    lstContents->setObjectName("lstContents");
    lblMatches = new QLabel(tr("Found in:"), this);
    lblMatches->setObjectName("lblMatches");
    lstMatches = new QListWidget(this);
    lstMatches->setObjectName("lstMatches");
    txtPage = new GuideBrowser(this);
    txtPage->setObjectName("txtPage");
    lstContents->setAccessibleName(tr("Help pages"));
    lstMatches->setAccessibleName(tr("Pages found"));
    txtPage->setAccessibleName(tr("Help page"));
    txtPage->setOpenLinks(false);
    // Long lines of an example wrap rather than push the page sideways.
    txtPage->document()->setDefaultStyleSheet(QStringLiteral("pre { white-space: pre-wrap; }"));

    auto* top = new QHBoxLayout;
    for (QWidget* w : {static_cast<QWidget*>(cmdBack), static_cast<QWidget*>(cmdForward),
                       static_cast<QWidget*>(cmdContents)})
        top->addWidget(w);
    top->addStretch(1);
    top->addWidget(findLabel);
    top->addWidget(txtFind, 1);
    top->addWidget(cmdFind);
    auto* side = new QWidget(this);
    auto* sideLayout = new QVBoxLayout(side);
    sideLayout->setContentsMargins(0, 0, 0, 0);
    auto* contentsLabel = new QLabel(tr("Contents:"), side);
    sideLayout->addWidget(contentsLabel);
    sideLayout->addWidget(lstContents, 3);
    sideLayout->addWidget(lblMatches);
    sideLayout->addWidget(lstMatches, 2);
    split_ = new QSplitter(this);
    auto* split = split_;
    split->addWidget(side);
    split->addWidget(txtPage);
    split->setStretchFactor(1, 1);

    auto* layout = new QVBoxLayout(this);
    layout->addLayout(top);
    layout->addWidget(split, 1);

    QAction* back = windowCommand(this, "Back", QKeySequence::keyBindings(QKeySequence::Back), [this] { txtPage->backward(); });
    QAction* forward =
        windowCommand(this, "Forward", QKeySequence::keyBindings(QKeySequence::Forward), [this] { txtPage->forward(); });
    // F1 here is the program's Help command, which opens the contents in front of this window.
    windowCommand(this, "Find", QKeySequence::keyBindings(QKeySequence::Find), [this] {
        txtFind->setFocus(Qt::ShortcutFocusReason);
        txtFind->selectAll();
    });
    windowCommand(this, "FindNext", QKeySequence::keyBindings(QKeySequence::FindNext), [this] { findNext(); });
    QList<QKeySequence> closeKeys = QKeySequence::keyBindings(QKeySequence::Close);
    closeKeys << QKeySequence(Qt::Key_Escape);
    windowCommand(this, "Close", closeKeys, [this] { hideForm(); });
    nameShortcut(cmdBack, tr("Back to the page before"), back->shortcut());
    nameShortcut(cmdForward, tr("Forward again"), forward->shortcut());
    nameShortcut(cmdContents, tr("The guide's contents"), QKeySequence(QKeySequence::HelpContents));
    nameShortcut(cmdFind, tr("Find the text in every page"), QKeySequence(QKeySequence::FindNext));

    connect(cmdBack, &QPushButton::clicked, this, guarded([this] { txtPage->backward(); }));
    connect(cmdForward, &QPushButton::clicked, this, guarded([this] { txtPage->forward(); }));
    connect(cmdContents, &QPushButton::clicked, this, guarded([this] { showPage(kContents); }));
    connect(cmdFind, &QPushButton::clicked, this, guarded([this] { find(txtFind->text()); }));
    connect(txtFind, &QLineEdit::returnPressed, this, guarded([this] { find(txtFind->text()); }));
    connect(txtPage, &QTextBrowser::anchorClicked, this, guarded([this](const QUrl& url) { openLink(url); }));
    connect(txtPage, &QTextBrowser::sourceChanged, this, guarded([this] { pageChanged(); }));
    connect(txtPage, &QTextBrowser::historyChanged, this, guarded([this] { pageChanged(); }));
    connect(lstContents, &QListWidget::itemClicked, this, guarded([this](QListWidgetItem* item) {
        showPage(item->data(Qt::UserRole).toString());
    }));
    connect(lstContents, &QListWidget::itemActivated, this, guarded([this](QListWidgetItem* item) {
        showPage(item->data(Qt::UserRole).toString());
    }));
    auto openMatch = [this](QListWidgetItem* item) {
        if (!showPage(item->data(Qt::UserRole).toString())) return;
        txtPage->moveCursor(QTextCursor::Start);
        txtPage->find(searched_);
    };
    connect(lstMatches, &QListWidget::itemClicked, this, guarded(openMatch));
    connect(lstMatches, &QListWidget::itemActivated, this, guarded(openMatch));
}

void frmHelp::onLoad() {
    setTwips(600, 600, 16500, 9300);
    loadGuide();
    pageChanged();
}

void frmHelp::loadGuide() {
    folder_ = language::localisedDataFile("help");
    pages_.clear();
    lstContents->clear();
    const QDir dir(folder_);
    // The contents page's own order first, then any page it does not name.
    QStringList order{kContents};
    static const QRegularExpression link(QStringLiteral("href=\"([A-Za-z0-9_-]+\\.html)[\"#]"));
    for (auto m = link.globalMatch(readPage(dir.filePath(kContents))); m.hasNext();) {
        const QString page = m.next().captured(1);
        if (!order.contains(page)) order << page;
    }
    QStringList rest = dir.entryList({"*.html"}, QDir::Files, QDir::Name);
    for (const QString& page : rest)
        if (!order.contains(page)) order << page;
    for (const QString& file : order) {
        const QString path = dir.filePath(file);
        if (!isRegularFile(path)) continue;
        QTextDocument doc;
        doc.setHtml(readPage(path));
        QString title = doc.metaInformation(QTextDocument::DocumentTitle).trimmed();
        title.remove(QRegularExpression(QStringLiteral("^Vantorel guide - ")));
        if (title.isEmpty()) title = file;
        pages_.append({file, title, doc.toPlainText()});
        auto* item = new QListWidgetItem(title, lstContents);
        item->setData(Qt::UserRole, file);
    }
    // The side is as wide as the longest title (with a count of matches after it), so that no
    // title is cut off; the page takes the rest.
    int widest = 0;
    for (const Page& p : pages_) widest = std::max(widest, lstContents->fontMetrics().horizontalAdvance(p.title + " (99)"));
    const int side = std::min(widest + 2 * lstContents->frameWidth() + 24, width() / 2);
    split_->setSizes({side, std::max(1, width() - side)});
}

bool frmHelp::showPage(const QString& page) {
    const QString file = page.section('#', 0, 0);
    const QString anchor = page.section('#', 1);
    const QString path = QDir(folder_).filePath(file);
    if (file.isEmpty() || file.contains('/') || !isRegularFile(path)) return false;
    QUrl url = QUrl::fromLocalFile(path);
    if (!anchor.isEmpty()) url.setFragment(anchor);
    txtPage->setSource(url);
    return true;
}

QString frmHelp::currentPage() const {
    const QUrl url = txtPage->source();
    return url.isEmpty() ? QString() : QFileInfo(url.toLocalFile()).fileName();
}

bool frmHelp::scriptSet(const QString& control, const QString&, const QString& value, QString*) {
    if (control != QLatin1String("link")) return false;
    openLink(QUrl(value));
    return true;
}

void frmHelp::openLink(const QUrl& url) {
    // The program's own links: "vantorel:guided/KEY" sets a guided test up on the instrument.
    if (url.scheme() == QLatin1String("vantorel")) {
        const QString path = url.path();
        if (path.startsWith(QLatin1String("guided/")) && instrument::startGuidedTest(path.mid(7))) return;
        MsgBox(tr("This link of the guide leads nowhere in this version of the program: %1").arg(url.toString()),
               MsgButtons::OK, MsgIcon::Exclamation);
        return;
    }
    // The guide's own pages open here; an address out of it goes to the web browser.
    if (url.isRelative() || url.isLocalFile()) {
        const QUrl resolved = txtPage->source().resolved(url);
        const QString file = QFileInfo(resolved.toLocalFile()).fileName();
        showPage(resolved.fragment().isEmpty() ? file : file + "#" + resolved.fragment());
        return;
    }
    openWebAddress(url.toString());
}

void frmHelp::pageChanged() {
    cmdBack->setEnabled(txtPage->isBackwardAvailable());
    cmdForward->setEnabled(txtPage->isForwardAvailable());
    const QString file = currentPage();
    for (int i = 0; i < lstContents->count(); ++i)
        if (lstContents->item(i)->data(Qt::UserRole).toString() == file) lstContents->setCurrentRow(i);
    const QString title = txtPage->documentTitle().remove(QRegularExpression(QStringLiteral("^Vantorel guide - ")));
    setCaption(title.isEmpty() ? tr("Vantorel Help") : tr("Vantorel Help - %1").arg(title));
}

void frmHelp::find(const QString& wanted) {
    const QString text = wanted.trimmed();
    searched_ = text;
    lstMatches->clear();
    if (text.isEmpty()) {
        lblMatches->setText(tr("Found in:"));
        return;
    }
    for (const Page& p : pages_) {
        const int n = p.text.count(text, Qt::CaseInsensitive);
        if (n == 0) continue;
        auto* item = new QListWidgetItem(tr("%1 (%2)", "a page's title and the number of times the text is in it").arg(p.title, vb::intOnScreen(n)), lstMatches);
        item->setData(Qt::UserRole, p.file);
    }
    if (lstMatches->count() == 0) {
        lblMatches->setText(tr("\"%1\" is not in the guide.").arg(text));
        return;
    }
    lblMatches->setText(tr("\"%1\" found in %n page(s):", nullptr, lstMatches->count()).arg(text));
    // The page on screen when it has the text, else the first page that does.
    int row = 0;
    for (int i = 0; i < lstMatches->count(); ++i)
        if (lstMatches->item(i)->data(Qt::UserRole).toString() == currentPage()) row = i;
    lstMatches->setCurrentRow(row);
    if (lstMatches->item(row)->data(Qt::UserRole).toString() != currentPage())
        showPage(lstMatches->item(row)->data(Qt::UserRole).toString());
    txtPage->moveCursor(QTextCursor::Start);
    txtPage->find(text);
}

void frmHelp::findNext() {
    if (searched_.isEmpty()) {
        find(txtFind->text());
        return;
    }
    if (txtPage->find(searched_)) return;
    txtPage->moveCursor(QTextCursor::Start);  // round again from the top
    txtPage->find(searched_);
}

bool frmHelp::scriptShow(const QString& control, const QString&, QJsonObject& out) {
    if (control == QLatin1String("link")) {
        // Not a control: `set frmHelp.link URL` follows a link as a click does.
        out.insert("page", currentPage());
        return true;
    }
    if (!control.isEmpty()) return false;
    out.insert("page", currentPage());
    out.insert("title", txtPage->documentTitle());
    out.insert("back", txtPage->isBackwardAvailable());
    out.insert("forward", txtPage->isForwardAvailable());
    out.insert("selected", txtPage->textCursor().selectedText());
    QJsonArray contents, matches;
    for (int i = 0; i < lstContents->count(); ++i) contents.append(lstContents->item(i)->text());
    for (int i = 0; i < lstMatches->count(); ++i) matches.append(lstMatches->item(i)->text());
    out.insert("contents", contents);
    out.insert("found", lblMatches->text());
    out.insert("matches", matches);
    return true;
}

QString helpPageFor(const QString& formName) {
    if (formName == "MultiScope")
        return ToolMode == 4 ? "scanner.html" : ToolMode == 9 ? "telemetry.html" : "multiscope.html";
    static const QHash<QString, QString> pages = {
        {"FRMsimulation", "engine.html"},         {"frmControls", "engine.html#controls"},
        {"frmFaults", "faults.html"},             {"frmDiagnostics", "diagnostics.html"},
        {"frmMaps", "diagnostics.html#maps"},     {"frmStarting", "electrical.html#starting"},
        {"frmCharging", "electrical.html#charging"}, {"frmInstruments", "electrical.html#instruments"},
        {"frmTripComputer", "electrical.html#trip"}, {"frmWaveEdit", "waveform-editor.html"},
        {"frmTelemetryOptions", "telemetry.html#gauges"}, {"frmChallenges", "challenges.html"},
        {"frmChallengeRun", "challenges.html#panel"}, {"frmChallengeResults", "challenges.html#score"},
        {"frmClassDashboard", "instructors.html#classroom"}, {"frmClassSetup", "instructors.html#setup"},
        {"frmLogin", "instructors.html#login"},   {"frmOptions", "instructors.html#options"},
        {"frmUserDetails", "instructors.html#details"}, {"frmTip", "instructors.html#tips"},
        {"frmAbout", "about.html"},               {"frmSplash", "about.html"},
        {"frmConnectProbe", "multiscope.html#connect"}};
    return pages.value(formName, kContents);
}

QString helpPageForFront() {
    QWidget* active = QApplication::activeWindow();
    if (auto* f = qobject_cast<Form*>(active)) {
        // F1 in the help window itself: its contents.
        return f->formName() == "frmHelp" ? kContents : helpPageFor(f->formName());
    }
    if (frmMainscreen* main = mainWindow()) {
        QMdiSubWindow* sub = main->mdi()->activeSubWindow();
        if (sub && sub->isVisible())
            if (auto* f = qobject_cast<Form*>(sub->widget())) return helpPageFor(f->formName());
    }
    return kContents;
}

void OpenHelp(const QString& page) {
    const QString guide = helpGuidePath();
    if (!isRegularFile(guide)) {
        reportError(53, frmHelp::tr("File not found: the help guide %1").arg(guide));
        return;
    }
    auto* help = frm<frmHelp>();
    help->loadGuide();
    if (!help->showPage(page)) help->showPage(kContents);
    help->showForm();
    help->bringToFront();
}
