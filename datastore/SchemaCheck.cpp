#include "datastore/SchemaCheck.h"
#include "datastore/FbSession.h"

#include <QHash>
#include <QSet>

namespace schema {

QVector<QStringList> rowsOf(FbSession &s, const QString &sql)
{
    QVector<DbColumn> cols;
    QVector<DbRow> rows;
    s.run(sql, {}, &cols, &rows, true);
    QVector<QStringList> out;
    out.reserve(rows.size());
    for (const DbRow &r : rows) {
        QStringList cells;
        for (int c = 0; c < cols.size(); ++c) cells << FbSession::value(r, cols.at(c), c).toString().trimmed();
        out << cells;
    }
    return out;
}

namespace {

QSet<QString> namesOf(FbSession &s, const QString &sql)
{
    QSet<QString> out;
    for (const QStringList &r : rowsOf(s, sql)) out.insert(r.value(0));
    return out;
}

QHash<QString, QString> sourcesOf(FbSession &s, const QString &sql)
{
    QHash<QString, QString> out;
    for (const QStringList &r : rowsOf(s, sql)) out.insert(r.value(0), foldedSource(r.value(1)));
    return out;
}

struct TriggerInfo {
    QString name, table, source;
    bool beforeInsert = false;   // fires before an insert (alone or with other actions)
    bool active = false;
};

// What the register holds, by kind.
struct Catalogue {
    QVector<TriggerInfo> triggerInfo;
    QSet<QString> tables, indexes, generators, exceptions, roles, domains, constraints;
    QHash<QString, QSet<QString>> columns;   // table → its columns
    QHash<QString, QString> views, procedures, functions, triggers;   // name → folded source

    explicit Catalogue(FbSession &s)
    {
        for (const QStringList &r : rowsOf(s, QStringLiteral(
                 "SELECT TRIM(RDB$RELATION_NAME), IIF(RDB$VIEW_BLR IS NULL, 0, 1), RDB$VIEW_SOURCE FROM RDB$RELATIONS"))) {
            if (r.value(1) == u"1") views.insert(r.value(0), foldedSource(r.value(2)));
            else tables.insert(r.value(0));
        }
        for (const QStringList &r : rowsOf(s, QStringLiteral(
                 "SELECT TRIM(RDB$RELATION_NAME), TRIM(RDB$FIELD_NAME) FROM RDB$RELATION_FIELDS")))
            columns[r.value(0)].insert(r.value(1));
        indexes = namesOf(s, QStringLiteral("SELECT TRIM(RDB$INDEX_NAME) FROM RDB$INDICES"));
        generators = namesOf(s, QStringLiteral("SELECT TRIM(RDB$GENERATOR_NAME) FROM RDB$GENERATORS"));
        exceptions = namesOf(s, QStringLiteral("SELECT TRIM(RDB$EXCEPTION_NAME) FROM RDB$EXCEPTIONS"));
        roles = namesOf(s, QStringLiteral("SELECT TRIM(RDB$ROLE_NAME) FROM RDB$ROLES"));
        domains = namesOf(s, QStringLiteral("SELECT TRIM(RDB$FIELD_NAME) FROM RDB$FIELDS"));
        constraints = namesOf(s, QStringLiteral("SELECT TRIM(RDB$CONSTRAINT_NAME) FROM RDB$RELATION_CONSTRAINTS"));
        procedures = sourcesOf(s, QStringLiteral("SELECT TRIM(RDB$PROCEDURE_NAME), RDB$PROCEDURE_SOURCE FROM RDB$PROCEDURES"));
        functions = sourcesOf(s, QStringLiteral("SELECT TRIM(RDB$FUNCTION_NAME), RDB$FUNCTION_SOURCE FROM RDB$FUNCTIONS"));
        for (const QStringList &r : rowsOf(s, QStringLiteral(
                 "SELECT TRIM(RDB$TRIGGER_NAME), RDB$TRIGGER_SOURCE, TRIM(RDB$RELATION_NAME), RDB$TRIGGER_TYPE, "
                 "COALESCE(RDB$TRIGGER_INACTIVE, 0) FROM RDB$TRIGGERS WHERE COALESCE(RDB$SYSTEM_FLAG, 0) = 0"))) {
            triggers.insert(r.value(0), foldedSource(r.value(1)));
            // 1: before insert; 17, 25, 113: before insert with update, delete or both.
            const int type = r.value(3).toInt();
            triggerInfo.append({r.value(0), r.value(2), r.value(1), type == 1 || type == 17 || type == 25 || type == 113,
                                r.value(4) == u"0"});
        }
    }

    // The stored source of a code object, or no value when there is none of the name.
    const QHash<QString, QString> *codeObjects(Kind k) const
    {
        switch (k) {
        case Kind::Trigger: return &triggers;
        case Kind::Procedure: return &procedures;
        case Kind::Function: return &functions;
        case Kind::View: return &views;
        default: return nullptr;
        }
    }

    bool has(const Object &o) const
    {
        switch (o.kind) {
        case Kind::Table: return tables.contains(o.name);
        case Kind::Index: return indexes.contains(o.name);
        case Kind::Generator: return generators.contains(o.name);
        case Kind::Exception: return exceptions.contains(o.name);
        case Kind::Role: return roles.contains(o.name);
        case Kind::Domain: return domains.contains(o.name);
        case Kind::Constraint: return constraints.contains(o.name);
        case Kind::Column: return columns.value(o.table).contains(o.name);
        default: break;
        }
        const auto *code = codeObjects(o.kind);
        return code && code->contains(o.name);
    }
};

// Rows sharing a value of the column, which a unique index on it would refuse.
QString duplicatesIn(FbSession &s, const QString &table, const QString &column)
{
    QStringList values;
    for (const QStringList &r : rowsOf(s, QStringLiteral("SELECT FIRST 10 %2 FROM %1 WHERE %2 IS NOT NULL "
                                                         "GROUP BY %2 HAVING COUNT(*) > 1 ORDER BY %2")
                                              .arg(table, column)))
        values << r.value(0);
    return values.isEmpty() ? QString() : QStringLiteral("%1.%2: %3").arg(table, column, values.join(QStringLiteral(", ")));
}

// An older trigger of the register that gives a new row the identifier or
// code this program's trigger gives would fire first or overwrite it: it is
// switched off, kept in the register as it was.
void supersede(const Object &trigger, const Catalogue &have, const QVector<Object> &objects, Plan &plan)
{
    if (trigger.table.isEmpty() || trigger.assigned.isEmpty()) return;
    QSet<QString> ours;
    for (const Object &o : objects)
        if (o.kind == Kind::Trigger) ours.insert(o.name);
    for (const TriggerInfo &t : have.triggerInfo) {
        if (ours.contains(t.name) || t.table != trigger.table || !t.beforeInsert || !t.active) continue;
        bool competes = false;
        for (const QString &c : assignedColumns(t.source)) competes = competes || trigger.assigned.contains(c);
        if (!competes) continue;
        Object old;
        old.kind = Kind::Trigger;
        old.name = t.name;
        old.table = t.table;
        old.text = t.source;
        old.line = trigger.line;
        plan.steps.append({old, Step::Superseded, QStringLiteral("ALTER TRIGGER %1 INACTIVE").arg(t.name), {}});
    }
}

} // namespace

bool Plan::complete() const { return changes().isEmpty(); }

QVector<const Step *> Plan::changes() const
{
    QVector<const Step *> out;
    for (const Step &s : steps)
        if (s.why != Step::Always) out << &s;
    return out;
}

Plan check(FbSession &session, const QVector<Object> &objects)
{
    Plan plan;
    plan.scriptVersion = scriptVersion(objects);
    const bool started = !session.inTransaction();
    if (started) session.startTransaction();
    try {
        const QStringList who = rowsOf(session, QStringLiteral(
            "SELECT CURRENT_USER, CURRENT_ROLE, (SELECT FIRST 1 TRIM(RDB$OWNER_NAME) FROM RDB$RELATIONS "
            "WHERE RDB$RELATION_NAME = 'RDB$DATABASE'), RDB$DESCRIPTION FROM RDB$DATABASE")).value(0);
        plan.user = who.value(0);
        plan.mayChangeSchema = plan.user == u"SYSDBA" || plan.user == who.value(2) || who.value(1) == u"RDB$ADMIN";
        plan.storedVersion = versionOf(who.value(3));
        if (plan.newer()) {
            // Made by a newer program: its objects are its own business.
            if (started) session.commit();
            return plan;
        }
        const Catalogue have(session);

        QHash<QString, QVector<QPair<QString, QString>>> generatedFrom;   // generator → (table, column)
        for (const Object &o : objects)
            for (const auto &g : o.generated) generatedFrom[g.second].append({o.table, g.first});

        for (const Object &o : objects) {
            if (o.kind == Kind::Trigger) supersede(o, have, objects, plan);
            Step step{o, Step::Missing, o.text, {}};
            switch (o.kind) {
            case Kind::Setting:
                continue;
            case Kind::Grant:
                step.why = Step::Always;
                break;
            case Kind::Stamp:
                if (plan.storedVersion == versionOf(o.name)) continue;
                step.why = Step::Always;
                break;
            case Kind::Table:
                if (have.has(o)) {
                    // A table of the name: only the columns it lacks are added.
                    for (const auto &c : o.columns) {
                        if (have.columns.value(o.name).contains(c.first)) continue;
                        Object col = o;
                        col.kind = Kind::Column;
                        col.table = o.name;
                        col.name = c.first;
                        col.columns.clear();
                        plan.steps.append({col, Step::Missing, QStringLiteral("ALTER TABLE %1 ADD %2").arg(o.name, c.second), {}});
                    }
                    continue;
                }
                break;
            case Kind::Trigger: case Kind::Procedure: case Kind::Function: case Kind::View:
                if (have.has(o)) {
                    if (have.codeObjects(o.kind)->value(o.name) == o.body) continue;
                    step.why = Step::Changed;
                    step.statement = asCreateOrAlter(o);
                }
                break;
            default:
                if (have.has(o)) continue;
                break;
            }
            if (o.kind == Kind::Generator) {
                for (const auto &tc : generatedFrom.value(o.name))
                    if (have.columns.value(tc.first).contains(tc.second)) step.startFrom << tc;
            }
            if (o.kind == Kind::Index && o.unique && o.indexColumns.size() == 1 && plan.mayChangeSchema
                && have.tables.contains(o.table)
                && have.columns.value(o.table).contains(o.indexColumns.first())) {
                const QString d = duplicatesIn(session, o.table, o.indexColumns.first());
                if (!d.isEmpty() && !plan.duplicates.contains(d)) plan.duplicates << d;
            }
            plan.steps << step;
        }
    } catch (...) {
        if (started) {
            try { session.rollback(); } catch (...) {}
        }
        throw;
    }
    if (started) session.commit();
    return plan;
}

} // namespace schema
