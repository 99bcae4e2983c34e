#include "datastore/SqlScript.h"

#include <QRegularExpression>

namespace sqlscript {

QString withoutComments(const QString &text)
{
    QString out;
    out.reserve(text.size());
    const qsizetype n = text.size();
    for (qsizetype i = 0; i < n; ++i) {
        const QChar c = text.at(i);
        if (c == u'\'' || c == u'"') {
            const qsizetype end = text.indexOf(c, i + 1);
            const qsizetype stop = end < 0 ? n : end + 1;
            out += QStringView(text).mid(i, stop - i);
            i = stop - 1;
        } else if (c == u'-' && i + 1 < n && text.at(i + 1) == u'-') {
            const qsizetype end = text.indexOf(u'\n', i);
            i = (end < 0 ? n : end) - 1;
            out += u' ';
        } else if (c == u'/' && i + 1 < n && text.at(i + 1) == u'*') {
            const qsizetype end = text.indexOf(QStringLiteral("*/"), i + 2);
            i = (end < 0 ? n : end + 2) - 1;
            out += u' ';
        } else {
            out += c;
        }
    }
    return out;
}

namespace {

QString head(const QString &text) { return withoutComments(text).simplified().toUpper(); }

int linesIn(QStringView text) { return int(text.count(u'\n')); }

// isql's own settings: they change how isql shows or runs things, not the database.
const QRegularExpression kIsqlSetting(QStringLiteral(
    "^SET (NAMES|SQL DIALECT|AUTODDL|AUTO|ECHO|BAIL|LIST|COUNT|STATS|PLAN|PLANONLY|HEADING|HEAD|"
    "WARNINGS|WNG|BLOBDISPLAY|BLOB|TIME|ROWCOUNT|WIDTH|SQLDA_DISPLAY|EXEC_PATH_DISPLAY|"
    "KEEP_TRAN_PARAMS|MAXROWS|PER_TABLE_STATS|TRANSACTION)\\b"));
const QRegularExpression kIsqlOutput(QStringLiteral("^(SHOW|HELP|OUTPUT|OUT|EDIT)\\b"));
const QRegularExpression kIsqlOnly(QStringLiteral(
    "^(INPUT|IN|SHELL|CONNECT|CREATE DATABASE|CREATE SCHEMA|DROP DATABASE)\\b"));
const QRegularExpression kSetTerm(QStringLiteral("^SET TERM(INATOR)? (\\S+)$"));

} // namespace

QVector<Statement> split(const QString &script)
{
    const QString s = script.startsWith(QChar(0xFEFF)) ? script.mid(1) : script;
    const qsizetype n = s.size();
    QVector<Statement> out;
    QString term = QStringLiteral(";");
    qsizetype from = 0;    // the statement's first character that is not a blank or a comment
    int line = 1;
    int startLine = 1;
    bool begun = false;   // the statement has something besides blanks and comments
    bool stop = false;    // EXIT or QUIT: isql reads no further

    auto finish = [&](const QString &text) {
        const QString h = head(text);
        if (h.isEmpty()) return;
        if (const auto m = kSetTerm.match(h); m.hasMatch()) {
            // The new terminator as written (a letter terminator keeps its case).
            term = withoutComments(text).simplified().section(u' ', -1);
            return;
        }
        if (kIsqlSetting.match(h).hasMatch() || kIsqlOutput.match(h).hasMatch()) return;
        if (const auto m = kIsqlOnly.match(h); m.hasMatch())
            throw ScriptError(QStringLiteral("A(z) %1. sorban álló „%2” parancsot csak az isql tudja végrehajtani.")
                                  .arg(startLine).arg(m.captured(1)));
        if (h == QLatin1String("EXIT") || h == QLatin1String("QUIT")) {
            out.append({h == QLatin1String("EXIT") ? Statement::Commit : Statement::Rollback, h, startLine});
            stop = true;
            return;
        }
        if (h == QLatin1String("COMMIT") || h == QLatin1String("COMMIT WORK")) {
            out.append({Statement::Commit, h, startLine});
            return;
        }
        if (h == QLatin1String("ROLLBACK") || h == QLatin1String("ROLLBACK WORK")) {
            out.append({Statement::Rollback, h, startLine});
            return;
        }
        out.append({Statement::Sql, text.trimmed(), startLine});
    };

    qsizetype i = 0;
    while (i < n && !stop) {
        const QChar c = s.at(i);
        if (c == u'\'' || c == u'"') {
            if (!begun) { begun = true; startLine = line; from = i; }
            const qsizetype end = s.indexOf(c, i + 1);
            if (end < 0)
                throw ScriptError(QStringLiteral("A(z) %1. sorban kezdődő idézet nincs lezárva.").arg(line));
            line += linesIn(QStringView(s).mid(i, end - i));
            i = end + 1;
        } else if (c == u'-' && i + 1 < n && s.at(i + 1) == u'-') {
            const qsizetype end = s.indexOf(u'\n', i);
            i = end < 0 ? n : end;
        } else if (c == u'/' && i + 1 < n && s.at(i + 1) == u'*') {
            const qsizetype end = s.indexOf(QStringLiteral("*/"), i + 2);
            if (end < 0)
                throw ScriptError(QStringLiteral("A(z) %1. sorban kezdődő megjegyzés nincs lezárva.").arg(line));
            line += linesIn(QStringView(s).mid(i, end - i));
            i = end + 2;
        } else if (QStringView(s).mid(i).startsWith(term, Qt::CaseInsensitive)) {
            const qsizetype ended = i + term.size();   // SET TERM changes term
            finish(begun ? s.mid(from, i - from) : QString());
            i = ended;
            begun = false;
        } else {
            if (c == u'\n') ++line;
            else if (!begun && !c.isSpace()) { begun = true; startLine = line; from = i; }
            ++i;
        }
    }
    if (!stop && begun)
        throw ScriptError(QStringLiteral("A(z) %1. sorban kezdődő utasítás végéről hiányzik a lezáró „%2”.")
                              .arg(startLine).arg(term));
    return out;
}

bool isDefinition(const QString &statement)
{
    static const QRegularExpression ddl(QStringLiteral(
        "^(CREATE|ALTER|DROP|RECREATE|DECLARE|GRANT|REVOKE|COMMENT|SET GENERATOR|SET STATISTICS)\\b"));
    return ddl.match(head(statement)).hasMatch();
}

} // namespace sqlscript
