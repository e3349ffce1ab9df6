#pragma once

#include <QFrame>
#include <QFutureWatcher>
#include <array>
#include <initializer_list>

class Gospodarz;
class QLabel;
class WidokPanelu;
namespace oc::ui {
class Shape;
}

// The information panel (Ctrl+L) over the inactive file panel: the active
// panel's volume, its directory's figures and description file.
class PanelInformacji : public QFrame
{
public:
    explicit PanelInformacji(QWidget *okno);

    std::array<QLabel *, 26> Label4{}; // 25 the title
    oc::ui::Shape *Shape1, *Shape3;
    std::array<QFrame *, 3> Line1{};

    QLabel *Tytuł() const { return Label4[25]; }
    // Its size, with its frames, lines and title following.
    void Ułóż(int szerokość, int wysokość);
    void Koloruj();
    // The title and the program's version, written afresh at each opening.
    void PokażWersję();
    void PanelInfo(const WidokPanelu &d);
    void PokażDirInfo(const QString &path);
    // The volume's lines centred on the panel.
    void WyśrodkujDysk();

private:
    // Lines of labels side by side, centred as one on the panel.
    void Wyśrodkuj(std::initializer_list<int> pozycje);
};

// The quick view (Ctrl+Q) over the inactive file panel: what the active
// panel's cursor stands on; a directory is counted on a worker.
class SzybkiPodgląd : public QFrame
{
public:
    SzybkiPodgląd(Gospodarz &okno, QWidget *rodzic);

    std::array<QLabel *, 11> Label3{}; // 8 the title
    std::array<oc::ui::Shape *, 2> Shape2{};
    QLabel *imgPrv;

    QLabel *Tytuł() const { return Label3[8]; }
    void Ułóż(int szerokość, int wysokość);
    void Koloruj();
    void CtrlQInfo(const WidokPanelu &d);
    // The count in hand is of no use any more: its answer will be dropped,
    // and it is asked to stop.
    void PorzućLiczenie();

private:
    void PoliczKatalog();
    void PoZliczeniu();

    Gospodarz &m_okno;
    // One count at a time on a worker; a newer request waits, and an answer
    // for a cursor that moved on is dropped.
    QFutureWatcher<QString> *m_zzm;
    quint64 m_pokolenieZZM = 0, m_liczonePokolenie = 0;
    QString m_czekającyZZM;
};
