#pragma once
// Printing a report list: the page-number line "%i / %i" right-aligned in the top band, the
// column headers, then as many rows as fit; columns laid out across the printable width.

#include <QString>

#include "exchange/list_export.h"

class QPrinter;

namespace torvale {

struct ListPrintSettings {
  QString fontFace = QStringLiteral("Arial");
  int fontSizeTenths = 100;        // tenths of a point
  double horizontalMargin = 0.75;  // inches, left and right
  double verticalMargin = 1.0;     // inches, top (and bottom)
};

// The duplicate-player report's settings: "Arial" 7 point, margins 0.75 and 1.0 inch.
ListPrintSettings DuplicateReportPrintSettings();

// How many rows fit on a page and how many pages the list takes on `printer`.
struct ListPrintPlan {
  int rowsPerPage = 1;
  int pageCount = 0;
};
ListPrintPlan PlanListPrint(QPrinter& printer, const ExportedList& list, const ListPrintSettings& settings);

// Prints the list on `printer` (already set up); returns the number of pages printed. A list
// without rows prints nothing.
int PrintListPages(QPrinter& printer, const ExportedList& list, const ListPrintSettings& settings);

}  // namespace torvale
