#include "Obraz.h"

#include "Plik.h"

#include <QFileInfo>
#include <QImageReader>

namespace oc {

namespace {

// Picture types of the old desktop that Qt has no reader for.
bool typNieobsługiwany(const QString &rozszerzenie)
{
    return rozszerzenie == u"wmf" || rozszerzenie == u"emf" || rozszerzenie == u"ani";
}

} // namespace

QSize RozmiarWOknie(const QSize &rozmiar, const QSize &miejsce)
{
    if (rozmiar.width() <= miejsce.width() && rozmiar.height() <= miejsce.height())
        return rozmiar;
    return rozmiar.scaled(miejsce, Qt::KeepAspectRatio).expandedTo(QSize(1, 1));
}

Obraz CzytajObraz(const QString &ścieżka, const QSize &miejsce)
{
    Obraz wynik;
    const std::optional<QByteArray> początek = CzytajPoczątek(ścieżka, 1, wynik.komunikat);
    if (!początek)
        return wynik;
    if (początek->isEmpty()) {
        wynik.komunikat = QStringLiteral("Plik jest pusty.");
        return wynik;
    }

    QImageReader::setAllocationLimit(NajwiększyObrazMB);
    QImageReader czytnik(ścieżka);
    czytnik.setAutoTransform(true);
    if (!czytnik.canRead()) {
        const QString rozszerzenie = QFileInfo(ścieżka).suffix().toLower();
        wynik.komunikat = typNieobsługiwany(rozszerzenie)
                              ? QStringLiteral("Obrazów typu %1 ten podgląd nie wyświetla.").arg(rozszerzenie.toUpper())
                              : QStringLiteral("To nie jest obraz albo jego format jest nieznany.");
        return wynik;
    }
    const QSize rozmiar = czytnik.size();
    if (rozmiar.isValid() && qint64(rozmiar.width()) * rozmiar.height() * 4 > qint64(NajwiększyObrazMB) << 20) {
        wynik.komunikat = QStringLiteral("Obraz jest za duży do wyświetlenia (%1 × %2 punktów).")
                              .arg(rozmiar.width())
                              .arg(rozmiar.height());
        return wynik;
    }
    wynik.animacja = czytnik.supportsAnimation() && czytnik.imageCount() > 1;
    if (rozmiar.isValid() && !wynik.animacja && czytnik.supportsOption(QImageIOHandler::ScaledSize))
        czytnik.setScaledSize(RozmiarWOknie(rozmiar, miejsce));

    QImage obraz = czytnik.read();
    if (obraz.isNull()) {
        // A picture past the memory limit fails here too, with the same error.
        wynik.komunikat = QStringLiteral("Nie mogę odczytać obrazu: plik jest uszkodzony albo obraz jest za duży (%1).")
                              .arg(czytnik.errorString());
        return wynik;
    }
    wynik.rozmiar = rozmiar.isValid() ? rozmiar : obraz.size();
    const QSize wOknie = RozmiarWOknie(obraz.size(), miejsce);
    wynik.obraz
        = wOknie == obraz.size() ? obraz : obraz.scaled(wOknie, Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
    return wynik;
}

} // namespace oc
