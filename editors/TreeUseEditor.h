#pragma once
// The tree-use editor: one row of FAHASZNALAT.
#include "editors/EditorProtocol.h"
#include <QDialog>

class TForm12 : public QDialog {
    Q_OBJECT
public:
    explicit TForm12(QWidget *parent = nullptr);
    // "Módosít": the current row of ZQ50 into the fields; false after the load message.
    bool loadCurrentRow() { return m_core->loadCurrentRow(); }
    editor::EditorCore *core() const { return m_core; }

private:
    editor::EditorCore *m_core;
};
