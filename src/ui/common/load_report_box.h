#pragma once
// Tells the user, once after opening a database, what its files lacked: files that could not
// be read (and will not be overwritten), damaged files and what loading repaired. Missing
// files alone are no news: a database may hold only some countries.

#include "database/load_report.h"

class QWidget;

namespace torvale {

// True when the report holds anything but missing files.
bool LoadReportWorthShowing(const LoadReport& report);
// Shows such a report in the editor's warning dialog; nothing otherwise.
void ShowLoadReport(const LoadReport& report, QWidget* parent);

}  // namespace torvale
