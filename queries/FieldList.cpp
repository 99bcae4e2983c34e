#include "queries/FieldList.h"
#include "common/Seams.h"
#include "datastore/DataModule.h"
#include "datastore/QuerySlot.h"

namespace fieldlist {

namespace {

const QStringList Tables = {QStringLiteral("RESZLET"), QStringLiteral("ALLOMANY"), QStringLiteral("TERMELES")};

struct Parser {
    const QString &text;
    const QSet<QString> &columns;
    int at = 0;
    QString why;

    void skipBlanks()
    {
        while (at < text.size() && text.at(at).isSpace()) ++at;
    }
    bool peek(QChar c)
    {
        skipBlanks();
        return at < text.size() && text.at(at) == c;
    }
    static bool identStart(QChar c) { return (c >= u'A' && c <= u'Z') || (c >= u'a' && c <= u'z') || c == u'_'; }
    static bool identPart(QChar c) { return identStart(c) || (c >= u'0' && c <= u'9') || c == u'$'; }
    QString identifier()
    {
        const int from = at;
        while (at < text.size() && identPart(text.at(at))) ++at;
        return text.mid(from, at - from).toUpper();
    }
    bool fail(const QString &reason)
    {
        if (why.isEmpty()) why = reason;
        return false;
    }
    // factor := number | column | TABLE.column | "(" expression ")"
    bool factor()
    {
        skipBlanks();
        if (at >= text.size()) return fail(QStringLiteral("a sor hiányos"));
        const QChar c = text.at(at);
        if (c == u'(') {
            ++at;
            if (!expression()) return false;
            if (!peek(u')')) return fail(QStringLiteral("hiányzik a záró zárójel"));
            ++at;
            return true;
        }
        if (c.isDigit()) {
            while (at < text.size() && text.at(at).isDigit()) ++at;
            if (at < text.size() && text.at(at) == u'.') {
                ++at;
                while (at < text.size() && text.at(at).isDigit()) ++at;
            }
            return true;
        }
        if (!identStart(c)) return fail(QStringLiteral("nem megengedett jel: „%1”").arg(c));
        QString name = identifier();
        if (at < text.size() && text.at(at) == u'.') {
            if (!Tables.contains(name)) return fail(QStringLiteral("ismeretlen tábla: %1").arg(name));
            ++at;
            if (at >= text.size() || !identStart(text.at(at))) return fail(QStringLiteral("a tábla után oszlopnév kell"));
            name = identifier();
        }
        if (peek(u'(')) return fail(QStringLiteral("függvényhívás nem állhat itt (%1)").arg(name));
        if (!columns.contains(name)) return fail(QStringLiteral("ismeretlen oszlop: %1").arg(name));
        return true;
    }
    // term := factor (("*" | "/") factor)*
    bool term()
    {
        if (!factor()) return false;
        while (peek(u'*') || peek(u'/')) {
            ++at;
            if (!factor()) return false;
        }
        return true;
    }
    // expression := term (("+" | "-") term)*
    bool expression()
    {
        if (!term()) return false;
        while (peek(u'+') || peek(u'-')) {
            ++at;
            if (!term()) return false;
        }
        return true;
    }
};

} // namespace

QSet<QString> queryColumns(TData &db)
{
    QSet<QString> out;
    TQuery q(&db, QStringLiteral("FieldListColumns"));
    q.load({QStringLiteral("SELECT TRIM(RDB$FIELD_NAME) AS OSZLOP FROM RDB$RELATION_FIELDS"),
            QStringLiteral("WHERE RDB$RELATION_NAME IN ('RESZLET', 'ALLOMANY', 'TERMELES')")});
    q.open();
    for (int r = 0; r < q.rowCount(); ++r)
        out.insert(q.textAt(r, 0).trimmed().toUpper());
    q.close();
    return out;
}

QString refusal(const QString &entry, const QSet<QString> &columns)
{
    // The signs that end a statement, open a text or a comment are named as such.
    if (entry.contains(u';')) return QStringLiteral("pontosvessző nem állhat itt");
    if (entry.contains(u'\'') || entry.contains(u'"')) return QStringLiteral("idézőjel nem állhat itt");
    if (entry.contains(QStringLiteral("--")) || entry.contains(QStringLiteral("/*")))
        return QStringLiteral("megjegyzés nem állhat itt");
    Parser p{entry, columns};
    if (!p.expression()) return p.why;
    p.skipBlanks();
    if (p.at < entry.size()) {
        const QChar c = entry.at(p.at);
        if (Parser::identStart(c)) return QStringLiteral("csak oszlopok és számtani műveletek állhatnak itt (%1)").arg(p.identifier());
        return QStringLiteral("nem megengedett jel: „%1”").arg(c);
    }
    return {};
}

QStringList usableEntries(const QStringList &lines, const QSet<QString> &columns, QStringList *refused)
{
    QStringList out;
    for (int i = 0; i < lines.size(); ++i) {
        const QString &line = lines.at(i);
        if (line.trimmed().isEmpty()) continue;
        const QString why = refusal(line, columns);
        if (why.isEmpty())
            out << line;
        else if (refused)
            *refused << QStringLiteral("%1. sor („%2”): %3").arg(i + 1).arg(line.trimmed(), why);
    }
    return out;
}

QStringList choosable(const QStringList &lines)
{
    QSet<QString> columns;
    try {
        columns = queryColumns(dm());
    } catch (const std::exception &e) {
        seams::message(QString::fromUtf8(e.what()));
        return {};
    }
    QStringList refused;
    const QStringList usable = usableEntries(lines, columns, &refused);
    if (!refused.isEmpty())
        seams::message(QStringLiteral("A \"mezo1.txt\" alábbi sorai nem használhatók, ezért kimaradtak a listából "
                                      "(csak a részlet, az állomány és a fakitermelés oszlopai és köztük számtani "
                                      "műveletek állhatnak benne):\n")
                       + refused.join(u'\n'));
    return usable;
}

} // namespace fieldlist
