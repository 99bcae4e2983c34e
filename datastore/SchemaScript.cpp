#include "datastore/SchemaScript.h"

#include <QFile>
#include <QRegularExpression>

namespace schema {
namespace {

using RE = QRegularExpression;

// A name as the engine keeps it: unquoted ones in upper case.
QString nameOf(QString n)
{
    n = n.trimmed();
    if (n.size() >= 2 && n.startsWith(u'"') && n.endsWith(u'"')) return n.mid(1, n.size() - 2);
    return n.toUpper();
}

// Where a word first stands in text outside quotes and comments, -1 if nowhere.
qsizetype wordAt(const QString &text, QStringView word)
{
    const qsizetype n = text.size();
    auto isName = [](QChar c) { return c.isLetterOrNumber() || c == u'_' || c == u'$'; };
    for (qsizetype i = 0; i < n; ++i) {
        const QChar c = text.at(i);
        if (c == u'\'' || c == u'"') {
            const qsizetype end = text.indexOf(c, i + 1);
            if (end < 0) return -1;
            i = end;
        } else if (c == u'-' && i + 1 < n && text.at(i + 1) == u'-') {
            const qsizetype end = text.indexOf(u'\n', i);
            if (end < 0) return -1;
            i = end;
        } else if (c == u'/' && i + 1 < n && text.at(i + 1) == u'*') {
            const qsizetype end = text.indexOf(QStringLiteral("*/"), i + 2);
            if (end < 0) return -1;
            i = end + 1;
        } else if ((i == 0 || !isName(text.at(i - 1))) && QStringView(text).mid(i).startsWith(word, Qt::CaseInsensitive)
                   && (i + word.size() >= n || !isName(text.at(i + word.size())))) {
            return i;
        }
    }
    return -1;
}

// The parts of a parenthesised list at its top level: "a INTEGER, b NUMERIC(9,2)".
QStringList topLevelParts(const QString &list)
{
    QStringList parts;
    int depth = 0;
    qsizetype from = 0;
    for (qsizetype i = 0; i < list.size(); ++i) {
        const QChar c = list.at(i);
        if (c == u'\'' || c == u'"') {
            const qsizetype end = list.indexOf(c, i + 1);
            i = end < 0 ? list.size() : end;
        } else if (c == u'(') {
            ++depth;
        } else if (c == u')') {
            --depth;
        } else if (c == u',' && depth == 0) {
            parts << list.mid(from, i - from).trimmed();
            from = i + 1;
        }
    }
    parts << list.mid(from).trimmed();
    parts.removeAll(QString());
    return parts;
}

// What stands between the first "(" and its matching ")".
QString firstParenthesised(const QString &text)
{
    const qsizetype open = text.indexOf(u'(');
    if (open < 0) return {};
    int depth = 0;
    for (qsizetype i = open; i < text.size(); ++i) {
        if (text.at(i) == u'(') ++depth;
        else if (text.at(i) == u')' && --depth == 0) return text.mid(open + 1, i - open - 1);
    }
    return {};
}

bool isConstraintPart(const QString &part)
{
    static const RE constraint(QStringLiteral("^(CONSTRAINT|PRIMARY|UNIQUE|FOREIGN|CHECK)\\b"));
    return constraint.match(part).hasMatch();
}

const QString kName = QStringLiteral("(\"[^\"]+\"|[A-Z0-9_$]+)");

} // namespace

QStringList assignedColumns(const QString &source)
{
    static const RE set(QStringLiteral("NEW\\.%1\\s*=(?!=)").arg(kName), RE::CaseInsensitiveOption);
    QStringList out;
    for (auto it = set.globalMatch(sqlscript::withoutComments(source)); it.hasNext();) {
        const QString c = nameOf(it.next().captured(1));
        if (!out.contains(c)) out << c;
    }
    return out;
}

namespace {

Object classify(const sqlscript::Statement &st)
{
    Object o;
    o.text = st.text;
    o.line = st.line;
    const QString plain = sqlscript::withoutComments(st.text).simplified();
    const QString h = plain.toUpper();
    auto match = [&](const QString &pattern) { return RE(QStringLiteral("^") + pattern).match(h); };
    // Objects known by their name alone.
    static const struct { const char *lead; Kind kind; } named[] = {
        {"CREATE (?:GENERATOR|SEQUENCE) ", Kind::Generator}, {"(?:RE)?CREATE (?:OR ALTER )?EXCEPTION ", Kind::Exception},
        {"CREATE ROLE ", Kind::Role}, {"CREATE DOMAIN ", Kind::Domain}};
    QRegularExpressionMatch m;
    for (const auto &n : named) {
        if ((m = match(QString::fromLatin1(n.lead) + kName)).hasMatch()) {
            o.kind = n.kind;
            o.name = nameOf(m.captured(1));
            return o;
        }
    }
    if ((m = match(QStringLiteral("(RE)?CREATE (OR ALTER )?TABLE ") + kName)).hasMatch()) {
        o.kind = Kind::Table;
        o.name = nameOf(m.captured(3));
        for (const QString &part : topLevelParts(firstParenthesised(plain))) {
            if (isConstraintPart(part.toUpper())) continue;
            o.columns.append({nameOf(part.section(u' ', 0, 0)), part});
        }
    } else if ((m = match(QStringLiteral("CREATE (UNIQUE )?(ASC(ENDING)? |DESC(ENDING)? )?INDEX %1 ON %1").arg(kName)))
                   .hasMatch()) {
        o.kind = Kind::Index;
        o.unique = !m.captured(1).isEmpty();
        o.name = nameOf(m.captured(5));
        o.table = nameOf(m.captured(6));
        if (!h.contains(QStringLiteral(" COMPUTED ")))
            for (const QString &c : topLevelParts(firstParenthesised(h))) o.indexColumns << nameOf(c);
    } else if ((m = match(QStringLiteral("(RE)?CREATE (OR ALTER )?(PROCEDURE|FUNCTION|VIEW|TRIGGER) ") + kName))
                   .hasMatch()) {
        const QString what = m.captured(3);
        o.kind = what == u"PROCEDURE" ? Kind::Procedure
               : what == u"FUNCTION"  ? Kind::Function
               : what == u"VIEW"      ? Kind::View
                                      : Kind::Trigger;
        o.name = nameOf(m.captured(4));
        const qsizetype as = wordAt(st.text, u"AS");
        if (as >= 0) o.body = foldedSource(st.text.mid(as));
        if (o.kind == Kind::Trigger) {
            const auto t = RE(QStringLiteral(" (FOR|ON) ") + kName + QStringLiteral(" ")).match(h);
            if (t.hasMatch() && t.captured(1) == u"FOR") o.table = nameOf(t.captured(2));
            else if (t.hasMatch() && !QStringList{"CONNECT", "DISCONNECT", "TRANSACTION"}.contains(t.captured(2)))
                o.table = nameOf(t.captured(2));
            static const RE gen(QStringLiteral("NEW\\.%1 ?= ?(GEN_ID ?\\( ?%1|NEXT VALUE FOR %1)").arg(kName));
            for (auto it = gen.globalMatch(h); it.hasNext();) {
                const auto g = it.next();
                o.generated.append({nameOf(g.captured(1)), nameOf(g.captured(3) + g.captured(4))});
            }
            o.assigned = assignedColumns(h);
        }
    } else if ((m = match(QStringLiteral("ALTER TABLE %1 ADD CONSTRAINT %1").arg(kName))).hasMatch()) {
        o.kind = Kind::Constraint;
        o.table = nameOf(m.captured(1));
        o.name = nameOf(m.captured(2));
    } else if ((m = match(QStringLiteral("ALTER TABLE %1 ADD %1").arg(kName))).hasMatch()
               && !isConstraintPart(m.captured(2))) {
        o.kind = Kind::Column;
        o.table = nameOf(m.captured(1));
        o.name = nameOf(m.captured(2));
    } else if (match(QStringLiteral("(GRANT|REVOKE) ")).hasMatch()) {
        o.kind = Kind::Grant;
    } else if (match(QStringLiteral("COMMENT ON DATABASE IS ")).hasMatch()) {
        o.kind = Kind::Stamp;
        const qsizetype q = st.text.indexOf(u'\'');
        o.name = q < 0 ? QString() : st.text.mid(q + 1, st.text.lastIndexOf(u'\'') - q - 1).replace(
                                                                            QStringLiteral("''"), QStringLiteral("'"));
    } else {
        o.kind = Kind::Setting;
    }
    return o;
}

} // namespace

QString foldedSource(const QString &source)
{
    QString s = source.simplified();
    if (s.startsWith(QLatin1String("AS "), Qt::CaseInsensitive) || s.compare(QLatin1String("AS"), Qt::CaseInsensitive) == 0)
        s = s.mid(3);
    return s;
}

QVector<Object> read(const QString &script)
{
    QVector<Object> out;
    for (const sqlscript::Statement &st : sqlscript::split(script))
        if (st.kind == sqlscript::Statement::Sql) out << classify(st);
    return out;
}

QString creationScript()
{
    QFile f(QStringLiteral(":/datastore/zelkor.sql"));
    if (!f.open(QIODevice::ReadOnly)) return {};
    return QString::fromUtf8(f.readAll());
}

const QVector<Object> &creationObjects()
{
    static const QVector<Object> objects = read(creationScript());
    return objects;
}

int versionOf(const QString &stampText)
{
    static const RE number(QStringLiteral("Zelkor-szerkezet (\\d+)"));
    const auto m = number.match(stampText);
    return m.hasMatch() ? m.captured(1).toInt() : 0;
}

int scriptVersion(const QVector<Object> &objects)
{
    for (const Object &o : objects)
        if (o.kind == Kind::Stamp) return versionOf(o.name);
    return 0;
}

QString asCreateOrAlter(const Object &o)
{
    static const RE lead(QStringLiteral("^\\s*(CREATE\\s+OR\\s+ALTER|RECREATE|CREATE)\\s+"),
                         RE::CaseInsensitiveOption);
    QString t = o.text;
    return t.replace(lead, QStringLiteral("CREATE OR ALTER "));
}

QString kindName(Kind kind)
{
    switch (kind) {
    case Kind::Table: return QStringLiteral("tábla");
    case Kind::Index: return QStringLiteral("index");
    case Kind::Generator: return QStringLiteral("számláló");
    case Kind::Exception: return QStringLiteral("hibaüzenet");
    case Kind::Procedure: return QStringLiteral("eljárás");
    case Kind::Function: return QStringLiteral("függvény");
    case Kind::Trigger: return QStringLiteral("trigger");
    case Kind::View: return QStringLiteral("nézet");
    case Kind::Role: return QStringLiteral("szerepkör");
    case Kind::Domain: return QStringLiteral("tartomány");
    case Kind::Constraint: return QStringLiteral("megkötés");
    case Kind::Column: return QStringLiteral("oszlop");
    case Kind::Grant: return QStringLiteral("jogosultság");
    case Kind::Stamp: return QStringLiteral("változatjelzés");
    case Kind::Setting: break;
    }
    return QStringLiteral("beállítás");
}

} // namespace schema
