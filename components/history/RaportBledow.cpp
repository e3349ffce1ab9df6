#include "RaportBledow.h"

#include <QMessageBox>
#include <algorithm>

namespace oc2 {

namespace {

constexpr size_t PokazanychŚcieżek = 5;

} // namespace

void ZgłośBłędy(QWidget *okno, const std::vector<oc::platform::FileError> &błędy)
{
    if (błędy.empty())
        return;
    QString tekst = QStringLiteral("Nie udało się zmienić atrybutów. Liczba błędów: %1").arg(błędy.size());
    const size_t pokazane = std::min(błędy.size(), PokazanychŚcieżek);
    for (size_t i = 0; i < pokazane; ++i)
        tekst += u'\n' + błędy[i].text();
    if (błędy.size() > pokazane)
        tekst += QStringLiteral("\n...");
    QMessageBox pudełko(QMessageBox::Warning, QStringLiteral("Błąd"), tekst, QMessageBox::Ok, okno);
    // A file name that looks like markup is shown as it is.
    pudełko.setTextFormat(Qt::PlainText);
    pudełko.exec();
}

} // namespace oc2
