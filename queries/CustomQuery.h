#pragma once
// The custom query "Erdörészlet lekérdezés": the user drags columns from the
// field list file (or moves them with the keyboard) into an ordered check
// list, ticks the ones to group by, and prints the 22 totals per combination
// of their values.
#include <QDialog>
#include <QListWidget>
#include <functional>

class QLabel;
class QPlainTextEdit;
class QPushButton;
class QTabWidget;
class SlotGrid;
class NavigatorBar;

// A list that takes any drag over it and hands a drop to its window with the
// list it came from; moving the entries is the window's business.
class DropList : public QListWidget {
    Q_OBJECT
public:
    explicit DropList(QWidget *parent = nullptr);
    std::function<void(QObject *source)> onDrop;
    // Enter and Delete on the list, when set (the window's keyboard moves).
    std::function<void()> onEnter, onDelete;

protected:
    void keyPressEvent(QKeyEvent *event) override;
    void dragEnterEvent(QDragEnterEvent *event) override;
    void dragMoveEvent(QDragMoveEvent *event) override;
    void dropEvent(QDropEvent *event) override;
};

class TForm23 : public QDialog {
    Q_OBJECT
public:
    explicit TForm23(QWidget *parent = nullptr);

    // Drop handlers; source is the list the drag came from.
    void CheckListBox1DragDrop(QObject *source);
    void ListBox1DragDrop(QObject *source);
    void Button1Click();   // "Nyomtatás"
    // The keyboard's moves: the field list's current entry to the end of the
    // order ("Sorrendbe >", Enter), the order's current entry back ("< Vissza", Delete).
    void addCurrentField();
    void removeCurrentEntry();

    // The ticked entries in check-list order.
    QStringList tickedEntries() const;

protected:
    void showEvent(QShowEvent *event) override;

private:
    void loadFieldList();
    void refuseTickPastLimit(QListWidgetItem *item);
    bool m_loaded = false;
    QTabWidget *PageControl1;
    QLabel *Label1, *Label2, *Label3, *Label4;
    DropList *ListBox1;
    DropList *CheckListBox1;
    QPushButton *Button1;
    QPushButton *Button2;
    QPushButton *ButtonAdd, *ButtonRemove;
    QLabel *LabelKeys;
    SlotGrid *DBGrid1;
    NavigatorBar *DBNavigator1;
    QPlainTextEdit *Memo1;
};
