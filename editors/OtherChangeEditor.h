#pragma once
// The other-change editor: one row of EGYEB.
#include "editors/EditorProtocol.h"
#include <QDialog>

class TForm14 : public QDialog {
    Q_OBJECT
public:
    explicit TForm14(QWidget *parent = nullptr);
    // "Módosít": the current row of ZQ70 into the fields; false after the load message.
    bool loadCurrentRow() { return m_core->loadCurrentRow(); }
    editor::EditorCore *core() const { return m_core; }

private:
    editor::EditorCore *m_core;
};
