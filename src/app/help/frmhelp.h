// The help window: the guide that ships in the program's folder (help/), read inside the
// program, so that it works where no web browser is set up. Contents (the pages of the
// guide), Back and Forward, and a search through every page.
#pragma once

#include "platform/form.h"

class QLabel;
class QLineEdit;
class QListWidget;
class QPushButton;
class QTextBrowser;
class QUrl;

class frmHelp : public Form {
    Q_OBJECT
public:
    frmHelp();
    void onLoad() override;

    // Shows a page of the guide ("faults.html", "telemetry.html#keys"); false when the
    // guide has no such page.
    bool showPage(const QString& page);
    QString currentPage() const;
    // Looks for the text in every page: the pages holding it are listed, the first opens
    // with the first match selected. Again on the same page: the next match.
    void find(const QString& text);
    void findNext();

    // Reads the guide's pages (titles for the contents, text for the search).
    void loadGuide();

    bool scriptShow(const QString& control, const QString& index, QJsonObject& out) override;
    // `set frmHelp.link URL` follows a link of the page as a click on it does.
    bool scriptSet(const QString& control, const QString& index, const QString& value, QString* error) override;

    QPushButton* cmdBack;
    QPushButton* cmdForward;
    QPushButton* cmdContents;
    QLineEdit* txtFind;
    QPushButton* cmdFind;
    QListWidget* lstContents;
    QLabel* lblMatches;
    QListWidget* lstMatches;
    QTextBrowser* txtPage;

private:
    struct Page {
        QString file;
        QString title;
        QString text;  // the page's text without its markup, for the search
    };
    void openLink(const QUrl& url);
    void pageChanged();
    class QSplitter* split_;
    QString folder_;
    QList<Page> pages_;
    QString searched_;
};

// The guide's page about a window ("frmFaults" -> "faults.html"); the contents page for
// the main window or a window the guide has no page for.
QString helpPageFor(const QString& formName);
// The page for the window in front: a dialog that is active, else the child window in front
// of the main window, else the main window.
QString helpPageForFront();
// Opens the help window at a page (the contents when the page is not in the guide). A guide
// that is missing is reported ("Error number: 53 - File not found: the help guide ...").
void OpenHelp(const QString& page);
