#pragma once
// What the report engine reads: named row sources and variables.
// The data module adapts its query slots to RowSource; the engine knows no database.
#include <QString>
#include <QStringList>
#include <QVariant>
#include <QMap>
#include <functional>
#include <optional>

namespace report {

class RowSource {
public:
    virtual ~RowSource() = default;
    virtual int rowCount() const = 0;
    virtual QStringList columnNames() const = 0;       // as the statement returns them (upper case)
    // Value in edit form: numbers "12,5" (15 significant digits), dates "yyyy.MM.dd", null "".
    virtual QString text(int row, const QString &column) const = 0;
    // Numeric value; null and non-numbers give 0.
    virtual double number(int row, const QString &column) const = 0;
    virtual bool isNumeric(const QString &column) const = 0;
    // Called when the engine moves to a row of this source (first and every next row).
    std::function<void(int row)> onRow;

    // By column number, as the engine reads long lists; the defaults go
    // through the names above, a source may answer faster.
    virtual int columnIndex(const QString &name) const;      // any letter case; -1 when absent
    virtual QString textAt(int row, int column) const;
    virtual bool isNumericAt(int column) const;
    // The value as a number; none for null and for a text that is no number.
    virtual std::optional<double> numberAt(int row, int column) const;
};

// Everything a template may refer to while it is being prepared.
struct ReportInputs {
    QMap<QString, const RowSource *> dataSets;   // report data sets and bare slots ("frDBAllomany", "ZQ12")
    QMap<QString, QVariant> variables;           // named variables (text or double)
    // Asked first for every variable; returns true when it supplied the value.
    std::function<bool(const QString &name, QVariant &value)> variableCallback;
};

} // namespace report
