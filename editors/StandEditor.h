#pragma once
// The stand description editor: one row of ALLOMANY.
#include "editors/EditorProtocol.h"
#include <QDialog>

class TForm9 : public QDialog {
    Q_OBJECT
public:
    explicit TForm9(QWidget *parent = nullptr);
    // "Módosít": the current row of ZQ20 into the fields; false after the load message.
    bool loadCurrentRow() { return m_core->loadCurrentRow(); }
    editor::EditorCore *core() const { return m_core; }

private:
    editor::EditorCore *m_core;
};
