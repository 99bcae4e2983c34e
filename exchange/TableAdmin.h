#pragma once
#include <functional>
// "Adatok": the ten tables row by row, writable only after an access code.
#include <QDialog>

class QPushButton;
class QTabWidget;
class SlotGrid;
class NavigatorBar;
class TTable;

class TForm17 : public QDialog {
    Q_OBJECT
public:
    explicit TForm17(QWidget *parent = nullptr);

    static QString firstCode() { return QStringLiteral("726180935"); }
    static QString secondCode() { return QStringLiteral("qmv"); }
    // The keys that unlock nine tables while "Szerkeszt" has the focus.
    static QString unlockLetters() { return QStringLiteral("zel"); }

    SlotGrid *grid(int number) const { return m_grids.value(number - 1); }
    NavigatorBar *navigator(int number) const { return m_bars.value(number - 1); }

    void Button6Click();   // "Szerkeszt"
    void done(int result) override;

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    void unlock(bool all);
    void lock();
    void reopenAll();      // closes and opens the ten in order
    // The guarded write of one table's row, then the grids reopened; false when nothing was written.
    bool writeAndReopen(const std::function<void()> &write, const QString &failure, TTable *table);
    bool postRow(TTable *table);
    void insertRow(TTable *table);
    void deleteRow(TTable *table);
    void refresh(TTable *table);

    QTabWidget *PageControl1;
    QPushButton *Button6;
    QPushButton *Button1;
    QList<SlotGrid *> m_grids;
    QList<NavigatorBar *> m_bars;
    QString m_enteredCode;
    QString m_postedKey;   // key of the row the last post wrote
    bool m_locked = false;
};
