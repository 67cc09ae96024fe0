#pragma once

#include "ui/Grid.h"

#include <QStringList>

#include <memory>

// A roster grid shaped like the main window's: the fixed column, IdGio, name, birth date,
// role, then the eight figures. Player i (from 1) is "GIOCATORE 00i" with figures made
// from i, so that every row differs.
inline std::unique_ptr<Grid> rosterGrid(int players)
{
    auto grid = std::make_unique<Grid>(1, 1);
    grid->SetCols(13);
    const QStringList headers{"",    "IdGio", "Nome", "Nato il", "R.",   "Pres",  "Reti",
                              "Amm", "Esp.",  "Squ.", "S.av",    "S.fa", "Min.g."};
    for (int c = 1; c < headers.size(); ++c)
        grid->SetTextMatrix(0, c, headers.at(c));
    static const char *const roles[] = {"P", "D", "C", "A"};
    for (int i = 1; i <= players; ++i) {
        QStringList cells{QString(), QString::number(100 + i),
                          QStringLiteral("GIOCATORE %1").arg(i, 3, 10, QLatin1Char('0')),
                          QStringLiteral("01/01/2000"), QString::fromLatin1(roles[i % 4])};
        for (int f = 0; f < 8; ++f)
            cells << QString::number((i * (f + 3)) % 97);
        grid->AddItem(cells);
    }
    return grid;
}

// The printed cells of one grid row: name, role and the figures.
inline QStringList printedCells(const Grid &grid, int row)
{
    QStringList cells;
    for (int c : {2, 4, 5, 6, 7, 8, 9, 10, 11, 12})
        cells << grid.TextMatrix(row, c);
    return cells;
}
