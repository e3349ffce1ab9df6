#include "frmCofnij.h"

#include <ui/Colors.h>
#include <ui/Fonts.h>
#include <ui/Keys.h>
#include <ui/TitleDrag.h>
#include <ui/Twips.h>

#include <QKeyEvent>
#include <QLabel>
#include <QListWidget>

using namespace oc;

namespace {

constexpr quint32 Szary = 0x00808080;
constexpr int Szerokość = 9000;
constexpr int WysokośćListy = 16 * 240;

} // namespace

QString WierszOperacji(const undo::Operacja &operacja)
{
    QString wiersz = operacja.czas.toString(QStringLiteral("dd.MM hh:mm:ss")) + QStringLiteral("  ")
                     + undo::nazwaRodzaju(operacja.rodzaj) + QStringLiteral(": ") + operacja.opis;
    if (operacja.cofnięta)
        wiersz += QStringLiteral("  (cofnięta)");
    else if (!operacja.zakończona)
        wiersz += QStringLiteral("  (przerwana)");
    return wiersz;
}

frmCofnij::frmCofnij(const std::vector<undo::Operacja> &operacje, QWidget *parent)
    : QDialog(parent, Qt::Dialog | Qt::FramelessWindowHint)
{
    setObjectName(QStringLiteral("frmCofnij"));
    setWindowTitle(QStringLiteral("Cofnij"));
    ui::setBackground(this, Szary);
    ui::resizeTwips(this, Szerokość, 360 + WysokośćListy + 480);
    for (ui::Shape *&ramka : Shape1)
        ramka = new ui::Shape(this);

    lstOperacje = new QListWidget(this);
    lstOperacje->setFont(ui::sansFont(9.75));
    lstOperacje->setFrameShape(QFrame::NoFrame);
    lstOperacje->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    lstOperacje->setTextElideMode(Qt::ElideMiddle);
    lstOperacje->setStyleSheet(QStringLiteral("QListWidget { background: #808080; color: white; }"
                                              "QListWidget::item:selected { background: black; color: white; }"
                                              "QListWidget::item:disabled { color: #C0C0C0; }"));
    ui::placeTwips(lstOperacje, 120, 360, Szerokość - 240, WysokośćListy);
    for (auto op = operacje.rbegin(); op != operacje.rend(); ++op) {
        auto *wiersz = new QListWidgetItem(WierszOperacji(*op), lstOperacje);
        wiersz->setData(Qt::UserRole, op->numer);
        wiersz->setToolTip(op->opis);
        if (op->cofnięta)
            wiersz->setFlags(Qt::NoItemFlags);
    }
    for (int i = 0; i < lstOperacje->count(); ++i)
        if (lstOperacje->item(i)->flags() & Qt::ItemIsEnabled) {
            lstOperacje->setCurrentRow(i);
            break;
        }
    connect(lstOperacje, &QListWidget::itemActivated, this, &frmCofnij::Wybierz);

    lblPomoc = new QLabel(this);
    lblPomoc->setFont(ui::sansFont(9.75));
    ui::setForeground(lblPomoc, 0x00FFFFFF);
    lblPomoc->setText(operacje.empty() ? QStringLiteral("Nie ma nic do cofnięcia.   Esc: zamknij")
                                       : QStringLiteral("Enter: cofnij wybraną i wszystkie późniejsze   Esc: zamknij"));
    ui::placeTwips(lblPomoc, 240, 360 + WysokośćListy + 120, Szerokość - 480, 255);

    Label1 = ui::makeTitleStrip(this, QStringLiteral("Cofnij"));
    lstOperacje->setFocus();
}

void frmCofnij::Wybierz()
{
    const QListWidgetItem *wiersz = lstOperacje->currentItem();
    if (!wiersz || !(wiersz->flags() & Qt::ItemIsEnabled))
        return;
    Wybrana = wiersz->data(Qt::UserRole).toLongLong();
    accept();
}

void frmCofnij::keyPressEvent(QKeyEvent *event)
{
    switch (ui::virtualKey(event)) {
    case ui::vk::Return:
    case ui::vk::Space: Wybierz(); break;
    case ui::vk::Escape:
    case ui::vk::F10: reject(); break;
    default: QDialog::keyPressEvent(event); break;
    }
}

void frmCofnij::resizeEvent(QResizeEvent *event)
{
    QDialog::resizeEvent(event);
    Label1->move((width() - Label1->width()) / 2, 0);
    ui::fitFrames(Shape1[0], Shape1[1]);
}
