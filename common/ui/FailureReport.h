#pragma once

#include <platform/FileError.h>

#include <QString>
#include <cstddef>
#include <vector>

class QWidget;

namespace oc::ui {

// How a failure report lists the failures: the first ones, one a line as
// "path: reason", then a line for the rest.
struct FailureList
{
    std::size_t named = 5;
    // Told when some are not named: "%1" takes how many, "%2" how many
    // failed in all.
    QString rest = QStringLiteral("(i %1 innych)");
    // Under the fold of the box instead of in its text.
    bool folded = false;
};

// What the box shows: its text and what unfolds under it.
struct FailureReportText
{
    QString text;
    QString folded;
};

// The lead, then the list in the text or under the fold.
FailureReportText failureReportText(const QString &lead, const std::vector<oc::platform::FileError> &failures,
                                    const FailureList &list);

// The platform's standard box with the exclamation icon, modal over
// parent, in plain text so that a name that looks like markup shows as it
// is. Nothing when none failed.
void showFailures(QWidget *parent, const QString &title, const QString &lead,
                  const std::vector<oc::platform::FileError> &failures, const FailureList &list = {});

} // namespace oc::ui
