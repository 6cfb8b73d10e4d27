#pragma once

#include "frameless/framelesswindow.h"
#include "net/httpclient.h"

#include <QSet>
#include <QString>

#include <memory>

class ScanGroup;

namespace Ui {
class Config;
}

// The configuration window: the result count and the start-up update check
// (saved with "Apply"), an About text, a feedback message to the update
// server, the update check with the button that opens the download page, and
// a short help. It is always a top-level, application-modal window; closing it
// only hides it, and closing it never ends the program, even when it is the
// only window left on screen (the main window hidden in the tray).
class Config : public FramelessWindow
{
    Q_OBJECT

public:
    // parent is not used: the window must stay top-level, because the
    // frameless flags carry no window type.
    explicit Config(QWidget *parent = nullptr);
    ~Config() override;

    // Makes the tab with this index current (3 is "Update").
    void setCurrentTab(int index);

signals:
    void topNumberChange(ulong);

public slots:
    // Asks the update server for the latest version.
    void on_checkupdateb_clicked();

private slots:
    void on_sendfedbackb_clicked();
    void readHttp(const HttpResponseHeader &);
    void httpDone(int id, bool err);
    void on_updatenowb_clicked();
    void on_pushButton_clicked();
    void on_exitb_clicked();

protected:
    void showEvent(QShowEvent *event) override;
    void changeEvent(QEvent *event) override;

private:
    // What the last request sent from this window was.
    enum RequestType { NoRequest = 0, FeedbackRequest = 1, UpdateRequest = 2 };

    int sendRequest(const QString &path);
    // The help text's highlighted words take the theme's link colour, or its
    // text colour where that would not stand out from the background.
    void markHelpHighlights();
    void colourHelpHighlights();
    // Fills the Setting tab from the settings file: what is in force.
    void showSavedSettings();
    // Keeps the message within its longest length and says how much is left.
    void capFeedbackMessage();

    std::unique_ptr<Ui::Config> ui;
    // The "Scan" group of the Setting tab, a child of the tab.
    ScanGroup *scanGroup = nullptr;
    // A child as well as a member, so that it can be found (tests watch it);
    // being a member, it is destroyed before the window's children are.
    HttpClient http;
    int requestType = NoRequest;
    QString updateUrl;
    // The ids of the feedback GETs still running; only their own end may
    // report "Success!".
    QSet<int> feedbackRequests;
    // The count the last "Apply" announced (at first the one from the file);
    // shown again when "Apply" finds no count in the field.
    int appliedCount = 0;
    // The constructor has just read the file; the first show need not again.
    bool firstShow = true;
};
