#pragma once
// The afforestation-change editor: the remark of one row of VALTOZAS.
#include "editors/EditorProtocol.h"
#include <QDialog>

class TForm15 : public QDialog {
    Q_OBJECT
public:
    explicit TForm15(QWidget *parent = nullptr);
    // "Módosít": the current row of ZQ80 into the fields; false after the load message.
    bool loadCurrentRow() { return m_core->loadCurrentRow(); }
    editor::EditorCore *core() const { return m_core; }

private:
    editor::EditorCore *m_core;
};
