#pragma once

#include "ScriptedComponent.h"

#include <window/PaneleBoczne.h>
#include <window/frmMain.h>

#include <QString>
#include <QStringList>
#include <QTemporaryDir>
#include <memory>

// A program directory with a colour scheme, and a loaded main window over
// two given directories with stand-ins in its component slots.
class OknoTestowe
{
public:
    OknoTestowe();
    ~OknoTestowe();

    // Loads the window with the left and right panel in these directories.
    frmMain &Otwórz(const QString &left, const QString &right);

    QString ProgramDir() const { return m_program.path(); }
    frmMain *okno() { return m_okno.get(); }

    std::shared_ptr<ScriptedComponent::Record> dialogi = std::make_shared<ScriptedComponent::Record>();
    std::shared_ptr<ScriptedComponent::Record> komunikaty = std::make_shared<ScriptedComponent::Record>();
    std::shared_ptr<ScriptedComponent::Record> menu = std::make_shared<ScriptedComponent::Record>();

    // The scheme's colours, all distinct.
    static constexpr quint32 filetext = 0x00FFFF80, filebackground = 0x00800000, fileselbackground = 0x00808000,
                             fileinsert = 0x0000FFFF, seldirbar = 0x00C06000, fileseltext = 0x00000001;

private:
    QTemporaryDir m_program;
    std::unique_ptr<frmMain> m_okno;
};

// Creates files (with sizes) and directories under a root; a name ending in
// "/" is a directory.
void UtwórzDrzewo(const QString &root, const QStringList &names, qint64 size = 0);
