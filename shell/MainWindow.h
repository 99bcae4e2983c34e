#pragma once
// The main window: nothing but the main menu; creating it starts the program.
#include <QMainWindow>
#include <QMap>
#include <functional>

class QAction;
class QMenu;
class TData;

class TForm1 : public QMainWindow {
    Q_OBJECT
public:
    explicit TForm1(QWidget *parent = nullptr);
    ~TForm1() override;

    // True when the start-up failure was confirmed: the program ends.
    bool startupAborted() const { return m_aborted; }
    QString versionText() const { return m_version; }

    QAction *menuItem(const QString &name) const;   // by objectName ("Belepes", "Tgyv1", ...)
    // Enables the six top-level items (after the forestry-unit selection).
    void enableMenu();

    // Opens the window of a menu item; used by the menu and by tests.
    void openWindow(const QString &menuItem);

private:
    void startup();
    void buildMenu();
    QAction *addItem(QMenu *menu, const char *name, const QString &caption);
    QAction *addTop(const char *name, const QString &caption);
    bool m_aborted = false;
    QString m_version;
    QMap<QString, QAction *> m_items;
};

// The one main window of the run (null before it exists).
TForm1 *mainWindow();
