#pragma once

class Grid;

namespace printing {

class DrawingSurface;

// Rows of the roster on one page of the report.
constexpr int rowsPerPage = 60;

// Pages the report takes for a roster of players: at least one.
int rosterPages(int players);

// Draws the roster report of the selected season and championship, reading the rows from
// the roster grid in its current order. zoom scales every position and font size; shift
// moves the content vertically (1 is the page's own place). On paper the document is ended
// too; false when the paper refused a page or the end.
bool drawRosterReport(DrawingSurface &surface, const Grid &roster, float zoom, float shift);

} // namespace printing
