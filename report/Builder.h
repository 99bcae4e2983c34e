#pragma once
// Lays a parsed template out on pages: evaluates fields and variables, repeats
// list bands per row, breaks pages and repeats list headers, and numbers the pages.
#include "report/PreparedReport.h"
#include "report/ReportData.h"
#include "report/Template.h"

namespace report {

// Throws ReportError when the template names a source or column that the
// inputs do not have.
PreparedReport buildReport(const tpl::Template &t, const ReportInputs &inputs, bool defaultLandscape);

} // namespace report
