#pragma once
// The works editor: the remark of one row of MUNKAK.
#include "editors/EditorProtocol.h"
#include <QDialog>

class TForm16 : public QDialog {
    Q_OBJECT
public:
    explicit TForm16(QWidget *parent = nullptr);
    // "Módosít": the current row of ZQ90 into the fields; false after the load message.
    bool loadCurrentRow() { return m_core->loadCurrentRow(); }
    editor::EditorCore *core() const { return m_core; }

private:
    editor::EditorCore *m_core;
};
