#pragma once
// The felling plan editor: one row of TERMELES.
#include "editors/EditorProtocol.h"
#include <QDialog>

class TForm10 : public QDialog {
    Q_OBJECT
public:
    explicit TForm10(QWidget *parent = nullptr);
    // "Módosít": the current row of ZQ30 into the fields; false after the load message.
    bool loadCurrentRow() { return m_core->loadCurrentRow(); }
    editor::EditorCore *core() const { return m_core; }

private:
    editor::EditorCore *m_core;
};
