#pragma once
// Keys into the real windows, each in its own modal loop: a step waits until
// its window is the one on top, then sends its keys to whatever control has
// the focus there, as a keyboard would. The keys are counted.
#include "TestSupport.h"
#include <QApplication>
#include <QDeadlineTimer>
#include <QDialog>
#include <QEventLoop>
#include <QList>
#include <QStringList>
#include <QTest>
#include <QTimer>
#include <functional>

namespace testsupport {

class KeyDriver : public QObject {
public:
    // act runs once the window of class windowClass is on top and has the focus
    // ("TForm1": the main window, no modal window open).
    void on(const QString &windowClass, std::function<void()> act) { m_steps.append({windowClass, std::move(act), {}}); }
    // Waits until done() holds (what a key set off has finished).
    void until(std::function<bool()> done) { m_steps.append({QString(), [] {}, std::move(done)}); }

    // Keys to the focused control of the window on top; counted.
    void key(Qt::Key k, Qt::KeyboardModifiers m = Qt::NoModifier)
    {
        QWidget *target = focusTarget();
        if (!target)
            return;
        ++keys;
        QTest::keyClick(target, k, m);
    }
    void repeat(Qt::Key k, int times, Qt::KeyboardModifiers m = Qt::NoModifier)
    {
        for (int i = 0; i < times; ++i)
            key(k, m);
    }
    // Each character as its own key press, Hungarian letters too.
    void type(const QString &text)
    {
        for (const QChar c : text) {
            QWidget *target = focusTarget();
            if (!target)
                return;
            ++keys;
            typeText(target, QString(c));
        }
    }

    // The control that has the focus in the window on top; a failure when the
    // focus is nowhere the user could see it.
    QWidget *focusTarget()
    {
        QWidget *top = topWindow();
        QWidget *f = QApplication::focusWidget();
        if (f && top && f->window() == top && f->isVisible() && f->isEnabled())
            return f;
        if (!f && top && !qobject_cast<QDialog *>(top) && QApplication::activeWindow() == top)
            return top;   // the main window holds nothing but its menu
        fail(QStringLiteral("no visible focus in %1 (focus: %2 %3)")
                 .arg(top ? QString::fromLatin1(top->metaObject()->className()) : QStringLiteral("-"),
                      f ? QString::fromLatin1(f->metaObject()->className()) : QStringLiteral("none"),
                      f ? f->objectName() : QString()));
        return nullptr;
    }

    static QWidget *topWindow()
    {
        if (QWidget *m = QApplication::activeModalWidget())
            return m;
        return QApplication::activeWindow();
    }

    // Runs the steps; false when one failed or waited for its window longer
    // than stepTimeoutMs (see failures).
    bool run(int stepTimeoutMs = 20000)
    {
        m_stepTimeout = stepTimeoutMs;
        m_deadline = QDeadlineTimer(m_stepTimeout);
        QTimer::singleShot(0, this, [this] { tick(); });
        m_loop.exec();
        return failures.isEmpty();
    }

    void fail(const QString &why)
    {
        if (failures.isEmpty())
            failures << why;
        m_steps.clear();
    }

    int keys = 0;
    QStringList failures;

private:
    struct Step {
        QString window;
        std::function<void()> act;
        std::function<bool()> done;
    };

    bool ready(const Step &s) const
    {
        if (s.done)
            return s.done();
        QWidget *top = topWindow();
        if (!top || QString::fromLatin1(top->metaObject()->className()) != s.window)
            return false;
        QWidget *f = QApplication::focusWidget();
        return (f && f->window() == top) || (!f && QApplication::activeWindow() == top);
    }

    void tick()
    {
        if (!failures.isEmpty() || m_steps.isEmpty()) {
            unwind();
            return;
        }
        if (!ready(m_steps.first())) {
            if (m_deadline.hasExpired()) {
                QWidget *top = topWindow();
                fail(QStringLiteral("waited in vain for %1 (on top: %2)")
                         .arg(m_steps.first().window,
                              top ? QString::fromLatin1(top->metaObject()->className()) : QStringLiteral("-")));
                unwind();
                return;
            }
            QTimer::singleShot(10, this, [this] { tick(); });
            return;
        }
        Step s = m_steps.takeFirst();
        m_deadline = QDeadlineTimer(m_stepTimeout);
        // Scheduled first: the keys may open a window whose modal loop runs inside them.
        QTimer::singleShot(10, this, [this] { tick(); });
        s.act();
    }

    // Closes what is still open, so every modal loop returns, then ends the run.
    void unwind()
    {
        if (auto *d = qobject_cast<QDialog *>(QApplication::activeModalWidget())) {
            d->done(QDialog::Rejected);
            QTimer::singleShot(10, this, [this] { unwind(); });
            return;
        }
        m_loop.quit();
    }

    QList<Step> m_steps;
    QDeadlineTimer m_deadline;
    int m_stepTimeout = 20000;
    QEventLoop m_loop;
};

} // namespace testsupport
