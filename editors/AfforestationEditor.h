#pragma once
// The afforestation editor: one row of ERDOSITES.
#include "editors/EditorProtocol.h"
#include <QDialog>

class TForm13 : public QDialog {
    Q_OBJECT
public:
    explicit TForm13(QWidget *parent = nullptr);
    // "Módosít": the current row of ZQ60 into the fields; false after the load message.
    bool loadCurrentRow() { return m_core->loadCurrentRow(); }
    editor::EditorCore *core() const { return m_core; }

private:
    editor::EditorCore *m_core;
};
