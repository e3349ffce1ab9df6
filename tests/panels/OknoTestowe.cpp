#include "OknoTestowe.h"

#include <platform/Paths.h>
#include <shell/WczytajKolory.h>

#include <QDir>
#include <QFile>
#include <QFileInfo>

OknoTestowe::OknoTestowe()
{
    QDir(m_program.path()).mkpath(QStringLiteral("data/kolory"));
    QFile schemat(m_program.filePath(QStringLiteral("data/kolory/xk.kol")));
    schemat.open(QIODevice::WriteOnly);
    schemat.write(QStringLiteral("; test\nbackground=&H00404040\ntitlebar=&H00804000\nfiletext=%1\n"
                                 "filebackground=%2\nfileselbackground=%3\nfileinsert=%4\nseldirbar=%5\n"
                                 "shorts=&H00808000\nfileseltext=%6\n")
                      .arg(filetext).arg(filebackground).arg(fileselbackground).arg(fileinsert)
                      .arg(seldirbar).arg(fileseltext)
                      .toUtf8());
    schemat.close();
    oc::platform::setProgramDirectory(m_program.path());
}

OknoTestowe::~OknoTestowe()
{
    m_okno.reset();
    oc::platform::setProgramDirectory(QString());
}

frmMain &OknoTestowe::Otwórz(const QString &left, const QString &right)
{
    kolory() = WczytajKolory(oc::platform::colourSchemeFile());
    m_okno = std::make_unique<frmMain>(left, right);
    m_okno->Komponenty().Dialogi = std::make_unique<ScriptedComponent>(dialogi);
    m_okno->Komponenty().Komunikaty = std::make_unique<ScriptedComponent>(komunikaty);
    m_okno->Komponenty().Menu = std::make_unique<ScriptedComponent>(menu);
    m_okno->Form_Load();
    return *m_okno;
}

void UtwórzDrzewo(const QString &root, const QStringList &names, qint64 size)
{
    for (const QString &name : names) {
        const QString path = root + u'/' + name;
        if (name.endsWith(u'/')) {
            QDir().mkpath(path);
            continue;
        }
        QDir().mkpath(QFileInfo(path).absolutePath());
        QFile file(path);
        file.open(QIODevice::WriteOnly);
        file.resize(size);
    }
}
