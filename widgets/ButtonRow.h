#pragma once
// A row of buttons at the right edge of a window. Enter does not press them
// by default: in these windows it belongs to the fields and the grid.
#include <QHBoxLayout>
#include <QList>
#include <QPushButton>

inline QHBoxLayout *rightButtonRow(const QList<QPushButton *> &buttons, int minimumWidth = 100)
{
    auto *row = new QHBoxLayout;
    row->addStretch(1);
    for (QPushButton *b : buttons) {
        b->setAutoDefault(false);
        b->setMinimumWidth(minimumWidth);
        row->addWidget(b);
    }
    return row;
}
