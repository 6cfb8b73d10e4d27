#pragma once

#include <QTemporaryDir>

// A throwaway directory for a tool that shows the main window, so that its
// settings and file-manager entries never reach the user's own.
class GuiSandbox
{
public:
    // Before the application object: XDG_DATA_HOME (the file-manager
    // entries) points into the directory; with wholeSession also HOME,
    // XDG_CONFIG_HOME and a session bus that does not exist.
    explicit GuiSandbox(bool wholeSession);

    // Before the application object: the offscreen platform unless another
    // is asked for, and the window's debug lines (one per result) kept off
    // the terminal, its warnings not.
    static void runOffscreenQuietly();

    bool isValid() const { return dir.isValid(); }

    // After the application object: the window reads its settings file from
    // the directory, with the first run done, no update check and `rows`
    // results.
    void writeSettings(int rows) const;

private:
    QTemporaryDir dir;
};
