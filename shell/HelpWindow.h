#pragma once
// "Súgó", and the help window that shows the user guide.
#include <QDialog>

class QListWidget;
class QTextBrowser;

class TForm22 : public QDialog {
    Q_OBJECT
public:
    explicit TForm22(QWidget *parent = nullptr);
    // The user guide in the working folder: "zelkor-sugo.html" or "help/zelkor-sugo.html"; "" when missing.
    static QString helpFile();
    void Button1Click();   // "Segitség"
};

// The user guide with its contents list beside it.
class THelpWindow : public QDialog {
    Q_OBJECT
public:
    explicit THelpWindow(const QString &file, QWidget *parent = nullptr);
    QListWidget *contents() const { return m_contents; }
    QTextBrowser *browser() const { return m_browser; }

private:
    QListWidget *m_contents;
    QTextBrowser *m_browser;
};
