#pragma once
// The parsed form of a report template (*.frf): page set-up, page header and
// footer, and the body as a flow of rows, rules and lists. The text format is
// described in reports/README.md.
#include <QList>
#include <QSizeF>
#include <QString>

namespace report::tpl {

// One piece of a cell's text: literal text or a {...} expression.
struct Segment {
    enum Kind { Literal, Variable, Field, Sum, Count, Page, Pages, Date, Time, RowNumber };
    Kind kind = Literal;
    QString text;       // the literal, the variable name or the source name
    QString column;     // Field and Sum: the column name
    int decimals = -1;  // -1: no number format
    bool grouped = false;  // thousands separated by a blank
};

enum class Align { Left, Center, Right, Auto };

struct CellStyle {
    Align align = Align::Left;
    bool bold = false;
    bool italic = false;
    bool mono = false;
    bool wrap = false;
    bool shade = false;
    bool gray = false;
    bool box = false;
    bool narrow = false;    // semi-condensed face
    bool light = false; // its lines print light gray
    double size = 0;    // points; 0: the template's font size
    double over = 0;    // line above the cell, mm; 0: none
    double under = 0;   // line below the cell, mm; 0: none
};

struct Cell {
    CellStyle style;
    int span = 1;
    QList<Segment> segments;
};

struct Element {
    enum Kind { Row, Rule, Space, Keep, NewPage, List };
    Kind kind = Row;
    int line = 0;                   // line in the template, for messages
    QList<double> widths;           // Row: the column weights in force
    QList<Cell> cells;              // Row
    double amount = 0;              // Rule: thickness; Space, Keep: millimetres
    bool hasCondition = false;      // printed only when the condition is not blank
    bool joinPrevious = false;      // Row: its cells continue the export table row above it
    QList<Segment> condition;
    // List
    QString source;
    bool exportTable = false;
    QList<Element> header, body, footer, empty;
};

struct Template {
    QString name;
    QSizeF pageMm{210, 297};        // portrait size
    int pageSizeId = 0;             // QPageSize::PageSizeId
    int orientation = -1;           // -1: not declared, 0: portrait, 1: landscape
    double marginLeft = 15, marginTop = 12, marginRight = 15, marginBottom = 12;
    double fontSize = 9;
    QString fontFamily;             // empty: the engine's sans-serif
    QList<Element> pageHeader, pageFooter, body;
};

// Parses a template's text. Throws report::ReportError naming the line.
Template parse(const QString &text, const QString &fileName);

} // namespace report::tpl
