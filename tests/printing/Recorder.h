#pragma once

#include "printing/DrawingSurface.h"

#include <QList>
#include <QStringList>

// A drawing surface that keeps every call, for checking the report's layout.
class Recorder : public printing::DrawingSurface {
public:
    explicit Recorder(bool paper) : m_paper(paper) {}

    struct Text {
        QString text;
        QPointF at;
        printing::SurfaceFont font;
        int page;
    };
    struct Box {
        QPointF from, to;
        QColor colour;
        bool filled;
        int page;
    };

    QList<Text> texts;
    QList<Box> boxes;
    QStringList calls; // "text", "rectangle", "fill", "newPage", "end", in order
    int newPages = 0;
    int ends = 0;
    int refuseNewPage = -1; // the newPage call (from 0) that fails; -1 for none

    // The texts of one page, in the order drawn.
    QList<Text> onPage(int page) const
    {
        QList<Text> list;
        for (const Text &t : texts)
            if (t.page == page)
                list << t;
        return list;
    }
    int pages() const { return texts.isEmpty() ? 0 : texts.last().page + 1; }

    bool isPaper() const override { return m_paper; }
    void setFont(const printing::SurfaceFont &font) override { m_font = font; }
    void text(const QPointF &at, const QString &text) override
    {
        calls << QStringLiteral("text");
        texts << Text{text, at, m_font, page()};
    }
    void rectangle(const QPointF &from, const QPointF &to, const QColor &colour) override
    {
        calls << QStringLiteral("rectangle");
        boxes << Box{from, to, colour, false, page()};
    }
    void fillRectangle(const QPointF &from, const QPointF &to, const QColor &colour) override
    {
        calls << QStringLiteral("fill");
        if (!m_paper && colour != Qt::white)
            ++m_screenPages;
        boxes << Box{from, to, colour, true, page()};
    }
    bool newPage() override
    {
        calls << QStringLiteral("newPage");
        if (newPages == refuseNewPage)
            return false;
        ++newPages;
        return true;
    }
    bool endDocument() override
    {
        calls << QStringLiteral("end");
        ++ends;
        return true;
    }

private:
    // On paper a page begins with newPage; on a screen with the grey that covers it.
    int page() const { return m_paper ? newPages : qMax(0, m_screenPages - 1); }

    bool m_paper;
    printing::SurfaceFont m_font;
    int m_screenPages = 0;
};
