#pragma once
// "Adatok elküldése  emailben": hands the database file to the maker's support.
#include <QDialog>
#include <QUrl>
#include <functional>

class QComboBox;
class QLineEdit;
class QPushButton;
class QTreeView;
class QFileSystemModel;

namespace exchange {
// The maker's support address, used by both ways of sending.
inline QString supportAddress() { return QStringLiteral("tamogatas@zelkor.example.hu"); }

// How a message reaches the desktop; tests replace these.
// Runs xdg-email with the arguments; returns "" on success, else the reason.
extern std::function<QString(const QStringList &args)> runMailComposer;
extern std::function<bool(const QUrl &url)> openUrl;
} // namespace exchange

class TForm21 : public QDialog {
    Q_OBJECT
public:
    explicit TForm21(QWidget *parent = nullptr);

    static QString defaultFolder();       // the Windows folder of the original setup
    static QString mailtoText();          // the percent-encoded "mailto:" link of "Küldés2"
    static QStringList composerArguments(const QString &file);   // xdg-email arguments of "Küldés1"

    QString currentFolder() const { return m_folder; }
    // Moves the folder tree to a folder; counts as a folder change.
    void setFolder(const QString &folder);

    void Button3Click();   // "Küldés1"
    void Button4Click();   // "Vágólapra másolás"
    void Button6Click();   // "Küldés2"

private:
    void folderChanged(const QString &folder);
    void driveChanged(int index);

    QLineEdit *Edit1;
    QComboBox *DriveComboBox1;
    QTreeView *DirectoryListBox1;
    QFileSystemModel *m_dirs;
    QPushButton *Button3, *Button4, *Button5, *Button6;
    QString m_folder;
    bool m_moving = false;
};
