#include "Shell.h"

#include "Names.h"

#include <QDir>
#include <QStandardPaths>

#include <sys/stat.h>

namespace oc::platform {

namespace {

QString userShell()
{
    const QString shell = qEnvironmentVariable("SHELL");
    return shell.isEmpty() ? QStringLiteral("/bin/sh") : shell;
}

} // namespace

QString terminalProgram()
{
    const QString chosen = qEnvironmentVariable("TERMINAL");
    if (!chosen.isEmpty()) {
        const QString found = QStandardPaths::findExecutable(chosen);
        if (!found.isEmpty())
            return found;
    }
    for (const QString &name : {QStringLiteral("x-terminal-emulator"), QStringLiteral("xterm")}) {
        const QString found = QStandardPaths::findExecutable(name);
        if (!found.isEmpty())
            return found;
    }
    return {};
}

QString terminalCandidates()
{
    return QStringLiteral("zmienna TERMINAL, x-terminal-emulator, xterm");
}

QString documentOpenerName()
{
    return QStringLiteral("xdg-open");
}

QStringList splitCommandLine(const QString &line)
{
    QStringList words;
    QString word;
    bool inWord = false;
    enum class Quote { None, Single, Double } quote = Quote::None;
    for (qsizetype i = 0; i < line.size(); ++i) {
        const QChar c = line.at(i);
        switch (quote) {
        case Quote::Single:
            if (c == u'\'')
                quote = Quote::None;
            else
                word.append(c);
            break;
        case Quote::Double:
            if (c == u'"') {
                quote = Quote::None;
            } else if (c == u'\\' && i + 1 < line.size() && QStringView(u"\"\\$`\n").contains(line.at(i + 1))) {
                // Inside double quotes a backslash escapes only these.
                if (line.at(i + 1) != u'\n')
                    word.append(line.at(i + 1));
                ++i;
            } else {
                word.append(c);
            }
            break;
        case Quote::None:
            if (c == u' ' || c == u'\t' || c == u'\n') {
                if (inWord)
                    words.append(word);
                word.clear();
                inWord = false;
            } else if (c == u'\'') {
                quote = Quote::Single;
                inWord = true;
            } else if (c == u'"') {
                quote = Quote::Double;
                inWord = true;
            } else if (c == u'\\') {
                inWord = true;
                if (i + 1 < line.size()) {
                    if (line.at(i + 1) != u'\n')
                        word.append(line.at(i + 1));
                    ++i;
                }
            } else {
                word.append(c);
                inWord = true;
            }
            break;
        }
    }
    // An unclosed quote runs to the end of the line.
    if (inWord)
        words.append(word);
    return words;
}

Command interpreterCommand(const QString &line)
{
    const QString shell = userShell();
    const QString terminal = terminalProgram();
    // A line starting with "-" would be read as the shell's own options; the
    // shell skips a leading blank, which no option parser takes.
    const QString script = line.startsWith(u'-') ? u' ' + line : line;
    if (terminal.isEmpty())
        return {shell, {QStringLiteral("-c"), script}};
    // On a line of its own, so that a trailing "&" or comment cannot break or
    // swallow it.
    return {
        terminal,
        {QStringLiteral("-e"), shell, QStringLiteral("-c"), script + QStringLiteral("\nexec ") + shellQuote(shell)}};
}

Command scriptCommand(const QString &scriptPath)
{
    const QString terminal = terminalProgram();
    if (terminal.isEmpty())
        return {QStringLiteral("sh"), {scriptPath}};
    return {terminal, {QStringLiteral("-e"), QStringLiteral("sh"), scriptPath}};
}

Command terminalCommand(const QString &program, const QStringList &arguments)
{
    const QString terminal = terminalProgram();
    if (terminal.isEmpty())
        return {program, arguments};
    return {terminal, QStringList{QStringLiteral("-e"), program} + arguments};
}

QString shellQuote(const QString &text)
{
    QString quoted = text;
    quoted.replace(u'\'', QStringLiteral("'\\''"));
    return u'\'' + quoted + u'\'';
}

bool isProgramFile(const QString &path)
{
    for (const char *suffix : {".exe", ".com", ".bat"}) {
        if (path.endsWith(QLatin1String(suffix), Qt::CaseInsensitive))
            return true;
    }
    struct stat st;
    return stat(encodeName(path).constData(), &st) == 0 && S_ISREG(st.st_mode)
           && (st.st_mode & (S_IXUSR | S_IXGRP | S_IXOTH)) != 0;
}

QString temporaryDirectory()
{
    return QDir::tempPath();
}

} // namespace oc::platform
