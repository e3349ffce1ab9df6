#include "Komunikat.h"

#include <QMessageBox>

namespace ocdelete {

namespace {

// Enough to see what went wrong without building a text of a whole tree.
constexpr qsizetype NajwięcejWierszy = 100;

} // namespace

void pokażBłąd(QWidget *okno, const QString &tekst, const std::vector<oc::platform::FileError> &błędy)
{
    QMessageBox pudełko(QMessageBox::Warning, QStringLiteral("Błąd"), tekst, QMessageBox::Ok, okno);
    // Paths may look like markup.
    pudełko.setTextFormat(Qt::PlainText);
    QStringList wiersze;
    for (const oc::platform::FileError &błąd : błędy) {
        if (wiersze.size() == NajwięcejWierszy) {
            wiersze << QStringLiteral("… (%1)").arg(qsizetype(błędy.size()));
            break;
        }
        wiersze << błąd.text();
    }
    pudełko.setDetailedText(wiersze.join(u'\n'));
    pudełko.exec();
}

} // namespace ocdelete
