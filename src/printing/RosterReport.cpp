#include "printing/RosterReport.h"

#include "app/Module1.h"
#include "printing/DrawingSurface.h"
#include "ui/Grid.h"

#include <array>

namespace printing {

namespace {

struct Column {
    int gridCol;
    double x; // mm
};

// The printed columns: name, role, then the figures.
constexpr std::array<Column, 10> columns{{{2, 12},
                                          {4, 57},
                                          {5, 72},
                                          {6, 87},
                                          {7, 102},
                                          {8, 117},
                                          {9, 132},
                                          {10, 147},
                                          {11, 162},
                                          {12, 177}}};

struct Heading {
    const char *text;
    double x;
};

constexpr std::array<Heading, 10> firstHeading{{{"Giocatore", 12},
                                                {"Ruolo", 57},
                                                {"Pres.", 72},
                                                {"Reti", 87},
                                                {"Amm.", 102},
                                                {"Esp.", 117},
                                                {"Squ.", 132},
                                                {"Sost.", 147},
                                                {"Sost.", 162},
                                                {"Minuti", 177}}};
constexpr std::array<Heading, 3> secondHeading{{{"Avute", 147}, {"Fatte", 162}, {"Giocati", 177}}};

const QColor grey(0xAA, 0xAA, 0xAA);

SurfaceFont arial(double size, bool bold)
{
    return {QStringLiteral("Arial"), size, bold, false, false};
}

} // namespace

int rosterPages(int players)
{
    return players <= 0 ? 1 : (players + rowsPerPage - 1) / rowsPerPage;
}

bool drawRosterReport(DrawingSurface &surface, const Grid &roster, float zoom, float shift)
{
    const double z = zoom;
    const int players = roster.Rows() - 1;
    const int pages = rosterPages(players);
    const QString title = QStringLiteral("STAGIONE ") + Module1::selectedSeasonName +
                          QStringLiteral(" - ") + Module1::selectedChampionshipName;

    for (int p = 0; p < pages; ++p) {
        surface.setFont(arial(10 * z, false));
        if (!surface.isPaper()) {
            // The grey covers the whole window, whatever the zoom.
            surface.fillRectangle({0, 0}, {210, 294}, grey);
            surface.fillRectangle({0, 0}, {210 * z, 294 * z}, Qt::white);
        }

        const double left = 10;
        double top = double(shift) + 5;
        surface.setFont(arial(18 * z, false));
        surface.text({left * z, top * z}, title);

        top += 10;
        surface.rectangle({10 * z, top * z}, {195 * z, (top + 12) * z}, Qt::black);

        surface.setFont(arial(10 * z, true));
        for (const Heading &h : firstHeading)
            surface.text({h.x * z, (top + 1.7) * z}, QString::fromUtf8(h.text));
        double y = (top + 6.7) * z;
        for (const Heading &h : secondHeading)
            surface.text({h.x * z, y}, QString::fromUtf8(h.text));

        surface.setFont(arial(8 * z, false));
        y += 4 * z;
        for (int r = p * rowsPerPage + 1; r <= p * rowsPerPage + rowsPerPage; ++r) {
            y += 4 * z;
            if (r > players)
                break;
            for (const Column &c : columns)
                surface.text({c.x * z, y}, roster.TextMatrix(r, c.gridCol));
        }

        surface.text({(left + 95) * z, (top + 255) * z},
                     QString::number(p + 1) + QLatin1Char('/') + QString::number(pages));

        if (surface.isPaper() && p < pages - 1 && !surface.newPage())
            return false;
    }

    if (!surface.isPaper()) {
        surface.rectangle({0, 0}, {210 * z, 294 * z}, Qt::black);
        return true;
    }
    return surface.endDocument();
}

} // namespace printing
