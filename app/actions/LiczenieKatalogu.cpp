#include "LiczenieKatalogu.h"

#include "Gospodarz.h"
#include "Sloty.h"
#include "Wywolanie.h"

#include <QtConcurrent/QtConcurrentRun>

QFuture<QString> PoliczKatalog(Gospodarz &okno, const QString &ścieżka)
{
    return QtConcurrent::run([historia = okno.Komponenty().Historia, ścieżka] {
        QString powód;
        const std::optional<QVariant> liczniki = SpróbujWywołać(historia.get(), QStringLiteral("ZZM"), powód, ścieżka);
        return liczniki ? liczniki->toString() : QString();
    });
}

void PrzerwijLiczenie(Gospodarz &okno, bool przerwij)
{
    QString powód;
    SpróbujWywołać(okno.Komponenty().Historia.get(), QStringLiteral("PrzerwijZZM"), powód, qint32(przerwij));
}
