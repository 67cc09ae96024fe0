#include "printing/FormStampa.h"

#include "app/Module1.h"
#include "printing/PreviewArea.h"
#include "printing/Printers.h"
#include "printing/RosterPrint.h"
#include "printing/RosterReport.h"
#include "ui/Controls.h"
#include "ui/Dialogs.h"
#include "ui/Grid.h"
#include "ui/Twips.h"

#include <QDateTime>
#include <QDir>
#include <QGridLayout>
#include <QPrinter>
#include <QPushButton>
#include <QStyle>
#include <QVBoxLayout>

namespace {

const QString rosterKind = QStringLiteral("Giocatori");

// The zooms of the preview, compared as the single-precision numbers they are kept in.
constexpr float fullSize = 1.0f;
constexpr float mediumZoom = 0.68f;
constexpr float smallZoom = 0.49f;

} // namespace

FormStampa::FormStampa(const Grid &roster, QWidget *parent) : QDialog(parent), m_roster(roster)
{
    setObjectName(QStringLiteral("FormStampa"));
    setWindowTitle(QStringLiteral("Anteprima di stampa"));
    buildWindow();
    Form_Load();
}

void FormStampa::buildWindow()
{
    Preview = ui::named(new printing::PreviewArea, "Preview");
    Preview->setDrawing([this](printing::DrawingSurface &surface) { drawPreview(surface); });
    BtnZoom = ui::button("BtnZoom", QString(), QStringLiteral("Zoom"));
    BtnZoom->setIcon(QIcon::fromTheme(QStringLiteral("zoom-in"),
                                      style()->standardIcon(QStyle::SP_FileDialogContentsView)));
    BtnChiudi = ui::button("BtnChiudi", QStringLiteral("&Chiudi"));

    // The buttons float at the top right, over the page.
    auto *buttons = new QVBoxLayout;
    buttons->setContentsMargins(0, ui::px(120), ui::px(120), 0);
    buttons->addWidget(BtnZoom);
    buttons->addWidget(BtnChiudi);
    auto *layout = new QGridLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(Preview, 0, 0);
    layout->addLayout(buttons, 0, 0, Qt::AlignTop | Qt::AlignRight);
    BtnZoom->raise();
    BtnChiudi->raise();

    connect(BtnZoom, &QPushButton::clicked, this, &FormStampa::BtnZoom_Click);
    connect(BtnChiudi, &QPushButton::clicked, this, &FormStampa::BtnChiudi_Click);
    connect(Preview, &printing::PreviewArea::MouseDown, this, &FormStampa::Form_MouseDown);
}

void FormStampa::Form_Load()
{
    resize(ui::px(12000), ui::px(9000));
    ui::centre(*this);
    m_toPrinter = Module1::printFlag;
    m_shift = 1.0f;
    m_zoom = m_toPrinter ? fullSize : smallZoom;
    redraw();
}

void FormStampa::redraw()
{
    if (Module1::reportKind != rosterKind)
        return;
    if (m_toPrinter)
        printReport();
    else
        Preview->update();
}

void FormStampa::drawPreview(printing::DrawingSurface &surface)
{
    if (Module1::reportKind == rosterKind)
        printing::drawRosterReport(surface, m_roster, m_zoom, m_shift);
}

void FormStampa::printReport()
{
    std::unique_ptr<QPrinter> printer = printing::defaultPrinter();
    if (!printer) {
        saveInstead();
        return;
    }
    const QString error = printing::printRoster(m_roster, *printer);
    if (!error.isEmpty())
        ui::showError(error);
}

// With no printer installed the report is kept as a PDF file, and the user told where.
void FormStampa::saveInstead()
{
    QString error;
    const QString path = printing::newPrintFile(QDateTime::currentDateTime(), error);
    if (path.isEmpty()) {
        ui::showError(error);
        return;
    }
    error = printing::writeRosterPdf(m_roster, path);
    if (!error.isEmpty()) {
        ui::showError(error);
        return;
    }
    ui::msgBox(QStringLiteral("Nessuna stampante installata: la stampa è stata salvata nel file ") +
                   QDir::toNativeSeparators(path),
               ui::Information, QStringLiteral("AVVISO"));
}

void FormStampa::BtnZoom_Click()
{
    if (m_zoom == mediumZoom) {
        m_zoom = smallZoom;
        m_shift = 1.0f;
    } else {
        m_zoom = mediumZoom;
    }
    redraw();
}

void FormStampa::BtnChiudi_Click()
{
    close();
}

void FormStampa::Form_MouseDown(Qt::MouseButton button)
{
    if (button == Qt::RightButton) {
        m_shift = 1.0f;
        if (m_zoom == fullSize)
            m_zoom = mediumZoom;
        else if (m_zoom == smallZoom)
            m_zoom = fullSize;
        else
            m_zoom = smallZoom;
    } else if (m_shift > 0 && m_zoom != smallZoom) {
        // Brings the lower part of the page into view.
        m_shift = m_zoom * -150;
    } else {
        m_shift = 1.0f;
    }
    redraw();
}
