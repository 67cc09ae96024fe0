#include "support/Fixture.h"

#include "app/Module1.h"
#include "core/Dates.h"
#include "data/Database.h"
#include "data/Sql.h"
#include "ui/FileDialogs.h"

#include <QApplication>
#include <QDir>
#include <QSettings>
#include <QSqlQuery>
#include <QTest>
#include <QWidget>

Fixture::Fixture(bool openStore)
{
    m_oldDir = QDir::currentPath();
    QDir::setCurrent(m_dir.path());
    for (QWidget *w : QApplication::topLevelWidgets())
        m_windowsBefore.insert(w);
    Module1::reset();
    core::setToday(QDate());
    ui::setMsgHandler({});
    ui::setInputHandler({});
    ui::setModalHandler({});
    ui::setFileHandler({});
    QSettings().clear(); // nothing remembered from an earlier test
    if (!openStore)
        return;
    const QString error = data::openStore(data::storePath());
    m_open = error.isEmpty();
    if (!m_open)
        qWarning("store not opened: %s", qPrintable(error));
}

Fixture::~Fixture()
{
    data::closeStore();
    Module1::reset();
    core::setToday(QDate());
    QDir::setCurrent(m_oldDir);
}

void Fixture::sql(const QString &statement, const QVariantList &values)
{
    data::run(statement, values);
}

QVariant Fixture::scalar(const QString &statement, const QVariantList &values)
{
    QSqlQuery q = data::run(statement, values);
    return q.next() ? q.value(0) : QVariant();
}

int Fixture::count(const QString &table, const QString &where, const QVariantList &values)
{
    QString statement = QStringLiteral("SELECT count(*) FROM ") + table;
    if (!where.isEmpty())
        statement += QStringLiteral(" WHERE ") + where;
    return scalar(statement, values).toInt();
}

void Fixture::addSeason(int season)
{
    sql(QStringLiteral("INSERT INTO Stagioni (Nome) VALUES (?)"), {season});
}

int Fixture::addChampionship(const QString &name)
{
    sql(QStringLiteral("INSERT INTO Campionati (Nome) VALUES (?)"), {name});
    return scalar(QStringLiteral("SELECT max(Id) FROM Campionati")).toInt();
}

int Fixture::addPerson(const QString &name, const QVariant &born, const QVariant &place,
                       const QVariant &country, const QVariant &document)
{
    sql(QStringLiteral("INSERT INTO Anagrafica (Nome,DataNas,LuogoNas,Paese,Documento) "
                       "VALUES (?,?,?,?,?)"),
        {name, born, place, country, document});
    return scalar(QStringLiteral("SELECT max(IdAna) FROM Anagrafica")).toInt();
}

int Fixture::enrol(int idAna, int season, int camp, const QVariant &role)
{
    sql(QStringLiteral("INSERT INTO Giocatori (IdAna,Stagione,Camp,Ruolo) VALUES (?,?,?,?)"),
        {idAna, season, camp, role});
    return scalar(QStringLiteral("SELECT max(IdGio) FROM Giocatori")).toInt();
}

int Fixture::addGame(int season, int camp, const QString &date, int addedTime)
{
    sql(QStringLiteral("INSERT INTO Gare (Stagione,Camp,Data,SqA,SqB,GolA,GolB,Recupero) "
                       "VALUES (?,?,?,'CASA','OSPITI',0,0,?)"),
        {season, camp, date, addedTime});
    return scalar(QStringLiteral("SELECT max(IdGara) FROM Gare")).toInt();
}

void Fixture::addGameRow(int idGara, int idGio, const QString &tipo, const QVariant &minute,
                         int valid)
{
    const QVariant season =
        scalar(QStringLiteral("SELECT Stagione FROM Gare WHERE IdGara=?"), {idGara});
    const QVariant camp = scalar(QStringLiteral("SELECT Camp FROM Gare WHERE IdGara=?"), {idGara});
    sql(QStringLiteral("INSERT INTO DatiGare (Valid,IdGara,Stagione,Camp,IdGio,Tipo,Min) "
                       "VALUES (?,?,?,?,?,?,?)"),
        {valid, idGara, season, camp, idGio, tipo, minute});
}

void Fixture::addFormation(int idGio, const QString &tipo, int valid)
{
    sql(QStringLiteral("INSERT INTO Formazione (Valid,IdGio,Tipo) VALUES (?,?,?)"),
        {valid, idGio, tipo});
}

bool Fixture::noWindowsLeft() const
{
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    for (QWidget *w : QApplication::topLevelWidgets()) {
        if (!m_windowsBefore.contains(w) && w->isVisible()) {
            qWarning("window left open: %s", qPrintable(w->objectName()));
            return false;
        }
    }
    return true;
}

MsgRecorder::MsgRecorder()
{
    ui::setMsgHandler([this](const ui::MsgCall &call) {
        calls.append(call);
        if (call.buttons == ui::Buttons::Ok)
            return ui::Answer::Ok;
        if (!answers.isEmpty())
            return answers.takeFirst();
        // What Esc would answer.
        switch (call.buttons) {
        case ui::Buttons::YesNoCancel:
            return ui::Answer::Cancel;
        case ui::Buttons::RetryExit:
            return ui::Answer::Exit;
        default:
            return ui::Answer::No;
        }
    });
    ui::setInputHandler([this](const QString &prompt, const QString &title, const QString &) {
        inputPrompts.append(prompt + QStringLiteral(" | ") + title);
        return inputAnswers.isEmpty() ? QString() : inputAnswers.takeFirst();
    });
}

MsgRecorder::~MsgRecorder()
{
    ui::setMsgHandler({});
    ui::setInputHandler({});
}

bool MsgRecorder::has(const QString &text) const
{
    for (const ui::MsgCall &c : calls)
        if (c.text == text)
            return true;
    return false;
}

QStringList MsgRecorder::texts() const
{
    QStringList list;
    for (const ui::MsgCall &c : calls)
        list << c.text;
    return list;
}

ModalHook::ModalHook()
{
    ui::setModalHandler([this](QDialog &window) {
        shown.append(window.objectName());
        const auto handler = m_handlers.value(window.objectName());
        if (handler)
            handler(window);
    });
}

ModalHook::~ModalHook()
{
    ui::setModalHandler({});
}

void ModalHook::on(const QString &windowName, std::function<void(QDialog &)> handler)
{
    m_handlers.insert(windowName, std::move(handler));
}
