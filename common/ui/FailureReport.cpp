#include "FailureReport.h"

#include <QMessageBox>
#include <QStringList>
#include <algorithm>

namespace oc::ui {

FailureReportText failureReportText(const QString &lead, const std::vector<oc::platform::FileError> &failures,
                                    const FailureList &list)
{
    QStringList lines;
    const std::size_t named = std::min(failures.size(), list.named);
    for (std::size_t i = 0; i < named; ++i)
        lines << failures[i].text();
    if (failures.size() > named)
        lines << QString(list.rest)
                     .replace(QStringLiteral("%1"), QString::number(failures.size() - named))
                     .replace(QStringLiteral("%2"), QString::number(failures.size()));
    if (list.folded)
        return {lead, lines.join(u'\n')};
    return {lines.isEmpty() ? lead : lead + u'\n' + lines.join(u'\n'), QString()};
}

void showFailures(QWidget *parent, const QString &title, const QString &lead,
                  const std::vector<oc::platform::FileError> &failures, const FailureList &list)
{
    if (failures.empty())
        return;
    const FailureReportText report = failureReportText(lead, failures, list);
    QMessageBox box(QMessageBox::Warning, title, report.text, QMessageBox::Ok, parent);
    box.setTextFormat(Qt::PlainText);
    if (list.folded)
        box.setDetailedText(report.folded);
    box.exec();
}

} // namespace oc::ui
